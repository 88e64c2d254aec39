#include "TextConfig.h"

#ifndef KV310_NO_YAML
#include <yaml-cpp/yaml.h>
#endif

#include <cstring>
#include <map>
#include <set>

#include "ConfigFields.h"
#include "Format.h"

namespace {

// The option groups in the order they are written, each with the comment that says what it is.
struct SSection {
    const char* strPath;
    const char* strComment;
};
const SSection kSections[] = {
    {"channel_page", "Channel page: timers, lockout and power save for every channel"},
    {"system", "System/GPS page"},
    {"system.rx", nullptr},
    {"system.tx", nullptr},
    {"system.scan", nullptr},
    {"system.gps", "GPS position reports"},
    {"modem", "Modem page"},
    {"modem.select", "which modem is fitted and its baud rates (one of gmsk, ffsk, afsk)"},
    {"modem.framing", nullptr},
    {"modem.operation", nullptr},
    {"modem.delays", "transmit/receive switching delays"},
};

constexpr int kCommentColumn = 40;

int Depth(const std::string& path) {
    int depth = 0;
    for (char c : path) {
        depth += c == '.' ? 1 : 0;
    }
    return depth;
}

std::string LastPart(const std::string& path) {
    const size_t dot = path.rfind('.');
    return dot == std::string::npos ? path : path.substr(dot + 1);
}

std::string Scalar(const SFieldDef& field, const SFieldText& value) {
    if (value.bRaw) {
        // a map every YAML reader takes; a custom tag makes safe loaders refuse the whole file
        return "{raw: " + value.strText + "}";
    }
    // a DCS code stays a text of three digits for every YAML reader ("023", not the number 19)
    return field.eKind == EValueKind::Dcs ? "\"" + value.strText + "\"" : value.strText;
}

void FieldLine(std::string& out, int indent, const SFieldDef& field, const CDataRadioDoc& doc, int ch,
               const char* key) {
    const SFieldText value = FormatField(field, doc, ch);
    std::string line = std::string(static_cast<size_t>(indent), ' ') + key + ": " + Scalar(field, value);
    const std::string range = FieldRangeText(field, doc);
    if (value.bRaw || (field.eKind != EValueKind::Flag && field.eShown != EShown::Never)) {
        line.resize(std::max<size_t>(line.size() + 1, kCommentColumn), ' ');
        line += value.bRaw ? "# stored as it stands; the page takes " + range : "# " + range;
    }
    out += line + "\n";
}

// "{type: ctcss, tone_hz: 67.0}": the signalling map of one channel with the values its type uses.
std::string SignallingMap(const std::string& section, const CDataRadioDoc& doc, int ch) {
    std::string map;
    for (const SFieldDef& f : ChannelFields()) {
        if (section == f.strSection && IsShown(f, doc, ch)) {
            map += (map.empty() ? "{" : ", ") + std::string(f.strKey) + ": " +
                   Scalar(f, FormatField(f, doc, ch));
        }
    }
    return map + "}";
}

void WriteChannels(std::string& out, const CDataRadioDoc& doc) {
    out +=
        "\n# The 16 channels: frequencies in MHz (0 = not programmed), step in kHz (7.5, 6.25, 5, 2.5),\n"
        "# width narrow | wide, power low | high. Signalling type none | ctcss (tone_hz) | dcs (code) and, "
        "on\n"
        "# receive only, two-tone (group tone-a | tone-b | both; tones 300-3000 Hz, 100-10000 ms).\n"
        "channels:\n";
    for (int ch = 0; ch < kChannels; ++ch) {
        out += StrPrintf("  - channel: %d\n", ch + 1);
        for (const SFieldDef& f : ChannelFields()) {
            if (*f.strSection == '\0') {
                const SFieldText value = FormatField(f, doc, ch);
                out += std::string("    ") + f.strKey + ": " + Scalar(f, value) +
                       (value.bRaw ? "  # stored as it stands" : "") + "\n";
            }
        }
        out += "    rx_signalling: " + SignallingMap("rx_signalling", doc, ch) + "\n";
        out += "    tx_signalling: " + SignallingMap("tx_signalling", doc, ch) + "\n";
    }
}

void WriteCarried(std::string& out, const CDataRadioDoc& doc) {
    const CDataRadioDoc fresh = FreshRecord(doc.m_nModel, doc.m_nSubBand);
    std::string body;
    for (const SFieldDef& f : RadioFields()) {
        const bool carried = std::strcmp(f.strSection, "carried") == 0 || !IsShown(f, doc, 0);
        if (carried && !SameValue(f, doc, fresh, 0)) {
            FieldLine(body, 2, f, doc, 0, f.strCarried != nullptr ? f.strCarried : f.strKey);
        }
    }
    std::string channels;
    for (int ch = 0; ch < kChannels; ++ch) {
        std::string entry;
        for (const SFieldDef& f : ChannelFields()) {
            if (f.strCarried != nullptr && !IsShown(f, doc, ch) && !SameValue(f, doc, fresh, ch)) {
                FieldLine(entry, 6, f, doc, ch, f.strCarried);
            }
        }
        if (!entry.empty()) {
            channels += StrPrintf("    - channel: %d\n", ch + 1) + entry;
        }
    }
    if (!channels.empty()) {
        body += "  channels:\n" + channels;
    }
    out +=
        "\n# Values the file keeps that no page shows (the signalling a channel does not use, the modem's\n"
        "# byte option, reserved values), listed where they differ from a new configuration of the model.\n"
        "# Keep them to get the same settings file back byte for byte.\n";
    out += body.empty() ? "carried: {}\n" : "carried:\n" + body;
}

}  // namespace

