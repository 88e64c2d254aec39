#include "ChirpCsv.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>

#include "ChannelCsv.h"
#include "ChannelSignalling.h"
#include "Format.h"
#include "FrequencyRules.h"
#include "TextConfig.h"
#include "TextMark.h"
#include "Tones.h"

const char* const kChirpColumns[21] = {
    "Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
    "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
    "Skip",      "Power",    "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE"};

namespace {

// What CHIRP writes for a tone or code a channel does not use.
constexpr const char* kChirpIdleTone = "88.5";
constexpr const char* kChirpIdleCode = "023";

// Offsets a repeater list gives as + or -: the 6 m, 2 m, 1.25 m and 70 cm repeater shifts.
constexpr long long kUsualOffsetsHz[] = {500000, 600000, 1000000, 1600000, 5000000, 7600000};

std::string ChirpLower(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

// The cells of one row by their column names, lower-case; a column the file lacks reads as empty.
class CChirpRow {
public:
    CChirpRow(const std::map<std::string, size_t>& columns, std::vector<std::string> cells)
        : m_Columns(columns), m_Cells(std::move(cells)) {}
    bool Has(const char* column) const { return m_Columns.count(column) != 0; }
    const std::string& operator[](const char* column) const {
        static const std::string kEmpty;
        const auto it = m_Columns.find(column);
        return it == m_Columns.end() || it->second >= m_Cells.size() ? kEmpty : m_Cells[it->second];
    }

private:
    const std::map<std::string, size_t>& m_Columns;
    std::vector<std::string> m_Cells;
};

// A frequency in MHz to whole Hz; false for a text that is no frequency up to 10 GHz.
bool ParseHz(const std::string& text, long long& hz) {
    if (text.empty() || text.find_first_not_of("0123456789.") != std::string::npos) {
        return false;
    }
    char* end = nullptr;
    const double mhz = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || !(mhz >= 0.0 && mhz < 10000.0)) {
        return false;
    }
    hz = std::llround(mhz * 1e6);
    return true;
}

std::string MhzText(long long hz) {
    return StrPrintf("%lld.%06lld", hz / 1000000, hz % 1000000);
}

// A CTCSS tone of the radio's list, or 0.
double RadioTone(const std::string& text) {
    const double hz = FieldTextToDouble(text, 16);
    const auto it = std::find_if(kCtcssTable.begin(), kCtcssTable.end(),
                                 [hz](double tone) { return std::fabs(tone - hz) < 0.05; });
    return it == kCtcssTable.end() ? 0.0 : *it;
}

// A DCS code of the radio's list ("023" is held as 23), or 0.
int RadioCode(const std::string& text) {
    if (text.empty() || text.size() > 3 || text.find_first_not_of("01234567") != std::string::npos) {
        return 0;
    }
    const int code = std::stoi(text);
    return std::find(kDcsTable.begin(), kDcsTable.end(), code) == kDcsTable.end() ? 0 : code;
}

enum class EKind { None, Tone, Dtcs };

// One side's signalling as the row names it: its kind, and the column that holds its tone or code.
struct SSide {
    EKind m_Kind = EKind::None;
    const char* m_pszColumn = nullptr;
    bool m_bInverted = false;  // DtcsPolarity R on this side
};

EKind KindOfWord(const std::string& word, bool& known) {
    known = word.empty() || word == "Tone" || word == "DTCS";
    return word == "Tone" ? EKind::Tone : word == "DTCS" ? EKind::Dtcs : EKind::None;
}

// The transmit and receive sides of the row's Tone (and CrossMode); false with the reason.
bool ReadSides(const CChirpRow& row, SSide& tx, SSide& rx, std::string& reason) {
    const std::string& mode = row["tone"];
    const char* rxCode = row.Has("rxdtcscode") ? "rxdtcscode" : "dtcscode";  // older lists: one code
    const std::string& polarity = row["dtcspolarity"];
    tx.m_bInverted = polarity.size() == 2 && polarity[0] == 'R';
    rx.m_bInverted = polarity.size() == 2 && polarity[1] == 'R';
    if (mode.empty()) {
        return true;
    }
    if (mode == "Tone") {
        tx = {EKind::Tone, "rtonefreq", false};
    } else if (mode == "TSQL") {
        tx = {EKind::Tone, "ctonefreq", false};
        rx = {EKind::Tone, "ctonefreq", false};
    } else if (mode == "DTCS") {
        tx.m_Kind = rx.m_Kind = EKind::Dtcs;
        tx.m_pszColumn = rx.m_pszColumn = "dtcscode";
    } else if (mode == "Cross") {
        const std::string cross = row["crossmode"].empty() ? "Tone->Tone" : row["crossmode"];
        const size_t arrow = cross.find("->");
        bool txKnown = false;
        bool rxKnown = false;
        if (arrow != std::string::npos) {
            tx.m_Kind = KindOfWord(cross.substr(0, arrow), txKnown);
            rx.m_Kind = KindOfWord(cross.substr(arrow + 2), rxKnown);
        }
        if (!txKnown || !rxKnown) {
            reason = TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "CrossMode '%s' is unknown"),
                                cross.c_str());
            return false;
        }
        tx.m_pszColumn = tx.m_Kind == EKind::Tone ? "rtonefreq" : "dtcscode";
        rx.m_pszColumn = rx.m_Kind == EKind::Tone ? "ctonefreq" : rxCode;
    } else if (mode == "TSQL-R" || mode == "DTCS-R") {
        reason =
            TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "%s (reverse squelch) is one the radio lacks"),
                       mode.c_str());
        return false;
    } else {
        reason = TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "Tone '%s' is unknown"), mode.c_str());
        return false;
    }
    for (SSide* side : {&tx, &rx}) {
        if (side->m_Kind == EKind::None) {
            continue;
        }
        const std::string& cell = row[side->m_pszColumn];
        if (side->m_Kind == EKind::Tone && RadioTone(cell) == 0.0) {
            reason = TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "the radio has no CTCSS tone '%s'"),
                                cell.c_str());
            return false;
        }
        if (side->m_Kind == EKind::Dtcs && RadioCode(cell) == 0) {
            reason = TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "the radio has no DCS code '%s'"),
                                cell.c_str());
            return false;
        }
        if (side->m_Kind == EKind::Dtcs && side->m_bInverted) {
            reason = TextPrintf(KV310_MESSAGES,
                                KV310_TEXT("Messages",
                                           "DCS code %s is inverted (DtcsPolarity %s); the radio "
                                           "sends and hears codes only as they are"),
                                cell.c_str(), row["dtcspolarity"].c_str());
            return false;
        }
    }
    return true;
}

