#include "ConfigFields.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cinttypes>
#include <climits>
#include <cmath>
#include <cstring>
#include <optional>
#include <type_traits>

#include "Format.h"
#include "ModemRules.h"
#include "TextMark.h"
#include "Tones.h"

namespace {

using D = CDataRadioDoc;
using C = CChannelData;

const char* const kModelNames[] = {"KV310 VHF", "KV310 UHF", "KV330 VHF", "KV330 UHF"};

// The baud list of the field as the modem page holds it (sorted, ModemRules.h) for the record's modem type;
// none when no type is set.
std::optional<std::vector<std::string>> BaudList(const SFieldDef& field, const CDataRadioDoc& doc) {
    const EModemType type = ModemTypeOf(doc);
    if (type == EModemType::None) {
        return std::nullopt;
    }
    SBaudLists lists = BaudLists(type);
    return field.eKind == EValueKind::SBandBaud ? lists.m_SBand : lists.m_NBand;
}

// The texts as the name lookups below take them (pointing into texts).
std::vector<const char*> NamesOf(const std::vector<std::string>& texts) {
    std::vector<const char*> names;
    for (const std::string& text : texts) {
        names.push_back(text.c_str());
    }
    return names;
}

struct SSlot {
    int32_t* pInt = nullptr;
    double* pDouble = nullptr;
    uint8_t* pByte = nullptr;
};

// The member a field names; the record is only read through it when the caller's record is const.
SSlot SlotOf(const SFieldDef& field, const CDataRadioDoc& constDoc, int ch) {
    CDataRadioDoc& doc = const_cast<CDataRadioDoc&>(constDoc);
    CChannelData& channel = doc.m_Channel[static_cast<size_t>(std::clamp(ch, 0, kChannels - 1))];
    return std::visit(
        [&](auto m) -> SSlot {
            using M = decltype(m);
            if constexpr (std::is_same_v<M, int32_t D::*>) {
                return {&(doc.*m), nullptr, nullptr};
            } else if constexpr (std::is_same_v<M, double D::*>) {
                return {nullptr, &(doc.*m), nullptr};
            } else if constexpr (std::is_same_v<M, uint8_t D::*>) {
                return {nullptr, nullptr, &(doc.*m)};
            } else if constexpr (std::is_same_v<M, int32_t C::*>) {
                return {&(channel.*m), nullptr, nullptr};
            } else if constexpr (std::is_same_v<M, double C::*>) {
                return {nullptr, &(channel.*m), nullptr};
            } else {
                return {nullptr, nullptr, &doc.m_ServiceBytes[static_cast<size_t>(m.nIndex)]};
            }
        },
        field.member);
}

int64_t IntOf(const SSlot& slot) {
    return slot.pInt != nullptr ? *slot.pInt : slot.pByte != nullptr ? *slot.pByte : 0;
}

uint64_t BitsOf(double value) {
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// The shortest decimal that reads back as exactly this double.
std::string Shortest(double value) {
    char buf[64];
    const auto result = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, result.ptr);
}

bool ParseInt(const std::string& text, int64_t& value) {
    const char* begin = text.c_str();
    const char* end = begin + text.size();
    if (begin != end && *begin == '+') {
        ++begin;
    }
    const auto result = std::from_chars(begin, end, value);
    return result.ec == std::errc() && result.ptr == end && begin != end;
}

// A finite decimal number (no hex, no inf or nan).
bool ParseNumber(const std::string& text, double& value) {
    const char* begin = text.c_str();
    const char* end = begin + text.size();
    if (begin != end && *begin == '+') {
        ++begin;
    }
    const auto result = std::from_chars(begin, end, value, std::chars_format::general);
    return result.ec == std::errc() && result.ptr == end && std::isfinite(value);
}

bool BandLimits(const CDataRadioDoc& doc, double& low, double& high) {
    const CModelBand& row = doc.CurrentBand();
    if (doc.m_nSubBand >= row.m_nSubBands || doc.m_nSubBand >= 3) {
        return false;
    }
    low = row.m_dLow[doc.m_nSubBand];
    high = row.m_dHigh[doc.m_nSubBand];
    return true;
}

std::string Join(const std::vector<const char*>& names) {
    std::string text;
    for (const char* name : names) {
        text += (text.empty() ? "" : " | ") + std::string(name);
    }
    return text;
}

// Position of text in names: equal ignoring case, or equal as numbers ("5.0" is "5").
int FindName(const std::vector<const char*>& names, const std::string& text) {
    double number = 0.0;
    const bool numeric = ParseNumber(text, number);
    for (size_t i = 0; i < names.size(); ++i) {
        double other = 0.0;
        if (Lower(text) == Lower(names[i]) || (numeric && ParseNumber(names[i], other) && other == number)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::string Normalised(const std::string& text) {
    std::string out;
    for (char c : Lower(text)) {
        if (std::isalnum(static_cast<unsigned char>(c))) {
            out += c;
        }
    }
    return out;
}

std::string WithUnit(const std::string& text, const char* unit) {
    return *unit != '\0' ? text + " " + unit : text;
}

bool IntReadable(const SFieldDef& f, int64_t v) {
    return (f.bZeroOk && v == 0) || (v >= f.nMin && v <= f.nMax && (v - f.nMin) % f.nStep == 0);
}

// The readable text of a value, or empty when it has none.
std::string Readable(const SFieldDef& f, const CDataRadioDoc& doc, const SSlot& slot) {
    const int64_t v = IntOf(slot);
    const double d = slot.pDouble != nullptr ? *slot.pDouble : 0.0;
    switch (f.eKind) {
        case EValueKind::Flag:
            return v == 0 ? KV310_TEXT("Fields", "false") : v == 1 ? KV310_TEXT("Fields", "true") : "";
        case EValueKind::Int:
            return IntReadable(f, v) ? std::to_string(v) : "";
        case EValueKind::Indexed:
            return v >= 0 && v < f.nCount ? std::to_string(f.nMin + v * f.nStep) : "";
        case EValueKind::Names: {
            const int64_t at = v - f.nMin;
            return at >= 0 && at < static_cast<int64_t>(f.names.size()) ? f.names[static_cast<size_t>(at)]
                                                                        : "";
        }
        case EValueKind::Mhz: {
            double low = 0.0;
            double high = 0.0;
            if (d != 0.0 && !(BandLimits(doc, low, high) && d >= low && d <= high)) {
                return "";
            }
            const std::string fixed = StrPrintf("%.5f", d);
            double back = 0.0;
            return ParseNumber(fixed, back) && BitsOf(back) == BitsOf(d) ? fixed : Shortest(d);
        }
        case EValueKind::Ctcss:
            return std::find(kCtcssTable.begin(), kCtcssTable.end(), d) != kCtcssTable.end()
                       ? StrPrintf("%.1f", d)
                       : "";
        case EValueKind::Dcs:
            return std::find(kDcsTable.begin(), kDcsTable.end(), v) != kDcsTable.end()
                       ? StrPrintf("%03d", static_cast<int>(v))
                       : "";
        case EValueKind::Real:
            if (!std::isfinite(d) || (f.nMin != f.nMax && (d < f.nMin || d > f.nMax))) {
                return "";
            }
            return Shortest(d);
        case EValueKind::Model:
            return IsOfferedModel(static_cast<int>(v)) ? kModelNames[v - kFirstOfferedModel] : "";
        case EValueKind::SubBand: {
            const CModelBand& row = doc.CurrentBand();
            return v < row.m_nSubBands && v < 3 ? row.m_strCode[v] : "";
        }
        case EValueKind::SBandBaud:
        case EValueKind::NBandBaud: {
            const auto list = BaudList(f, doc);
            return list && v >= 0 && v < static_cast<int64_t>(list->size()) ? (*list)[v] : "";
        }
    }
    return "";
}

std::string RawText(const SSlot& slot) {
    if (slot.pDouble == nullptr) {
        return std::to_string(IntOf(slot));
    }
    const double d = *slot.pDouble;
    return std::isfinite(d) ? Shortest(d) : StrPrintf("0x%016" PRIX64, BitsOf(d));
}

bool ParseRaw(const std::string& text, const SFieldDef& f, const SSlot& slot, std::string& error) {
    if (slot.pDouble != nullptr) {
        double value = 0.0;
        if (text.size() == 18 && (text.rfind("0x", 0) == 0 || text.rfind("0X", 0) == 0)) {
            uint64_t bits = 0;
            const auto result = std::from_chars(text.c_str() + 2, text.c_str() + 18, bits, 16);
            if (result.ec == std::errc() && result.ptr == text.c_str() + 18) {
                std::memcpy(slot.pDouble, &bits, sizeof bits);
                return true;
            }
        } else if (ParseNumber(text, value)) {
            *slot.pDouble = value;
            return true;
        }
        error = "'" + text + "' is no raw number: give a decimal number or 0x and 16 hex digits";
        return false;
    }
    int64_t value = 0;
    const int64_t min = f.eKind == EValueKind::Model ? 0 : slot.pByte != nullptr ? 0 : INT32_MIN;
    const int64_t max = f.eKind == EValueKind::Model ? 5 : slot.pByte != nullptr ? 255 : INT32_MAX;
    if (!ParseInt(text, value) || value < min || value > max) {
        error = StrPrintf("'%s' is no raw value here: give a whole number from %" PRId64 " to %" PRId64,
                          text.c_str(), min, max);
        return false;
    }
    if (slot.pInt != nullptr) {
        *slot.pInt = static_cast<int32_t>(value);
    } else {
        *slot.pByte = static_cast<uint8_t>(value);
    }
    return true;
}

// Reads the readable form into a stored number (ints) or double; false when the text is not one of the
// values the field takes.
bool ParseReadable(const SFieldDef& f, const std::string& text, const CDataRadioDoc& doc, int64_t& v,
                   double& d) {
    int64_t whole = 0;
    switch (f.eKind) {
        case EValueKind::Flag: {
            const std::string t = Lower(text);
            if (t == "true" || t == "yes" || t == "on") {
                v = 1;
                return true;
            }
            v = 0;
            return t == "false" || t == "no" || t == "off";
        }
        case EValueKind::Int:
            v = whole;
            return ParseInt(text, v) && IntReadable(f, v);
        case EValueKind::Indexed:
            if (!ParseInt(text, whole) || whole < f.nMin || (whole - f.nMin) % f.nStep != 0) {
                return false;
            }
            v = (whole - f.nMin) / f.nStep;
            return v < f.nCount;
        case EValueKind::Names:
            v = FindName(f.names, text) + f.nMin;
            return v >= f.nMin;
        case EValueKind::Mhz: {
            double low = 0.0;
            double high = 0.0;
            return ParseNumber(text, d) &&
                   (d == 0.0 || (BandLimits(doc, low, high) && d >= low && d <= high));
        }
        case EValueKind::Ctcss:
            return ParseNumber(text, d) &&
                   std::find(kCtcssTable.begin(), kCtcssTable.end(), d) != kCtcssTable.end();
        case EValueKind::Dcs:
            return text.size() <= 3 && ParseInt(text, v) && text[0] != '+' &&
                   std::find(kDcsTable.begin(), kDcsTable.end(), v) != kDcsTable.end();
        case EValueKind::Real:
            return ParseNumber(text, d) && (f.nMin == f.nMax || (d >= f.nMin && d <= f.nMax));
        case EValueKind::Model:
            for (int i = 0; i < 4; ++i) {
                if (Normalised(text) == Normalised(kModelNames[i])) {
                    v = kFirstOfferedModel + i;
                    return true;
                }
            }
            return false;
        case EValueKind::SubBand: {
            const CModelBand& row = doc.CurrentBand();
            for (int i = 0; i < row.m_nSubBands && i < 3; ++i) {
                if (Lower(text) == Lower(row.m_strCode[i])) {
                    v = i;
                    return true;
                }
            }
            return false;
        }
        case EValueKind::SBandBaud:
        case EValueKind::NBandBaud: {
            const auto list = BaudList(f, doc);
            v = list ? FindName(NamesOf(*list), text) : -1;
            return v >= 0;
        }
    }
    return false;
}

}  // namespace

bool IsChannelField(const SFieldDef& field) {
    return std::holds_alternative<int32_t C::*>(field.member) ||
           std::holds_alternative<double C::*>(field.member);
}

bool IsShown(const SFieldDef& field, const CDataRadioDoc& doc, int ch) {
    const CChannelData& c = doc.m_Channel[static_cast<size_t>(std::clamp(ch, 0, kChannels - 1))];
    switch (field.eShown) {
        case EShown::Always:
            return true;
        case EShown::Never:
            return false;
        case EShown::RxCtcss:
            return c.m_nRxOption == kSigCtcss;
        case EShown::RxDcs:
            return c.m_nRxOption == kSigDcs;
        case EShown::RxTwoTone:
            return c.m_nRxOption == kSigTwoTone;
        case EShown::TxCtcss:
            return c.m_nTxOption == kSigCtcss;
        case EShown::TxDcs:
            return c.m_nTxOption == kSigDcs;
        case EShown::ModemType:
            return ModemTypeOf(doc) != EModemType::None;
    }
    return true;
}

SFieldText FormatField(const SFieldDef& field, const CDataRadioDoc& doc, int ch) {
    const SSlot slot = SlotOf(field, doc, ch);
    std::string text = Readable(field, doc, slot);
    if (!text.empty()) {
        return {text, false};
    }
    return {RawText(slot), true};
}

bool ParseField(const SFieldDef& field, const std::string& text, bool raw, CDataRadioDoc& doc, int ch,
                std::string& error) {
    const SSlot slot = SlotOf(field, doc, ch);
    if (raw) {
        return ParseRaw(text, field, slot, error);
    }
    int64_t v = 0;
    double d = 0.0;
    if (!ParseReadable(field, text, doc, v, d)) {
        const bool baudWithoutType =
            (field.eKind == EValueKind::SBandBaud || field.eKind == EValueKind::NBandBaud) &&
            !BaudList(field, doc);
        error = baudWithoutType ? "a baud rate needs a modem type: set gmsk, ffsk or afsk to true"
                                : "'" + text + "' is not allowed: give " + FieldRangeText(field, doc);
        return false;
    }
    if (slot.pDouble != nullptr) {
        *slot.pDouble = d;
    } else if (slot.pInt != nullptr) {
        *slot.pInt = static_cast<int32_t>(v);
    } else {
        *slot.pByte = static_cast<uint8_t>(v);
    }
    return true;
}

bool SameValue(const SFieldDef& field, const CDataRadioDoc& a, const CDataRadioDoc& b, int ch) {
    const SSlot x = SlotOf(field, a, ch);
    const SSlot y = SlotOf(field, b, ch);
    if (x.pDouble != nullptr) {
        return BitsOf(*x.pDouble) == BitsOf(*y.pDouble);
    }
    return IntOf(x) == IntOf(y);
}

std::string FieldRangeText(const SFieldDef& f, const CDataRadioDoc& doc) {
    switch (f.eKind) {
        case EValueKind::Flag:
            return "true | false";
        case EValueKind::Int: {
            std::string text = StrPrintf("%d to %d", f.nMin, f.nMax);
            if (f.nStep > 1) {
                text += StrPrintf(" in steps of %d", f.nStep);
            }
            return WithUnit(text, f.strUnit) + (f.bZeroOk ? ", or 0 for none" : "");
        }
        case EValueKind::Indexed: {
            std::string text = StrPrintf("%d to %d", f.nMin, f.nMin + (f.nCount - 1) * f.nStep);
            if (f.nStep > 1) {
                text += StrPrintf(" in steps of %d", f.nStep);
            }
            return WithUnit(text, f.strUnit);
        }
        case EValueKind::Names:
            return WithUnit(Join(f.names), f.strUnit);
        case EValueKind::Mhz: {
            double low = 0.0;
            double high = 0.0;
            if (!BandLimits(doc, low, high)) {
                return "0 (the model's row has no band here)";
            }
            return StrPrintf("%.5f to %.5f MHz, or 0 for none", low, high);
        }
        case EValueKind::Ctcss:
            return StrPrintf("a CTCSS tone of the radio's list, %.1f to %.1f Hz", kCtcssTable.front(),
                             kCtcssTable.back());
        case EValueKind::Dcs:
            return StrPrintf("a DCS code of the radio's list, %03d to %03d", kDcsTable.front(),
                             kDcsTable.back());
        case EValueKind::Real:
            return f.nMin == f.nMax ? "a number" : WithUnit(StrPrintf("%d to %d", f.nMin, f.nMax), f.strUnit);
        case EValueKind::Model:
            return Join({std::begin(kModelNames), std::end(kModelNames)});
        case EValueKind::SubBand: {
            const CModelBand& row = doc.CurrentBand();
            std::vector<const char*> codes;
            for (int i = 0; i < row.m_nSubBands && i < 3; ++i) {
                codes.push_back(row.m_strCode[i].c_str());
            }
            return codes.empty() ? "no code (the model's row has no sub-band)" : Join(codes);
        }
        case EValueKind::SBandBaud:
        case EValueKind::NBandBaud: {
            const auto list = BaudList(f, doc);
            return list ? WithUnit(Join(NamesOf(*list)), "bps") : "a modem type first";
        }
    }
    return "";
}

CDataRadioDoc FreshRecord(int32_t model, uint8_t subBand) {
    CDataRadioDoc doc;
    doc.m_nModel = model;
    doc.m_nSubBand = subBand;
    doc.ResetToDefaults();
    return doc;
}