std::string ExportTextConfig(const CDataRadioDoc& doc) {
    std::string out =
        "# KV310 PC Programmer configuration: the text form of a .dat settings file.\n"
        "# Back to a settings file: kv310ctl import THIS.yaml -o OUT.dat\n"
        "# A field left out takes the value of a new configuration of the model. A value written {raw: N} "
        "is\n"
        "# stored as it stands, unchecked: the file held it although no page would set it.\n"
        "format: 1\n";
    const std::vector<SFieldDef>& radio = RadioFields();
    FieldLine(out, 0, radio[0], doc, 0, radio[0].strKey);
    FieldLine(out, 0, radio[1], doc, 0, radio[1].strKey);
    WriteChannels(out, doc);
    for (const SSection& section : kSections) {
        const int depth = Depth(section.strPath);
        if (section.strComment != nullptr) {
            out += depth == 0 ? "\n" : "";
            out += std::string(static_cast<size_t>(depth * 2), ' ') + "# " + section.strComment + "\n";
        }
        out += std::string(static_cast<size_t>(depth * 2), ' ') + LastPart(section.strPath) + ":\n";
        for (const SFieldDef& f : radio) {
            if (section.strPath == std::string(f.strSection) && IsShown(f, doc, 0)) {
                FieldLine(out, (depth + 1) * 2, f, doc, 0, f.strKey);
            }
        }
    }
    WriteCarried(out, doc);
    return out;
}

#ifdef KV310_NO_YAML

// This build has no YAML reader (the Windows one): the text form is written, not read.
bool ImportTextConfig(const std::string&, const std::string& name, CDataRadioDoc&, std::string& error) {
    error = name +
            ": this build of the program cannot read YAML text forms; import it with the Linux "
            "build, or use a .dat settings file";
    return false;
}

#else

