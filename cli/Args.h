#pragma once
// The command line of one verb: positional words and --options, each option with or without a value.

#include <map>
#include <optional>
#include <string>
#include <vector>

// The options a verb takes more than once (several radios, several faults); every other is given once.
inline const std::vector<std::string> kRepeatableOptions = {"--port", "--fault"};

class CArgs {
public:
    // Splits argv of a verb. valueOptions take a value ("--port COM3" or "--port=COM3"), flagOptions none;
    // "-o" is an alias of "--output". Returns false with a message for an unknown or incomplete option.
    bool Parse(const std::vector<std::string>& words, const std::vector<std::string>& valueOptions,
               const std::vector<std::string>& flagOptions, std::string& error);

    bool Has(const std::string& option) const { return m_Values.count(option) > 0; }
    std::optional<std::string> Value(const std::string& option) const;
    std::vector<std::string> Values(const std::string& option) const;

    std::vector<std::string> m_Positional;
    std::multimap<std::string, std::string> m_Values;
};