// The receive and transmit frequencies of the row, inside the band; false with the reason.
bool ReadFrequencies(const CChirpRow& row, const SBandLimits& band, long long& rxHz, long long& txHz,
                     std::string& reason) {
    if (!ParseHz(row["frequency"], rxHz) || rxHz == 0) {
        reason = TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "Frequency '%s' is no frequency"),
                            row["frequency"].c_str());
        return false;
    }
    const std::string& duplex = row["duplex"];
    long long offsetHz = 0;
    if ((duplex == "+" || duplex == "-" || duplex == "split") && !ParseHz(row["offset"], offsetHz)) {
        reason = TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "Offset '%s' is no frequency"),
                            row["offset"].c_str());
        return false;
    }
    if (!duplex.empty() && duplex != "+" && duplex != "-" && duplex != "split" && duplex != "off") {
        reason = TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "Duplex '%s' is unknown"), duplex.c_str());
        return false;
    }
    txHz = duplex == "+"       ? rxHz + offsetHz
           : duplex == "-"     ? rxHz - offsetHz
           : duplex == "split" ? offsetHz
           : duplex == "off"   ? 0
                               : rxHz;
    for (const auto& [side, hz] : {std::pair{"RX", rxHz}, std::pair{"TX", txHz}}) {
        if (hz != 0 && (hz < 0 || !band.Contains(static_cast<double>(hz) / 1e6))) {
            reason =
                TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "%s outside the band, %.0f\u2013%.0f MHz"),
                           side, band.m_dLower, band.m_dUpper);
            return false;
        }
    }
    return true;
}

bool OnGrid(long long hz, int code) {
    return hz == 0 || IsOnStepGrid(static_cast<double>(hz), code);
}

// Whether the list's step lies on the grid of the step code: 12.5 kHz on 6.25 kHz, 25 kHz on 5 kHz.
bool Divides(int code, double listStepHz) {
    return listStepHz > 0.0 && std::fabs(std::remainder(listStepHz, StepWidthHz(code))) < 0.5;
}

