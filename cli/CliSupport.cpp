#include "CliSupport.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "FileIo.h"
#include "SettingsFile.h"

namespace {

std::string OneLine(const std::string& text) {
    std::string line;
    for (char c : text) {
        if (c == '\r') {
            continue;
        }
        if (c == '\n') {
            if (!line.empty() && line.back() != ' ') {
                line += ' ';
            }
            continue;
        }
        line += c;
    }
    while (!line.empty() && line.back() == ' ') {
        line.pop_back();
    }
    return line;
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

}  // namespace

void CStderrSink::ShowMessage(const std::string& text) {
    PrintError(OneLine(text));
}

void CStderrSink::ShowMessageAs(const std::string& text, EMessageKind kind) {
    const char* prefix = kind == EMessageKind::Stop      ? "error: "
                         : kind == EMessageKind::Warning ? "warning: "
                                                         : "";
    PrintError(prefix + OneLine(text));
}

bool CStderrSink::AskYesNo(const std::string& question) {
    PrintError(OneLine(question) + " (answered no)");
    return false;
}

void PrintError(const std::string& text) {
    std::fprintf(stderr, "kv310ctl: %s\n", text.c_str());
}

bool ParseVerbArgs(CArgs& args, const std::vector<std::string>& words,
                   const std::vector<std::string>& valueOptions, const std::vector<std::string>& flagOptions,
                   const char* usage) {
    std::string error;
    if (!args.Parse(words, valueOptions, flagOptions, error)) {
        PrintError(error);
        std::fprintf(stderr, "%s", usage);
        return false;
    }
    return true;
}

bool ParseModel(const std::string& text, int& row) {
    static const char* const kNames[] = {"kv310-vhf", "kv310-uhf", "kv330-vhf", "kv330-uhf"};
    const std::string lower = Lower(text);
    for (int i = 0; i < 4; ++i) {
        if (lower == kNames[i]) {
            row = kFirstOfferedModel + i;
            return true;
        }
    }
    if (text.size() == 1 && text[0] >= '0' + kFirstOfferedModel && text[0] <= '0' + kLastOfferedModel) {
        row = text[0] - '0';
        return true;
    }
    return false;
}

bool LoadRecord(CDataRadioDoc& doc, const std::string& path) {
    // The file does not hold the model-dependent service bytes: start from the record a technician gets by
    // choosing the file's model first, so a UHF file never takes the VHF values of a fresh record.
    std::vector<uint8_t> head;
    if (ReadFileBytes(path, head, 4) && head.size() == 4) {
        const int32_t model = static_cast<int32_t>(head[0] | head[1] << 8 | head[2] << 16 |
                                                   static_cast<uint32_t>(head[3]) << 24);
        if (model >= 0 && model <= 5) {
            doc.m_nModel = model;
            doc.ResetToDefaults();
        }
    }
    CStderrSink sink;
    bool accepted = false;
    if (!OnOpenDocument(doc, path, sink, &accepted)) {
        PrintError("cannot read " + path);
        return false;
    }
    return accepted;
}

bool SaveRecord(const CDataRadioDoc& doc, const std::string& path) {
    return SaveBytes(SettingsFileBytes(doc), path);
}

bool SaveBytes(const std::vector<uint8_t>& bytes, const std::string& path) {
    std::string error;
    if (!WriteFileAtomically(path, bytes, &error)) {
        PrintError(std::string(kMsgCannotSave) + " " + path + ": " + error);
        return false;
    }
    return true;
}

bool RequireOutput(const CArgs& args, std::string& path, const char* usage) {
    const auto output = args.Value("--output");
    if (!output || output->empty()) {
        PrintError("the output file is missing (-o FILE)");
        std::fprintf(stderr, "%s", usage);
        return false;
    }
    path = *output;
    return true;
}

bool OnePositional(const CArgs& args, std::string& path, const char* what, const char* usage) {
    if (args.m_Positional.size() != 1) {
        PrintError(args.m_Positional.empty() ? std::string("the ") + what + " is missing"
                                             : std::string("expected one ") + what);
        std::fprintf(stderr, "%s", usage);
        return false;
    }
    path = args.m_Positional[0];
    return true;
}
