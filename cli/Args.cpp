#include "Args.h"

#include <algorithm>

namespace {

bool Contains(const std::vector<std::string>& list, const std::string& word) {
    return std::find(list.begin(), list.end(), word) != list.end();
}

}  // namespace

bool CArgs::Parse(const std::vector<std::string>& words, const std::vector<std::string>& valueOptions,
                  const std::vector<std::string>& flagOptions, std::string& error) {
    bool optionsEnded = false;
    for (size_t i = 0; i < words.size(); ++i) {
        std::string word = words[i];
        if (optionsEnded || word.size() < 2 || word[0] != '-') {
            m_Positional.push_back(word);
            continue;
        }
        if (word == "--") {
            optionsEnded = true;
            continue;
        }
        if (word == "-o") {
            word = "--output";
        }
        std::string name = word;
        std::optional<std::string> inlineValue;
        const size_t equals = word.find('=');
        if (word.rfind("--", 0) == 0 && equals != std::string::npos) {
            name = word.substr(0, equals);
            inlineValue = word.substr(equals + 1);
        }
        if (Contains(flagOptions, name) && !inlineValue) {
            m_Values.emplace(name, "");
        } else if (Contains(valueOptions, name)) {
            if (inlineValue) {
                m_Values.emplace(name, *inlineValue);
            } else if (i + 1 < words.size()) {
                m_Values.emplace(name, words[++i]);
            } else {
                error = "option " + name + " needs a value";
                return false;
            }
        } else {
            error = "unknown option " + word;
            return false;
        }
    }
    // the second of two values would silently win, and a flag twice is a typing error: say so instead
    for (const std::vector<std::string>* options : {&valueOptions, &flagOptions}) {
        for (const std::string& option : *options) {
            if (!Contains(kRepeatableOptions, option) && m_Values.count(option) > 1) {
                error = "option " + option + " is given more than once; give it once";
                return false;
            }
        }
    }
    return true;
}

std::optional<std::string> CArgs::Value(const std::string& option) const {
    const auto found = m_Values.find(option);
    if (found == m_Values.end()) {
        return std::nullopt;
    }
    return found->second;
}

std::vector<std::string> CArgs::Values(const std::string& option) const {
    std::vector<std::string> values;
    const auto range = m_Values.equal_range(option);
    for (auto it = range.first; it != range.second; ++it) {
        values.push_back(it->second);
    }
    return values;
}
