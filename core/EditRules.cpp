#include "EditRules.h"

#include <cctype>
#include <limits>

int32_t LeadingInteger(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])) != 0) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int64_t value = 0;
    constexpr int64_t kBeyond = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) != 0; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > kBeyond) {
            value = kBeyond;  // keep reading digits, but no further from the limit
        }
    }
    if (negative) {
        return static_cast<int32_t>(-value);  // -2^31 fits exactly
    }
    return value >= kBeyond ? std::numeric_limits<int32_t>::max() : static_cast<int32_t>(value);
}

std::string EditText(const SEditRule& rule, int32_t value) {
    std::string text = std::to_string(value);
    if (static_cast<int>(text.size()) < rule.m_nWidth) {
        text.insert(0, static_cast<size_t>(rule.m_nWidth) - text.size(), ' ');
    }
    return text;
}

SEditOutcome CheckEdit(const SEditRule& rule, const std::string& text, int32_t current) {
    const int32_t value = LeadingInteger(text) / rule.m_nStep * rule.m_nStep;
    SEditOutcome outcome;
    outcome.m_bAccepted = value >= rule.m_nMin && value <= rule.m_nMax;
    if (outcome.m_bAccepted) {
        outcome.m_nValue = value;
    } else {
        outcome.m_nValue = rule.m_nRefusedValue == kKeepValue ? current : rule.m_nRefusedValue;
    }
    outcome.m_strText = EditText(rule, outcome.m_nValue);
    return outcome;
}

std::vector<std::string> StepTexts(int first, int last, int step) {
    std::vector<std::string> texts;
    for (int value = first; value <= last; value += step) {
        texts.push_back(std::to_string(value));
    }
    return texts;
}