// The step: the list's own where the model has it and both frequencies lie on its grid, else one whose grid
// holds the list's step, else any the frequencies share; failing all, the channel page's fitting moves them
// onto a grid (said in notes).
void FitStep(const CChirpRow& row, int model, const SBandLimits& band, long long rxHz, long long txHz,
             CChannelData& channel, std::vector<std::string>& notes) {
    const double listStepHz = FieldTextToDouble(row["tstep"], 16) * 1000.0;
    int step = -1;
    // pass 0: the list's own step; 1: a step whose grid holds the list's; 2: any
    const auto fits = [listStepHz](int pass, int code) {
        return pass == 2 ||
               (pass == 0 ? std::fabs(StepWidthHz(code) - listStepHz) < 0.5 : Divides(code, listStepHz));
    };
    for (int pass = 0; pass < 3 && step < 0; ++pass) {
        for (int code : StepCodesOf(model)) {
            if (step < 0 && fits(pass, code) && OnGrid(rxHz, code) && OnGrid(txHz, code)) {
                step = code;
            }
        }
    }
    channel.m_dRxFreq = static_cast<double>(rxHz) / 1e6;
    channel.m_dTxFreq = static_cast<double>(txHz) / 1e6;
    if (step < 0) {
        const SFrequencyFit rx = ValidateRxFrequency(model, band, channel.m_dRxFreq, channel.m_dTxFreq);
        step = rx.m_nStep;
        if (txHz != 0) {
            const SFrequencyFit tx = ValidateTxFrequency(model, band, rx.m_dValue, channel.m_dTxFreq, step);
            step = tx.m_nStep;
            channel.m_dTxFreq = tx.m_dValue;
        }
        channel.m_dRxFreq = rx.m_dValue;
        notes.push_back(TextPrintf(
            KV310_MESSAGES, KV310_TEXT("Messages", "%s/%s MHz lie on no step of the radio; fitted to %s/%s"),
            MhzText(rxHz).c_str(), MhzText(txHz).c_str(), FormatFixed(channel.m_dRxFreq, 5).c_str(),
            FormatFixed(channel.m_dTxFreq, 5).c_str()));
    }
    // A list's 12.5 or 25 kHz step is on the grid of the step taken; another the radio could not follow.
    const double taken = StepWidthHz(step);
    if (listStepHz > 0.0 && !Divides(step, listStepHz)) {
        notes.push_back(TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "TStep %s kHz: %s kHz taken"),
                                   row["tstep"].c_str(), FormatFixed(taken / 1000.0, 2).c_str()));
    }
    channel.m_nStep = step;
}

