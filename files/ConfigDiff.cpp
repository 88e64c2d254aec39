#include "ConfigDiff.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "ConfigFields.h"
#include "EepromImage.h"
#include "FileIo.h"
#include "Format.h"
#include "SettingsFile.h"
#include "TextConfig.h"
#include "TextMark.h"

namespace {

std::string Extension(const std::string& path) {
    const size_t dot = path.rfind('.');
    const size_t slash = path.rfind('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        return "";
    }
    std::string ext = path.substr(dot + 1);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext;
}

std::string ValueText(const SFieldDef& f, const CDataRadioDoc& doc, int ch) {
    const SFieldText value = FormatField(f, doc, ch);
    if (value.bRaw) {
        return "raw " + value.strText;
    }
    if (f.eKind == EValueKind::Flag || f.eKind == EValueKind::Names) {
        return LookUpText("Fields", value.strText.c_str());  // "true", "wide" in the window's language
    }
    // frequencies read as the channel page shows them, without a unit
    return *f.strUnit != '\0' && f.eKind != EValueKind::Mhz ? value.strText + " " + f.strUnit : value.strText;
}

void Compare(std::vector<std::string>& lines, const std::string& label, const SFieldDef& f, const SConfig& a,
             const SConfig& b, int ch) {
    if (!SameValue(f, a.doc, b.doc, ch)) {
        lines.push_back(label + ": " + ValueText(f, a.doc, ch) + " -> " + ValueText(f, b.doc, ch));
    }
}

bool LoadSettings(const std::string& path, CDataRadioDoc& doc, std::string& error, bool& unreadable) {
    std::vector<uint8_t> bytes;
    if (!ReadFileBytes(path, bytes, kSettingsFileSize + 1, &error)) {
        error = "cannot read " + path + ": " + error;
        unreadable = true;
        return false;
    }
    // the format has one size: a file cut short would leave channels at 0 MHz, a longer one is something else
    if (bytes.size() != kSettingsFileSize) {
        error = WrongSizeText(path, bytes.size());
        return false;
    }
    // like the Load command of a technician who chose the file's model first
    doc = FreshRecord(static_cast<int32_t>(bytes[0] | bytes[1] << 8 | bytes[2] << 16 |
                                           static_cast<uint32_t>(bytes[3]) << 24),
                      0);
    if (!ApplySettingsFileBytes(doc, bytes)) {
        error = path + ": " + kMsgCorruptFile;
        return false;
    }
    return true;
}

// The record a radio holds once this one is written to it and read back: what an audit compares, so that
// values the radio cannot hold (a frequency off the step grid, a hang time with the timer off) are not
// reported as differences.
CDataRadioDoc AsRadioHoldsIt(const CDataRadioDoc& doc) {
    CDataRadioDoc written = doc;
    CEepromImage image;
    image.EncodeImage(written);
    CDataRadioDoc read;
    image.DecodeImage(read);
    return read;
}

}  // namespace

EConfigKind ConfigKindOf(const std::string& path) {
    const std::string ext = Extension(path);
    if (ext == "dat") {
        return EConfigKind::Settings;
    }
    if (ext == "yaml" || ext == "yml") {
        return EConfigKind::Text;
    }
    if (ext == "vhf" || ext == "uhf") {
        return EConfigKind::Legacy;
    }
    return ext == "bin" ? EConfigKind::Image : EConfigKind::Unknown;
}

namespace {

bool LoadAnyConfig(const std::string& path, SConfig& config, std::string& error, bool& unreadable) {
    std::vector<uint8_t> bytes;
    config.bCarried = true;
    unreadable = true;
    switch (ConfigKindOf(path)) {
        case EConfigKind::Settings:
            unreadable = false;
            return LoadSettings(path, config.doc, error, unreadable);
        case EConfigKind::Text:
            if (!ReadFileBytes(path, bytes, kMaxTextConfigBytes + 1, &error)) {
                error = "cannot read " + path + ": " + error;
                return false;
            }
            unreadable = false;
            return ImportTextConfig(std::string(bytes.begin(), bytes.end()), path, config.doc, error);
        case EConfigKind::Image: {
            if (!ReadFileBytes(path, bytes, kImageSize + 1, &error)) {
                error = "cannot read " + path + ": " + error;
                return false;
            }
            unreadable = false;
            if (bytes.size() != kImageSize) {
                error = StrPrintf("%s is not an EEPROM image: it must be exactly %d bytes", path.c_str(),
                                  kImageSize);
                return false;
            }
            CEepromImage image;
            std::copy(bytes.begin(), bytes.end(), image.m_Work.begin());
            config.doc = CDataRadioDoc();
            image.DecodeImage(config.doc);
            config.bCarried = false;
            return true;
        }
        case EConfigKind::Legacy:
            error = path + " is a KV110 file: turn it into a settings file first (kv310ctl import " + path +
                    " --model MODEL -o NEW.dat)";
            return false;
        case EConfigKind::Unknown:
            break;
    }
    error = path + ": unknown kind of file: give a .dat, .yaml or .bin file";
    return false;
}

}  // namespace

bool LoadConfig(const std::string& path, SConfig& config, std::string& error, bool* unreadable) {
    bool cannotRead = false;
    const bool ok = LoadAnyConfig(path, config, error, cannotRead);
    if (unreadable != nullptr) {
        *unreadable = !ok && cannotRead;
    }
    return ok;
}

std::vector<std::string> DiffConfigs(const SConfig& a, const SConfig& b) {
    const bool carried = a.bCarried && b.bCarried;
    // a file compared with a radio or an image is compared as the radio would hold it
    const SConfig x{a.bCarried && !carried ? AsRadioHoldsIt(a.doc) : a.doc, carried};
    const SConfig y{b.bCarried && !carried ? AsRadioHoldsIt(b.doc) : b.doc, carried};
    std::vector<std::string> lines;
    const std::vector<SFieldDef>& radio = RadioFields();
    Compare(lines, LookUpText("Fields", radio[0].strLabel), radio[0], x, y, 0);
    Compare(lines, LookUpText("Fields", radio[1].strLabel), radio[1], x, y, 0);
    for (int ch = 0; ch < kChannels; ++ch) {
        for (const SFieldDef& f : ChannelFields()) {
            if (carried || IsShown(f, x.doc, ch) || IsShown(f, y.doc, ch)) {
                Compare(lines,
                        TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "channel %d %s"), ch + 1,
                                   LookUpText("Fields", f.strLabel).c_str()),
                        f, x, y, ch);
            }
        }
    }
    for (size_t i = 2; i < radio.size(); ++i) {
        if (carried || IsShown(radio[i], x.doc, 0) || IsShown(radio[i], y.doc, 0)) {
            Compare(lines, LookUpText("Fields", radio[i].strLabel), radio[i], x, y, 0);
        }
    }
    return lines;
}