namespace {

// Reading. Every fault throws a STextFault that names the line and the field; the import catches it once.
struct STextFault {
    int nLine = 0;
    std::string strField;
    std::string strReason;
};

int LineOf(const YAML::Node& node) {
    return node.Mark().line >= 0 ? node.Mark().line + 1 : 1;
}

[[noreturn]] void Fault(const YAML::Node& node, const std::string& field, const std::string& reason) {
    throw STextFault{LineOf(node), field, reason};
}

using CEntries = std::map<std::string, YAML::Node>;

// The entries of a map, each key checked against what the map takes. Keys are named prefix + key.
CEntries MapEntries(const YAML::Node& node, const std::string& mapName, const std::string& prefix,
                    const std::set<std::string>& allowed) {
    if (!node.IsMap()) {
        Fault(node, mapName, "must be a map of fields (key: value)");
    }
    CEntries entries;
    for (const auto& pair : node) {
        if (!pair.first.IsScalar()) {
            Fault(pair.first, mapName, "a key must be a plain name");
        }
        const std::string key = pair.first.Scalar();
        if (allowed.count(key) == 0) {
            std::string names;
            for (const std::string& name : allowed) {
                names += (names.empty() ? "" : ", ") + name;
            }
            Fault(pair.first, prefix + key, "unknown field; " + mapName + " takes " + names);
        }
        if (!entries.emplace(key, pair.second).second) {
            Fault(pair.first, prefix + key, "given twice");
        }
    }
    return entries;
}

void ParseValue(const SFieldDef& field, const YAML::Node& given, const std::string& name, CDataRadioDoc& doc,
                int ch) {
    // {raw: N} as written now, and !raw N as files written before it still say
    const bool rawMap = given.IsMap() && given.size() == 1 && given["raw"];
    const YAML::Node node = rawMap ? given["raw"] : given;
    if (!node.IsScalar()) {
        Fault(node, name, node.IsNull() ? "has no value" : "must be a single value, not a list or map");
    }
    const std::string& tag = node.Tag();
    const bool raw = rawMap || tag == "!raw";
    if (!raw && tag != "?" && tag != "!" && tag.rfind("tag:yaml.org,2002:", 0) != 0) {
        Fault(node, name, "unknown tag '" + tag + "' (only !raw is understood)");
    }
    std::string error;
    if (!ParseField(field, node.Scalar(), raw, doc, ch, error)) {
        Fault(node, name, error);
    }
}

std::set<std::string> KeysOf(const std::string& section, std::set<std::string> extra) {
    for (const SFieldDef& f : RadioFields()) {
        if (section == f.strSection) {
            extra.insert(f.strKey);
        }
        if (section == "carried" && f.strCarried != nullptr) {
            extra.insert(f.strCarried);
        }
    }
    return extra;
}

int ChannelNumber(const CEntries& entries, const YAML::Node& item, const std::string& path,
                  std::set<int>& seen) {
    const auto it = entries.find("channel");
    if (it == entries.end()) {
        Fault(item, path, "each entry needs its channel number (channel: 1 to 16)");
    }
    const std::string text = it->second.IsScalar() ? it->second.Scalar() : "";
    int number = 0;
    for (char c : text) {
        number = std::isdigit(static_cast<unsigned char>(c)) && number < 100 ? number * 10 + (c - '0') : 99;
    }
    if (text.empty() || number < 1 || number > kChannels) {
        Fault(it->second, path + ".channel", "'" + text + "' is no channel: give 1 to 16");
    }
    if (!seen.insert(number).second) {
        Fault(it->second, path + ".channel", StrPrintf("channel %d is given twice", number));
    }
    return number - 1;
}

const SFieldDef& TypeField(const std::string& section) {
    for (const SFieldDef& f : ChannelFields()) {
        if (section == f.strSection && std::strcmp(f.strKey, "type") == 0) {
            return f;
        }
    }
    return ChannelFields().front();
}

void ReadChannel(const YAML::Node& item, CDataRadioDoc& doc, std::set<int>& seen) {
    std::set<std::string> keys = {"channel", "rx_signalling", "tx_signalling"};
    for (const SFieldDef& f : ChannelFields()) {
        if (*f.strSection == '\0') {
            keys.insert(f.strKey);
        }
    }
    const CEntries entries = MapEntries(item, "a channel entry", "channel entry ", keys);
    const int ch = ChannelNumber(entries, item, "channel entry", seen);
    const std::string prefix = StrPrintf("channel %d ", ch + 1);
    std::map<std::string, CEntries> maps;
    maps[""] = entries;
    for (const char* section : {"rx_signalling", "tx_signalling"}) {
        const auto it = entries.find(section);
        if (it != entries.end()) {
            std::set<std::string> inner;
            for (const SFieldDef& f : ChannelFields()) {
                if (section == std::string(f.strSection)) {
                    inner.insert(f.strKey);
                }
            }
            maps[section] = MapEntries(it->second, prefix + section, prefix + section + ".", inner);
        }
    }
    for (const SFieldDef& f : ChannelFields()) {
        const CEntries& map = maps[f.strSection];
        const auto it = map.find(f.strKey);
        if (it == map.end()) {
            continue;
        }
        const std::string name = prefix + (*f.strSection ? std::string(f.strSection) + "." : "") + f.strKey;
        if (!IsShown(f, doc, ch)) {
            Fault(it->second, name,
                  "is not used with signalling type " +
                      FormatField(TypeField(f.strSection), doc, ch).strText +
                      " (a value kept for another type goes into the carried section)");
        }
        ParseValue(f, it->second, name, doc, ch);
    }
}

void ReadCarriedChannel(const YAML::Node& item, CDataRadioDoc& doc, std::set<int>& seen) {
    std::set<std::string> keys = {"channel"};
    for (const SFieldDef& f : ChannelFields()) {
        if (f.strCarried != nullptr) {
            keys.insert(f.strCarried);
        }
    }
    const CEntries entries = MapEntries(item, "a carried channel entry", "carried channel entry ", keys);
    const int ch = ChannelNumber(entries, item, "carried channel entry", seen);
    for (const SFieldDef& f : ChannelFields()) {
        const auto it = f.strCarried != nullptr ? entries.find(f.strCarried) : entries.end();
        if (it == entries.end()) {
            continue;
        }
        const std::string name = StrPrintf("carried channel %d %s", ch + 1, f.strCarried);
        if (IsShown(f, doc, ch)) {
            Fault(it->second, name,
                  StrPrintf("the channel uses it: give it as %s.%s in channel %d", f.strSection, f.strKey,
                            ch + 1));
        }
        ParseValue(f, it->second, name, doc, ch);
    }
}

void ReadSequence(const CEntries& map, const char* key, const std::string& path, CDataRadioDoc& doc,
                  void (*read)(const YAML::Node&, CDataRadioDoc&, std::set<int>&)) {
    const auto it = map.find(key);
    if (it == map.end()) {
        return;
    }
    if (!it->second.IsSequence()) {
        Fault(it->second, path, "must be a list of channel entries (- channel: N ...)");
    }
    std::set<int> seen;
    for (const YAML::Node& item : it->second) {
        read(item, doc, seen);
    }
}

// A radio-wide value in its section, or in the carried section while it is not shown (a baud rate
// without a modem type).
void ReadRadioField(const SFieldDef& f, std::map<std::string, CEntries>& maps, CDataRadioDoc& doc) {
    const CEntries& map = maps[f.strSection];
    const std::string name = (*f.strSection ? std::string(f.strSection) + "." : "") + f.strKey;
    if (const auto it = map.find(f.strKey); it != map.end()) {
        if (f.strCarried != nullptr && !IsShown(f, doc, 0)) {
            Fault(it->second, name,
                  "means something only once a modem type is chosen (gmsk, ffsk or afsk: true); a value kept "
                  "without one goes into the carried section as " +
                      std::string(f.strCarried));
        }
        ParseValue(f, it->second, name, doc, 0);
    }
    const CEntries& carried = maps["carried"];
    const auto it = f.strCarried != nullptr ? carried.find(f.strCarried) : carried.end();
    if (it != carried.end()) {
        const std::string carriedName = "carried." + std::string(f.strCarried);
        if (IsShown(f, doc, 0)) {
            Fault(it->second, carriedName, "a modem type is chosen: give it as " + name);
        }
        ParseValue(f, it->second, carriedName, doc, 0);
    }
}

CDataRadioDoc ReadRoot(const YAML::Node& root) {
    if (!root.IsMap()) {
        Fault(root, "file", "must be a map of fields starting with format: 1 and model: NAME");
    }
    const CEntries top =
        MapEntries(root, "the file", "",
                   KeysOf("", {"format", "channels", "channel_page", "system", "modem", "carried"}));
    if (const auto it = top.find("format");
        it != top.end() && !(it->second.IsScalar() && it->second.Scalar() == "1")) {
        Fault(it->second, "format", "this program reads format 1");
    }
    const std::vector<SFieldDef>& radio = RadioFields();
    const auto model = top.find("model");
    if (model == top.end()) {
        Fault(root, "model", "is missing: give " + FieldRangeText(radio[0], CDataRadioDoc()));
    }
    CDataRadioDoc probe;
    ParseValue(radio[0], model->second, "model", probe, 0);
    CDataRadioDoc doc = FreshRecord(probe.m_nModel, 0);

    // Every section map, its keys checked: the top, then each group below its parent.
    std::map<std::string, CEntries> maps;
    maps[""] = top;
    for (const char* path :
         {"channel_page", "system", "system.rx", "system.tx", "system.scan", "system.gps", "modem",
          "modem.select", "modem.framing", "modem.operation", "modem.delays", "carried"}) {
        const std::string section = path;
        const size_t dot = section.rfind('.');
        const CEntries& parent = maps[dot == std::string::npos ? "" : section.substr(0, dot)];
        const auto it = parent.find(LastPart(section));
        if (it == parent.end()) {
            continue;
        }
        std::set<std::string> children;
        for (const SSection& s : kSections) {
            const std::string child = s.strPath;
            if (child.rfind(section + ".", 0) == 0 && Depth(child) == Depth(section) + 1) {
                children.insert(LastPart(child));
            }
        }
        if (section == "carried") {
            children.insert("channels");
        }
        maps[section] = MapEntries(it->second, section, section + ".", KeysOf(section, children));
    }
    for (size_t i = 1; i < radio.size(); ++i) {
        ReadRadioField(radio[i], maps, doc);
    }
    ReadSequence(top, "channels", "channels", doc, ReadChannel);
    ReadSequence(maps["carried"], "channels", "carried.channels", doc, ReadCarriedChannel);
    return doc;
}

}  // namespace