// One row as a channel of doc's model; false with the reason the radio cannot hold it.
bool ReadChirpChannel(const CChirpRow& row, const CDataRadioDoc& doc, CChannelData& channel,
                      std::vector<std::string>& notes, std::string& reason) {
    const SBandLimits band = CurrentBandLimits(doc);
    long long rxHz = 0;
    long long txHz = 0;
    if (!ReadFrequencies(row, band, rxHz, txHz, reason)) {
        return false;
    }
    const std::string& mode = row["mode"];
    if (!mode.empty() && mode != "FM" && mode != "NFM") {
        reason =
            TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "%s is a mode the radio lacks"), mode.c_str());
        return false;
    }
    SSide tx;
    SSide rx;
    if (!ReadSides(row, tx, rx, reason)) {
        return false;
    }
    channel.ResetToDefaults();
    // The tones and codes a side does not use are kept too, as the channel option dialog keeps them.
    if (const double hz = RadioTone(row["rtonefreq"]); hz != 0.0) {
        channel.m_dTxCtcss = hz;
    }
    if (const double hz = RadioTone(row["ctonefreq"]); hz != 0.0) {
        channel.m_dRxCtcss = hz;
    }
    if (const int code = RadioCode(row["dtcscode"]); code != 0) {
        channel.m_nTxDcs = code;
    }
    if (const int code = RadioCode(row[row.Has("rxdtcscode") ? "rxdtcscode" : "dtcscode"]); code != 0) {
        channel.m_nRxDcs = code;
    }
    const auto apply = [&row](const SSide& side, int& option, double& tone, int32_t& code) {
        option = side.m_Kind == EKind::Tone ? kSigCtcss : side.m_Kind == EKind::Dtcs ? kSigDcs : kSigNone;
        if (side.m_Kind == EKind::Tone) {
            tone = RadioTone(row[side.m_pszColumn]);
        } else if (side.m_Kind == EKind::Dtcs) {
            code = RadioCode(row[side.m_pszColumn]);
        }
    };
    apply(tx, channel.m_nTxOption, channel.m_dTxCtcss, channel.m_nTxDcs);
    apply(rx, channel.m_nRxOption, channel.m_dRxCtcss, channel.m_nRxDcs);
    if (txHz == 0) {
        channel.m_nTxOption = kSigNone;  // a receive-only channel sends nothing
    }
    channel.m_bWide = mode == "NFM" ? 0 : 1;
    channel.m_bScan = row["skip"] == "S" ? 0 : 1;
    const std::string power = ChirpLower(row["power"]);
    channel.m_bHighPower = power.rfind("high", 0) == 0 ? 1 : 0;
    if (!power.empty() && power != "high" && power != "low") {
        notes.push_back(TextPrintf(KV310_MESSAGES,
                                   channel.m_bHighPower != 0
                                       ? KV310_TEXT("Messages", "Power '%s' taken as high")
                                       : KV310_TEXT("Messages", "Power '%s' taken as low"),
                                   row["power"].c_str()));
    }
    FitStep(row, doc.m_nModel, band, rxHz, txHz, channel, notes);
    if (band.IsOutside(channel.m_dRxFreq) || band.IsOutside(channel.m_dTxFreq)) {
        reason =
            LookUpText(KV310_MESSAGES, KV310_TEXT("Messages", "fitted to a step, it falls outside the band"));
        return false;
    }
    return true;
}

bool IsNumber(const std::string& text) {
    return !text.empty() && text.size() <= 9 && text.find_first_not_of("0123456789") == std::string::npos;
}

}  // namespace

bool IsChirpHeader(const std::string& line) {
    bool location = false;
    bool frequency = false;
    for (const std::string& cell : SplitCsvLine(line, line.find('\t') != std::string::npos ? '\t' : ',')) {
        location = location || ChirpLower(cell) == "location";
        frequency = frequency || ChirpLower(cell) == "frequency";
    }
    return location && frequency;
}

bool ReadChirpRows(const std::string& text, const std::string& name, const CDataRadioDoc& doc,
                   std::vector<SChirpRow>& rows, std::string& error) {
    rows.clear();
    if (text.size() > kMaxTextConfigBytes) {
        error = name + ": too large for a channel list";
        return false;
    }
    std::vector<std::string> lines = FilledCsvLines(text);
    if (lines.empty() || !IsChirpHeader(lines[0])) {
        error = name + ": no CHIRP channel list: its first line names no Location and Frequency columns";
        return false;
    }
    std::map<std::string, size_t> columns;
    const char separator = lines[0].find('\t') != std::string::npos ? '\t' : ',';  // a spreadsheet's cells
    const std::vector<std::string> header = SplitCsvLine(lines[0], separator);
    for (size_t i = 0; i < header.size(); ++i) {
        columns.emplace(ChirpLower(header[i]), i);  // the first of a name given twice counts
    }
    for (size_t n = 1; n < lines.size(); ++n) {
        const CChirpRow row(columns, SplitCsvLine(lines[n], separator));
        SChirpRow read;
        // a row without a Location is named by its place among the rows
        read.m_strLocation = row["location"].empty() ? StrPrintf("(row %zu)", n) : row["location"];
        read.m_bNamed = !row["name"].empty() || !row["comment"].empty();
        read.m_bTaken = ReadChirpChannel(row, doc, read.m_Channel, read.m_Notes, read.m_strReason);
        rows.push_back(std::move(read));
    }
    return true;
}

