#include "ChannelCsv.h"

#include <algorithm>

#include <cctype>
#include <cstring>
#include <map>
#include <set>

#include "ConfigFields.h"
#include "Format.h"
#include "TextConfig.h"

// The signalling types are rx_type and tx_type, the other signalling values go by their carried names
// (rx_tone_hz, two_tone_group ...).
std::string ChannelCsvColumn(const SFieldDef& f) {
    if (std::strcmp(f.strKey, "type") == 0) {
        return std::string(f.strSection).substr(0, 2) + "_type";
    }
    return f.strCarried != nullptr ? f.strCarried : f.strKey;
}

namespace {

// Lower-case letters and digits only: "Rx Freq(MHz)" -> "rxfreqmhz", "rx_mhz" -> "rxmhz".
std::string HeadingKey(const std::string& heading) {
    std::string key;
    for (const char c : heading) {
        if (std::isalnum(static_cast<unsigned char>(c)) != 0) {
            key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    return key;
}

// The channel page's captions and their plain wordings, beside the column names themselves.
constexpr struct {
    const char* pszKey;
    const char* pszColumn;
} kHeadingWords[] = {
    {"ch", "channel"},         {"chan", "channel"},  {"channelno", "channel"},  {"rxfreqmhz", "rx_mhz"},
    {"rxfreq", "rx_mhz"},      {"rx", "rx_mhz"},     {"rxfrequency", "rx_mhz"}, {"txfreqmhz", "tx_mhz"},
    {"txfreq", "tx_mhz"},      {"tx", "tx_mhz"},     {"txfrequency", "tx_mhz"}, {"bw", "width"},
    {"bandwidth", "width"},    {"txpower", "power"}, {"step", "step_khz"},      {"rxoption", "rx_option"},
    {"txoption", "tx_option"},
};

}  // namespace

std::string ChannelCsvColumnOfHeading(const std::string& heading) {
    const std::string key = HeadingKey(heading);
    if (key.empty()) {
        return "";
    }
    if (key == "channel") {
        return "channel";
    }
    for (const SFieldDef& f : ChannelFields()) {
        if (HeadingKey(ChannelCsvColumn(f)) == key) {
            return ChannelCsvColumn(f);
        }
    }
    for (const auto& word : kHeadingWords) {
        if (key == word.pszKey) {
            return word.pszColumn;
        }
    }
    return "";
}

std::vector<std::string> SplitCsvLine(const std::string& line, char separator) {
    std::vector<std::string> cells(1);
    bool quoted = false;
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                cells.back() += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                cells.back() += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == separator) {
            cells.emplace_back();
        } else {
            cells.back() += c;
        }
    }
    for (std::string& cell : cells) {
        const size_t first = cell.find_first_not_of(" \t");
        const size_t last = cell.find_last_not_of(" \t");
        cell = first == std::string::npos ? "" : cell.substr(first, last - first + 1);
    }
    return cells;
}

std::vector<std::string> CsvLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = text.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0;  // spreadsheets put a BOM first
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

std::vector<std::string> FilledCsvLines(const std::string& text) {
    std::vector<std::string> lines = CsvLines(text);
    lines.erase(
        std::remove_if(lines.begin(), lines.end(),
                       [](const std::string& l) { return l.find_first_not_of(" \t,") == std::string::npos; }),
        lines.end());
    return lines;
}

std::string ExportChannelCsv(const CDataRadioDoc& doc) {
    std::string out = "channel";
    for (const SFieldDef& f : ChannelFields()) {
        out += "," + ChannelCsvColumn(f);
    }
    out += "\n";
    for (int ch = 0; ch < kChannels; ++ch) {
        out += std::to_string(ch + 1);
        for (const SFieldDef& f : ChannelFields()) {
            const SFieldText value = FormatField(f, doc, ch);
            out += "," + (value.bRaw ? kCsvRawPrefix + value.strText : value.strText);
        }
        out += "\n";
    }
    return out;
}

bool ImportChannelCsv(const std::string& text, const std::string& name, CDataRadioDoc& doc,
                      std::string& error) {
    if (text.size() > kMaxTextConfigBytes) {
        error = name + ": too large for a channel list";
        return false;
    }
    const std::vector<std::string> lines = CsvLines(text);
    std::map<std::string, const SFieldDef*> byColumn;
    for (const SFieldDef& f : ChannelFields()) {
        byColumn[ChannelCsvColumn(f)] = &f;
    }
    const std::vector<std::string> header = SplitCsvLine(lines[0], ',');
    std::vector<const SFieldDef*> columns;
    std::set<std::string> seenColumns;
    int channelColumn = -1;
    for (size_t i = 0; i < header.size(); ++i) {
        const auto it = byColumn.find(header[i]);
        if (header[i] == "channel") {
            channelColumn = static_cast<int>(i);
        } else if (it == byColumn.end()) {
            const std::string all = ExportChannelCsv(CDataRadioDoc());
            error = StrPrintf("%s:1: column '%s' is unknown; the columns are %s", name.c_str(),
                              header[i].c_str(), all.substr(0, all.find('\n')).c_str());
            return false;
        }
        if (!seenColumns.insert(header[i]).second) {
            error = StrPrintf("%s:1: column '%s' is given twice", name.c_str(), header[i].c_str());
            return false;
        }
        columns.push_back(it == byColumn.end() ? nullptr : it->second);
    }
    if (channelColumn < 0) {
        error = name + ":1: the header row needs a 'channel' column";
        return false;
    }
    CDataRadioDoc work = doc;
    std::set<int> seenChannels;
    for (size_t n = 1; n < lines.size(); ++n) {
        if (lines[n].find_first_not_of(" \t,") == std::string::npos) {
            continue;  // blank rows of a spreadsheet
        }
        const std::vector<std::string> cells = SplitCsvLine(lines[n], ',');
        const int line = static_cast<int>(n + 1);
        if (cells.size() != header.size()) {
            error = StrPrintf("%s:%d: the row has %zu cells, the header %zu", name.c_str(), line,
                              cells.size(), header.size());
            return false;
        }
        const std::string& number = cells[static_cast<size_t>(channelColumn)];
        const int ch = number.size() <= 2 && number.find_first_not_of("0123456789") == std::string::npos &&
                               !number.empty()
                           ? std::stoi(number) - 1
                           : -1;
        if (ch < 0 || ch >= kChannels || !seenChannels.insert(ch).second) {
            error = StrPrintf("%s:%d: channel: '%s' is %s", name.c_str(), line, number.c_str(),
                              ch >= 0 && ch < kChannels ? "given twice" : "no channel: give 1 to 16");
            return false;
        }
        for (const SFieldDef& f : ChannelFields()) {  // field order: the frequencies' band is known first
            for (size_t i = 0; i < columns.size(); ++i) {
                if (columns[i] != &f) {
                    continue;
                }
                const bool raw = cells[i].rfind(kCsvRawPrefix, 0) == 0;
                std::string reason;
                if (!ParseField(f, raw ? cells[i].substr(std::strlen(kCsvRawPrefix)) : cells[i], raw, work,
                                ch, reason)) {
                    error = StrPrintf("%s:%d: channel %d %s: %s", name.c_str(), line, ch + 1,
                                      header[i].c_str(), reason.c_str());
                    return false;
                }
            }
        }
    }
    doc = work;
    return true;
}