bool ImportTextConfig(const std::string& text, const std::string& name, CDataRadioDoc& doc,
                      std::string& error) {
    if (text.size() > kMaxTextConfigBytes) {
        error = StrPrintf("%s: too large for a configuration (%zu bytes; at most %zu)", name.c_str(),
                          text.size(), kMaxTextConfigBytes);
        return false;
    }
    try {
        // one file, one configuration: a second document would otherwise be dropped unread
        const std::vector<YAML::Node> documents = YAML::LoadAll(text);
        if (documents.size() > 1) {
            error = StrPrintf(
                "%s: holds %zu YAML documents; a configuration is one (remove what follows "
                "'---' or '...')",
                name.c_str(), documents.size());
            return false;
        }
        const CDataRadioDoc read = ReadRoot(documents.empty() ? YAML::Node() : documents[0]);
        doc = read;
        return true;
    } catch (const STextFault& fault) {
        error = StrPrintf("%s:%d: %s: %s", name.c_str(), fault.nLine, fault.strField.c_str(),
                          fault.strReason.c_str());
    } catch (const YAML::Exception& e) {
        error = StrPrintf("%s:%d: not valid YAML: %s", name.c_str(), e.mark.line + 1, e.msg.c_str());
    } catch (const std::exception& e) {
        error = name + ": cannot be read: " + e.what();
    }
    return false;
}

#endif