bool ImportChirpCsv(const std::string& text, const std::string& name, const std::string& first,
                    CDataRadioDoc& doc, SChirpImport& outcome, std::string& error) {
    outcome = SChirpImport();
    std::vector<SChirpRow> rows;
    if (!ReadChirpRows(text, name, doc, rows, error)) {
        return false;
    }
    size_t start = 0;
    if (!first.empty()) {
        const auto it = std::find_if(rows.begin(), rows.end(),
                                     [&first](const SChirpRow& r) { return r.m_strLocation == first; });
        if (it == rows.end()) {
            error = name + ": no row has the Location " + first;
            return false;
        }
        start = static_cast<size_t>(it - rows.begin());
    }
    // A list made for a radio of 16 channels (ours among them) keeps its channel numbers.
    int last = 0;
    outcome.m_bByLocation = first.empty() && !rows.empty();
    for (const SChirpRow& row : rows) {
        const int location = IsNumber(row.m_strLocation) ? std::stoi(row.m_strLocation) : -1;
        outcome.m_bByLocation = outcome.m_bByLocation && location > last && location <= kChannels;
        last = location;
    }
    CDataRadioDoc work = doc;
    for (CChannelData& channel : work.m_Channel) {
        channel.ResetToDefaults();
    }
    int next = 1;
    for (size_t i = start; i < rows.size(); ++i) {
        const SChirpRow& row = rows[i];
        if (!row.m_bTaken) {
            outcome.m_LeftOut.push_back({row.m_strLocation, row.m_strReason});
            continue;
        }
        const int channel = outcome.m_bByLocation ? std::stoi(row.m_strLocation) : next++;
        if (channel > kChannels) {
            outcome.m_NoRoom.push_back(row.m_strLocation);
            continue;
        }
        work.m_Channel[static_cast<size_t>(channel - 1)] = row.m_Channel;
        outcome.m_Placed.emplace_back(channel, row.m_strLocation);
        outcome.m_bNamesDropped = outcome.m_bNamesDropped || row.m_bNamed;
        for (const std::string& note : row.m_Notes) {
            outcome.m_Notes.push_back(TextPrintf(KV310_MESSAGES,
                                                 KV310_TEXT("Messages", "channel %d (Location %s): %s"),
                                                 channel, row.m_strLocation.c_str(), note.c_str()));
        }
    }
    doc = work;
    return true;
}

std::string ChirpImportReport(const SChirpImport& outcome) {
    const size_t placed = outcome.m_Placed.size();
    std::string report =
        placed == 0
            ? LookUpText(KV310_MESSAGES, KV310_TEXT("Messages", "No row of the list went into a channel."))
        : placed == 1
            ? LookUpText(KV310_MESSAGES,
                         outcome.m_bByLocation
                             ? KV310_TEXT("Messages", "1 row went into the channel its Location names.")
                             : KV310_TEXT("Messages", "1 row went into channel 1."))
        : outcome.m_bByLocation
            ? TextPrintf(KV310_MESSAGES,
                         KV310_TEXT("Messages", "%zu rows went into the channels their Locations name."),
                         placed)
            : TextPrintf(KV310_MESSAGES,
                         KV310_TEXT("Messages", "%zu rows went into channels 1 to %zu in the list's order."),
                         placed, placed);
    // Rows left out for the same reason share a line: a repeater list's other bands are most of it.
    std::vector<std::pair<std::string, std::vector<std::string>>> groups;  // reason, Locations
    const auto add = [&groups](const std::string& reason, const std::string& location) {
        auto it =
            std::find_if(groups.begin(), groups.end(), [&](const auto& g) { return g.first == reason; });
        if (it == groups.end()) {
            it = groups.insert(groups.end(), {reason, {}});
        }
        it->second.push_back(location);
    };
    for (const SChirpLeftOut& row : outcome.m_LeftOut) {
        add(row.m_strReason, row.m_strLocation);
    }
    for (const std::string& location : outcome.m_NoRoom) {
        add(LookUpText(KV310_MESSAGES, KV310_TEXT("Messages", "no channel left (the radio has 16)")),
            location);
    }
    for (const auto& [reason, locations] : groups) {
        std::string list;
        for (const std::string& location : locations) {
            list += (list.empty() ? "" : ", ") + location;
        }
        report +=
            "\n" + TextPrintf(KV310_MESSAGES,
                              locations.size() == 1 ? KV310_TEXT("Messages", "Left out, Location %s: %s.")
                                                    : KV310_TEXT("Messages", "Left out, Locations %s: %s."),
                              list.c_str(), reason.c_str());
    }
    for (const std::string& note : outcome.m_Notes) {
        report += "\n" + note;
    }
    if (outcome.m_bNamesDropped) {
        report +=
            "\n" + LookUpText(KV310_MESSAGES, KV310_TEXT("Messages",
                                                         "The radio keeps no channel names or comments; "
                                                         "the list's were left out."));
    }
    return report;
}

