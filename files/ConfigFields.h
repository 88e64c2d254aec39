#pragma once
// Every value of a settings file as the text forms (YAML, channel CSV, diff) show it: one table of fields,
// each with its place in the text, its readable name, how its value reads and which member holds it.
//
// A value that its readable form cannot hold exactly (a flag of 7, a scan delay index of 40, a NaN) is shown
// "raw": the stored number itself (doubles as their shortest exact decimal, or their 64 bits in hex when
// they are not finite), which the YAML writes as `{raw: N}` (the older `!raw N` tag is still read). Raw
// values skip the range checks, so every record a settings file can hold comes back bit for bit.

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "DataRadioDoc.h"

enum class EValueKind {
    Flag,       // true / false
    Int,        // whole number in nMin..nMax in steps of nStep (0 also allowed when bZeroOk)
    Indexed,    // a list position shown as its value: nMin + index * nStep, nCount entries
    Names,      // a list position (from nMin) shown by name
    Mhz,        // frequency inside the current sub-band, or 0 for none; "%.5f"
    Ctcss,      // a tone of the radio's CTCSS list, "%.1f"
    Dcs,        // a code of the radio's DCS list, "023"
    Real,       // a number in nMin..nMax (any finite number when nMin == nMax)
    Model,      // catalogue row by name: "KV310 VHF"
    SubBand,    // sub-band by its code: "U1"
    SBandBaud,  // S-band baud rate in bps, by the modem type
    NBandBaud,  // N-band baud rate in bps
};

// When a value is shown in its place (a channel's in its channel entry); otherwise it goes to the carried
// section. The baud rates mean something only once a modem type is chosen.
enum class EShown { Always, Never, RxCtcss, RxDcs, RxTwoTone, TxCtcss, TxDcs, ModemType };

struct SServiceByte {
    int nIndex = 0;
};

using CFieldMember = std::variant<int32_t CDataRadioDoc::*, double CDataRadioDoc::*, uint8_t CDataRadioDoc::*,
                                  int32_t CChannelData::*, double CChannelData::*, SServiceByte>;

struct SFieldDef {
    const char* strSection =
        "";                   // dotted path of the map holding it; channel fields: "" or the signalling map
    const char* strKey = "";  // its key there
    const char* strCarried =
        nullptr;  // channel fields: its key in a carried channel entry; nullptr when always shown
    const char* strLabel = "";  // readable name for differences ("scan delay")
    EValueKind eKind = EValueKind::Int;
    CFieldMember member;
    int32_t nMin = 0;
    int32_t nMax = 0;
    int32_t nStep = 1;
    int32_t nCount = 0;
    std::vector<const char*> names;  // Names: the texts, position nMin first
    const char* strUnit = "";
    bool bZeroOk = false;
    EShown eShown = EShown::Always;
};

// Radio-wide fields in the order they are read (model and sub-band first: the frequency range needs them;
// the modem type before the baud rates).
const std::vector<SFieldDef>& RadioFields();
// The fields of one channel entry.
const std::vector<SFieldDef>& ChannelFields();

bool IsChannelField(const SFieldDef& field);
// Whether the field's value (channel ch's for a channel field) is shown in its place, not carried.
bool IsShown(const SFieldDef& field, const CDataRadioDoc& doc, int ch);

// A value as text. bRaw: the stored number, outside what the readable form holds.
struct SFieldText {
    std::string strText;
    bool bRaw = false;
};
SFieldText FormatField(const SFieldDef& field, const CDataRadioDoc& doc, int ch);

// Sets the member from text (ch: channel index for channel fields). False with the reason in error
// ("2005 is out of range: 50 to 2000 in steps of 10 ms"); the member is then unchanged.
bool ParseField(const SFieldDef& field, const std::string& text, bool raw, CDataRadioDoc& doc, int ch,
                std::string& error);

// True when the stored values are bit for bit the same.
bool SameValue(const SFieldDef& field, const CDataRadioDoc& a, const CDataRadioDoc& b, int ch);

// What the field accepts, for comments and messages: "rssi | busy-port", "50 to 2000 in steps of 10 ms".
std::string FieldRangeText(const SFieldDef& field, const CDataRadioDoc& doc);

// A fresh record of the model as a technician gets it by choosing the model: the base every text form
// starts from, and the values the carried section leaves out.
CDataRadioDoc FreshRecord(int32_t model, uint8_t subBand);
