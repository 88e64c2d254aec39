#include "ChannelTimers.h"

#include <algorithm>

#include "FrequencyRules.h"
#include "TextMark.h"

namespace {

constexpr int kTimeOutStepS = 10;
constexpr int kHangFirstMs = 180;
constexpr int kHangStepMs = 10;

std::vector<std::string> NumberedList(int count, int first, int step) {
    std::vector<std::string> texts{KV310_TEXT("Messages", "No Timer")};
    for (int i = 1; i < count; ++i) {
        texts.push_back(std::to_string(first + (i - 1) * step));
    }
    return texts;
}

// The field's whole number; a value past int's range is as wrong as any other out-of-range entry.
int FieldInt(const std::string& text) {
    return static_cast<int>(std::clamp<long long>(FieldTextToInt(text, 4), -1, 1000000));
}

}  // namespace

std::vector<std::string> TimeOutListTexts() {
    return NumberedList(kTimeOutItems, kTimeOutStepS, kTimeOutStepS);
}

std::vector<std::string> HangListTexts() {
    return NumberedList(kHangItems, kHangFirstMs, kHangStepMs);
}

std::vector<std::string> PowerSaveDelayTexts() {
    return {"1", "2", "3", "4", "5"};
}

void ApplyTimeOutIndex(CDataRadioDoc& doc, int index) {
    doc.m_bTxTimeOut = index > 0 ? 1 : 0;
    doc.m_nTxTimeOut = index > 0 ? kTimeOutStepS * index : 0;
}

void ApplyHangIndex(CDataRadioDoc& doc, int index) {
    doc.m_bHangOn = index > 0 ? 1 : 0;
    doc.m_nHangOnTime = index > 0 ? kHangStepMs * index + kHangFirstMs - kHangStepMs : 0;
}

int TimeOutIndexOf(const CDataRadioDoc& doc) {
    if (!doc.m_bTxTimeOut) {
        return 0;
    }
    return std::clamp(doc.m_nTxTimeOut / kTimeOutStepS, 0, kTimeOutItems - 1);
}

int HangIndexOf(const CDataRadioDoc& doc) {
    if (!doc.m_bHangOn) {
        return 0;
    }
    return std::clamp((doc.m_nHangOnTime - kHangFirstMs) / kHangStepMs + 1, 1, kHangItems - 1);
}

STimeFit FitRxOffTime(const std::string& text) {
    const int n = FieldInt(text) / 10 * 10;
    if (n < 20 || n > 400) {
        return {200, KV310_TEXT("Messages", "Valid Settings 20 to 400")};
    }
    return {n, std::string()};
}

STimeFit FitRxOnTime(const std::string& text) {
    const int n = FieldInt(text) / 20 * 20 + 10;
    if (n < 30 || n > 270) {
        return {50, KV310_TEXT("Messages", "Valid Settings 30 to 260")};
    }
    return {n, std::string()};
}