namespace {

// One side of a channel as CHIRP names it in a CrossMode: "Tone", "DTCS" or "".
const char* CrossWord(int choice) {
    return choice == kSigCtcss ? "Tone" : choice == kSigDcs ? "DTCS" : "";
}

std::string ToneText(double hz) {
    return RadioTone(StrPrintf("%.1f", hz)) != 0.0 ? StrPrintf("%.1f", hz) : kChirpIdleTone;
}

std::string CodeText(int code) {
    return std::find(kDcsTable.begin(), kDcsTable.end(), code) != kDcsTable.end() ? StrPrintf("%03d", code)
                                                                                  : kChirpIdleCode;
}

}  // namespace

std::string ExportChirpCsv(const CDataRadioDoc& doc, std::vector<std::string>& notes) {
    std::string out;
    for (const char* column : kChirpColumns) {
        out += (out.empty() ? "" : ",") + std::string(column);
    }
    out += "\r\n";  // CHIRP writes its files with CRLF line ends
    for (int n = 0; n < kChannels; ++n) {
        const CChannelData& ch = doc.m_Channel[static_cast<size_t>(n)];
        if (ch.m_dRxFreq == 0.0) {
            continue;
        }
        const long long rxHz = std::llround(ch.m_dRxFreq * 1e6);
        const long long txHz = std::llround(ch.m_dTxFreq * 1e6);
        const long long shift = std::llabs(txHz - rxHz);
        const bool usual = std::find(std::begin(kUsualOffsetsHz), std::end(kUsualOffsetsHz), shift) !=
                           std::end(kUsualOffsetsHz);
        const char* duplex = txHz == 0      ? "off"
                             : txHz == rxHz ? ""
                             : !usual       ? "split"
                             : txHz > rxHz  ? "+"
                                            : "-";
        const long long offset = txHz == 0 || txHz == rxHz ? 0 : usual ? shift : txHz;
        int rx = RxChoiceFor(doc.m_nModel, ch.m_nRxOption);
        const int tx = txHz == 0 ? kSigNone : TxChoiceFor(doc.m_nModel, ch.m_nTxOption);
        if (rx == kSigTwoTone) {
            notes.push_back(TextPrintf(
                KV310_MESSAGES,
                KV310_TEXT("Messages",
                           "channel %d: CHIRP has no column for two-tone on receive; written without it"),
                n + 1));
            rx = kSigNone;
        }
        const std::string txTone = ToneText(ch.m_dTxCtcss);
        const std::string rxTone = ToneText(ch.m_dRxCtcss);
        const std::string txCode = CodeText(ch.m_nTxDcs);
        const std::string rxCode = CodeText(ch.m_nRxDcs);
        std::string cross = std::string(CrossWord(tx)) + "->" + CrossWord(rx);
        const char* tone = rx == kSigNone && tx == kSigNone                         ? ""
                           : rx == kSigNone && tx == kSigCtcss                      ? "Tone"
                           : rx == kSigCtcss && tx == kSigCtcss && rxTone == txTone ? "TSQL"
                           : rx == kSigDcs && tx == kSigDcs && rxCode == txCode     ? "DTCS"
                                                                                    : "Cross";
        if (std::string(tone) != "Cross") {
            cross = "Tone->Tone";
        }
        out +=
            StrPrintf("%d,,%s,%s,%s,%s,%s,%s,%s,NN,%s,%s,%s,%s,%s,%s,,,,,\r\n", n + 1, MhzText(rxHz).c_str(),
                      duplex, MhzText(offset).c_str(), tone, txTone.c_str(), rxTone.c_str(), txCode.c_str(),
                      rxCode.c_str(), cross.c_str(), ch.m_bWide != 0 ? "FM" : "NFM",
                      FormatFixed(StepWidthHz(ch.m_nStep) / 1000.0, 2).c_str(), ch.m_bScan != 0 ? "" : "S",
                      ch.m_bHighPower != 0 ? "High" : "Low");
    }
    return out;
}
