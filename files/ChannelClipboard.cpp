#include "ChannelClipboard.h"

#include <algorithm>
#include <cstring>
#include <tuple>

#include "ChannelCsv.h"
#include "ChannelSignalling.h"
#include "ChirpCsv.h"
#include "ConfigFields.h"
#include "Format.h"
#include "FrequencyRules.h"
#include "TextConfig.h"
#include "TextMark.h"

namespace {

// How a pasted column reaches the channel: the frequencies through the leave rules, the two-tone data through
// the two-tone dialog's fitting, the step only where the fitted frequencies lie on its grid, the rest as
// the text forms read them.
enum class EPasteKind { RxFreq, TxFreq, Step, ToneHz, ToneMs, Other };

EPasteKind KindOf(const std::string& column) {
    if (column == "rx_mhz") {
        return EPasteKind::RxFreq;
    }
    if (column == "tx_mhz") {
        return EPasteKind::TxFreq;
    }
    if (column == "step_khz") {
        return EPasteKind::Step;
    }
    if (column == "tone_a_hz" || column == "tone_b_hz") {
        return EPasteKind::ToneHz;
    }
    if (column == "tone_a_ms" || column == "tone_b_ms") {
        return EPasteKind::ToneMs;
    }
    return EPasteKind::Other;
}

struct SColumn {
    const SFieldDef* pField = nullptr;  // nullptr: the channel number
    std::string strName;
};

std::vector<SColumn> AllColumns() {
    std::vector<SColumn> columns{{nullptr, "channel"}};
    for (const SFieldDef& f : ChannelFields()) {
        columns.push_back({&f, ChannelCsvColumn(f)});
    }
    return columns;
}

const SColumn* FindColumn(const std::vector<SColumn>& all, const std::string& name) {
    const auto it = std::find_if(all.begin(), all.end(), [&](const SColumn& c) { return c.strName == name; });
    return it == all.end() ? nullptr : &*it;
}

std::string Shown(const SFieldDef& f, const CDataRadioDoc& doc, int ch) {
    const SFieldText text = FormatField(f, doc, ch);
    return text.bRaw ? kCsvRawPrefix + text.strText : text.strText;
}

std::string Mhz(double mhz) {
    return mhz == 0.0 ? "empty" : StrPrintf("%.5f", mhz);
}

// Which signalling a field belongs to: 'r' for the receive side, 't' for the transmit side, 0 for none.
char SideOf(const SFieldDef& f) {
    const std::string section = f.strSection;
    return section == "rx_signalling" ? 'r' : section == "tx_signalling" ? 't' : 0;
}

void CopyMember(const SFieldDef& f, const CChannelData& from, CChannelData& to) {
    if (const auto* whole = std::get_if<int32_t CChannelData::*>(&f.member)) {
        to.*(*whole) = from.*(*whole);
    } else if (const auto* real = std::get_if<double CChannelData::*>(&f.member)) {
        to.*(*real) = from.*(*real);
    }
}

// A side's signalling as the CSV names it: "ctcss 100.0", "dcs 131", "two-tone both", "none".
std::string SideText(const CDataRadioDoc& doc, int ch, char side) {
    const std::string prefix = side == 'r' ? "rx_" : "tx_";
    const std::vector<SColumn> all = AllColumns();
    const std::string type = Shown(*FindColumn(all, prefix + "type")->pField, doc, ch);
    const char* value = type == "ctcss"      ? "tone_hz"
                        : type == "dcs"      ? "code"
                        : type == "two-tone" ? "two_tone_group"
                                             : nullptr;
    if (value == nullptr) {
        return type;
    }
    const std::string column = std::strcmp(value, "two_tone_group") == 0 ? value : prefix + value;
    return type + " " + Shown(*FindColumn(all, column)->pField, doc, ch);
}

// One pasted row into channel ch (0-based) of doc.
class CRowPaste {
public:
    CRowPaste(CDataRadioDoc& doc, bool twoToneLocked, int ch, std::vector<std::string>& notes)
        : m_Doc(doc),
          m_bTwoToneLocked(twoToneLocked),
          m_nCh(ch),
          m_Notes(notes),
          m_Before(doc.m_Channel[static_cast<size_t>(ch)]) {}

    void Value(const SColumn& column, const std::string& cell) {
        const SFieldDef& f = *column.pField;
        const EPasteKind kind = KindOf(column.strName);
        if (cell.empty()) {
            return;  // an empty cell of a spreadsheet: the value stays ("0" is a channel without frequency)
        }
        if (cell.rfind(kCsvRawPrefix, 0) == 0) {
            Refuse(f, TextPrintf(KV310_MESSAGES,
                                 KV310_TEXT("Messages", "%s %s is a stored number the page cannot take"),
                                 column.strName.c_str(), cell.c_str()));
            return;
        }
        switch (kind) {
            case EPasteKind::RxFreq:
                m_bRxGiven = Frequency("RX", cell, m_dRx, m_strRxRefusal);
                return;
            case EPasteKind::TxFreq:
                m_bTxGiven = Frequency("TX", cell, m_dTx, m_strTxRefusal);
                return;
            case EPasteKind::Step:
                m_strStep = cell;
                return;
            case EPasteKind::ToneHz:
            case EPasteKind::ToneMs:
                Tone(f, column.strName, cell, kind == EPasteKind::ToneHz);
                return;
            case EPasteKind::Other:
                Other(f, column.strName, cell);
                return;
        }
    }

    // Runs the frequency fields' leave rules on what was pasted, keeps the pasted step where it fits and
    // puts back the signalling of a side with a refused value.
    void Finish() {
        CChannelData& channel = m_Doc.m_Channel[static_cast<size_t>(m_nCh)];
        if (m_bRxGiven || m_bTxGiven) {
            SRowEdit rx{FrequencyFieldText(m_bRxGiven ? m_dRx : channel.m_dRxFreq),
                        FrequencyFieldText(m_bTxGiven ? m_dTx : channel.m_dTxFreq),
                        {},
                        {}};
            LeaveRxField(m_Doc, m_nCh + 1, rx);
            SRowEdit tx{rx.m_strRx, rx.m_strTx, {}, {}};
            LeaveTxField(m_Doc, m_nCh + 1, tx);
            for (const std::string* message : {&rx.m_strMessage, &tx.m_strMessage}) {
                if (!message->empty()) {
                    Note(*message);
                }
            }
            if (m_bRxGiven && m_dRx != 0.0 && channel.m_dRxFreq != m_dRx) {
                Note(TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "%s %s fitted to %s"), "RX",
                                Mhz(m_dRx).c_str(), Mhz(channel.m_dRxFreq).c_str()));
            }
            if (m_bTxGiven && m_dTx != 0.0 && channel.m_dTxFreq != m_dTx) {
                Note(TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "%s %s fitted to %s"), "TX",
                                Mhz(m_dTx).c_str(), Mhz(channel.m_dTxFreq).c_str()));
            }
        }
        // A refused frequency says what the row holds now: the leave rules may have filled it from the other.
        for (const auto& [refusal, before, now] :
             {std::tuple{&m_strRxRefusal, m_Before.m_dRxFreq, channel.m_dRxFreq},
              std::tuple{&m_strTxRefusal, m_Before.m_dTxFreq, channel.m_dTxFreq}}) {
            if (!refusal->empty()) {
                Note(now == before ? TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "%s; kept %s"),
                                                refusal->c_str(), Mhz(now).c_str())
                                   : TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "%s; now holds %s"),
                                                refusal->c_str(), Mhz(now).c_str()));
            }
        }
        FinishStep();
        for (const auto& [side, note] : m_SideNotes) {
            if (!(side == 'r' ? m_bRxRefused : m_bTxRefused)) {
                Note(note);
            }
        }
        for (const char side : {'r', 't'}) {
            if ((side == 'r' ? m_bRxRefused : m_bTxRefused)) {
                for (const SFieldDef& f : ChannelFields()) {
                    if (SideOf(f) == side) {
                        CopyMember(f, m_Before, channel);
                    }
                }
                Note(TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "%s signalling kept as it was: %s"),
                                side == 'r' ? "RX" : "TX", SideText(m_Doc, m_nCh, side).c_str()));
            }
        }
    }

private:
    void Note(const std::string& text) {
        m_Notes.push_back(
            TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "channel %d: %s"), m_nCh + 1, text.c_str()));
    }

    // A refused value: a signalling value puts its whole side back at the end, another keeps its own.
    void Refuse(const SFieldDef& f, const std::string& text) {
        switch (SideOf(f)) {
            case 'r':
                m_bRxRefused = true;
                Note(text);
                return;
            case 't':
                m_bTxRefused = true;
                Note(text);
                return;
            default:
                Note(TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "%s; kept %s"), text.c_str(),
                                Shown(f, m_Doc, m_nCh).c_str()));
        }
    }

    // The pasted step where both fitted frequencies lie on its grid; another step they share is as good a
    // choice as the one the fit picked.
    void FinishStep() {
        if (m_strStep.empty()) {
            return;
        }
        CChannelData& channel = m_Doc.m_Channel[static_cast<size_t>(m_nCh)];
        const SFieldDef& stepField = *FindColumn(m_All, "step_khz")->pField;
        CDataRadioDoc trial = m_Doc;
        std::string reason;
        if (!ParseField(stepField, m_strStep, false, trial, m_nCh, reason)) {
            Refuse(stepField, "step_khz: " + reason);
            return;
        }
        const int step = trial.m_Channel[static_cast<size_t>(m_nCh)].m_nStep;
        if (step == channel.m_nStep) {
            return;
        }
        const char* refusal =
            !ModelTakesStep(m_Doc.m_nModel, step) ? KV310_TEXT("Messages", "this model has no such step")
            : !IsOnStepGrid(channel.m_dRxFreq * 1e6, step) || !IsOnStepGrid(channel.m_dTxFreq * 1e6, step)
                ? KV310_TEXT("Messages", "the frequencies are not on its grid")
                : nullptr;
        if (refusal != nullptr) {
            Refuse(stepField, StrPrintf("step_khz %s: %s", m_strStep.c_str(),
                                        LookUpText(KV310_MESSAGES, refusal).c_str()));
            return;
        }
        channel.m_nStep = step;
    }

    // A frequency cell: empty or a number inside the band; anything else leaves the refusal for Finish.
    bool Frequency(const char* side, const std::string& cell, double& value, std::string& refusal) {
        const std::string text = cell.find_first_not_of("0.") == std::string::npos ? std::string() : cell;
        char* end = nullptr;
        const double mhz = text.empty() ? 0.0 : std::strtod(text.c_str(), &end);
        if (!text.empty() && (end == text.c_str() || *end != '\0' || !(mhz > 0.0))) {
            refusal = TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "%s '%s' is no frequency"), side,
                                 cell.c_str());
            return false;
        }
        const SBandLimits band = CurrentBandLimits(m_Doc);
        if (band.IsOutside(mhz)) {
            refusal =
                TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "%s %.5f is outside %.0f\u2013%.0f MHz"),
                           side, mhz, band.m_dLower, band.m_dUpper);
            return false;
        }
        value = mhz;
        return true;
    }

    void Tone(const SFieldDef& f, const std::string& column, const std::string& cell, bool frequency) {
        double& stored =
            m_Doc.m_Channel[static_cast<size_t>(m_nCh)].*std::get<double CChannelData::*>(f.member);
        const SToneFieldFit fit = frequency ? FitToneFrequency(cell, stored) : FitToneDuration(cell, stored);
        if (!fit.m_bAccepted) {
            Refuse(f, TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "%s %s refused (%s)"), column.c_str(),
                                 cell.c_str(), LookUpText(KV310_MESSAGES, fit.m_strMessage.c_str()).c_str()));
            return;
        }
        stored = fit.m_dValue;
        if (FieldTextToDouble(cell) != fit.m_dValue) {
            // Said only when the side stands (Finish): a refused side puts the value back.
            m_SideNotes.emplace_back(
                SideOf(f), TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "%s %s stored as %s"),
                                      column.c_str(), cell.c_str(), Shown(f, m_Doc, m_nCh).c_str()));
        }
    }

    void Other(const SFieldDef& f, const std::string& column, const std::string& cell) {
        CDataRadioDoc trial = m_Doc;
        std::string reason;
        if (!ParseField(f, cell, false, trial, m_nCh, reason)) {
            Refuse(f, column + ": " + reason);
            return;
        }
        const CChannelData& was = m_Doc.m_Channel[static_cast<size_t>(m_nCh)];
        const CChannelData& now = trial.m_Channel[static_cast<size_t>(m_nCh)];
        if (now.m_nRxOption == kSigTwoTone && was.m_nRxOption != kSigTwoTone) {
            // The channel option dialog offers two-tone only on the KV330, and only once it is unlocked.
            const char* refusal =
                !ModelHasTwoTone(m_Doc.m_nModel) ? KV310_TEXT("Messages", "this model has no two-tone")
                : m_bTwoToneLocked
                    ? KV310_TEXT("Messages",
                                 "two-tone is locked (unlock it with the access code, Ctrl+Shift+T)")
                    : nullptr;
            if (refusal != nullptr) {
                Refuse(f, TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "%s two-tone: %s"),
                                     column.c_str(), LookUpText(KV310_MESSAGES, refusal).c_str()));
                return;
            }
        }
        m_Doc = trial;
    }

    CDataRadioDoc& m_Doc;
    bool m_bTwoToneLocked;
    int m_nCh;
    std::vector<std::string>& m_Notes;
    const CChannelData m_Before;  // the channel before the row came
    const std::vector<SColumn> m_All = AllColumns();
    bool m_bRxGiven = false;
    bool m_bTxGiven = false;
    bool m_bRxRefused = false;  // a receive signalling value was refused
    bool m_bTxRefused = false;
    double m_dRx = 0.0;
    double m_dTx = 0.0;
    std::string m_strRxRefusal;
    std::string m_strTxRefusal;
    std::string m_strStep;
    std::vector<std::pair<char, std::string>> m_SideNotes;  // side, note
};

bool IsChannelNumber(const std::string& cell) {
    return !cell.empty() && cell.size() <= 2 && cell.find_first_not_of("0123456789") == std::string::npos &&
           std::stoi(cell) >= 1 && std::stoi(cell) <= kChannels;
}

std::string ColumnList(const std::vector<SColumn>& all, size_t first) {
    std::string list;
    for (size_t i = first; i < all.size(); ++i) {
        list += (list.empty() ? "" : ", ") + all[i].strName;
    }
    return list;
}

// The columns of the rows: from the header when the first line is one (it is removed), else from the
// cells. False with error when they cannot be told.
bool ReadColumns(std::vector<std::string>& lines, char separator, EFirstColumn firstColumn,
                 const std::vector<SColumn>& all, std::vector<const SColumn*>& columns,
                 SPasteOutcome& outcome, std::string& error) {
    const std::vector<std::string> first = SplitCsvLine(lines[0], separator);
    // A line of words without a digit is a header too, one that names no column.
    const bool header =
        std::any_of(first.begin(), first.end(),
                    [](const std::string& cell) { return !ChannelCsvColumnOfHeading(cell).empty(); }) ||
        lines[0].find_first_of("0123456789") == std::string::npos;
    if (header) {
        bool any = false;
        for (const std::string& cell : first) {
            columns.push_back(FindColumn(all, ChannelCsvColumnOfHeading(cell)));
            if (columns.back() == nullptr || columns.back()->pField == nullptr) {
                if (columns.back() == nullptr && !cell.empty()) {
                    outcome.m_Ignored.push_back(cell);
                }
                columns.back() = nullptr;  // the channel number and the unknown are not pasted
            } else {
                any = true;
            }
        }
        if (!any) {
            error = "The clipboard holds no channel rows: its first line names none of the columns " +
                    ColumnList(all, 0) + ".";
            return false;
        }
        lines.erase(lines.begin());
        return true;
    }
    size_t numbered = 0;
    size_t widest = 0;
    for (const std::string& line : lines) {
        const std::vector<std::string> cells = SplitCsvLine(line, separator);
        numbered += IsChannelNumber(cells[0]) ? 1 : 0;
        widest = std::max(widest, cells.size());
    }
    if (firstColumn == EFirstColumn::Decide && numbered != 0 && numbered != lines.size()) {
        outcome.m_bAskFirstColumn = true;
        error = StrPrintf(
            "The clipboard's rows have no header, and their first column holds a channel number (1 to 16) in "
            "%zu of %zu rows.\r\n\r\nIs the first column the channel number? (No reads it as RX "
            "frequencies.)",
            numbered, lines.size());
        return false;
    }
    const bool numbers =
        firstColumn == EFirstColumn::Decide ? numbered != 0 : firstColumn == EFirstColumn::Channel;
    const size_t start = numbers ? 0 : 1;
    std::string read;
    for (size_t i = start; i < all.size() && i - start < widest; ++i) {
        columns.push_back(all[i].pField != nullptr ? &all[i] : nullptr);
        read += (read.empty() ? "" : ", ") + all[i].strName;
    }
    outcome.m_strColumns = read;
    return true;
}

// One row fills every chosen channel, as a spreadsheet fills a selection; more rows go one to a channel,
// those past the last chosen one to the channels below it. Pairs of channel and row.
std::vector<std::pair<int, size_t>> RowTargets(size_t count, const std::vector<int>& targets) {
    std::vector<std::pair<int, size_t>> rows;
    if (count == 1) {
        for (const int channel : targets) {
            rows.emplace_back(channel, 0);
        }
        return rows;
    }
    for (size_t row = 0; row < count; ++row) {
        rows.emplace_back(
            row < targets.size() ? targets[row] : targets.back() + static_cast<int>(row - targets.size()) + 1,
            row);
    }
    return rows;
}

// Rows under a CHIRP header: each is read as the CHIRP import reads it and replaces a chosen channel whole.
bool PasteChirpRows(const std::string& text, const std::vector<int>& targets, CDataRadioDoc& doc,
                    SPasteOutcome& outcome, std::string& error) {
    std::vector<SChirpRow> all;
    if (!ReadChirpRows(text, "clipboard", doc, all, error)) {
        return false;
    }
    std::vector<const SChirpRow*> taken;
    bool named = false;
    for (const SChirpRow& row : all) {
        if (row.m_bTaken) {
            taken.push_back(&row);
        } else {
            outcome.m_Notes.push_back(TextPrintf(KV310_MESSAGES,
                                                 KV310_TEXT("Messages", "Left out, Location %s: %s."),
                                                 row.m_strLocation.c_str(), row.m_strReason.c_str()));
        }
    }
    if (taken.empty()) {
        error = "None of the clipboard's CHIRP rows fits this radio.";
        for (const std::string& note : outcome.m_Notes) {
            error += "\n" + note;
        }
        return false;
    }
    for (const auto& [channel, index] : RowTargets(taken.size(), targets)) {
        const SChirpRow& row = *taken[index];
        if (channel < 1 || channel > kChannels) {
            ++outcome.m_nLeftOut;
            continue;
        }
        outcome.m_Channels.push_back(channel);
        doc.m_Channel[static_cast<size_t>(channel - 1)] = row.m_Channel;
        named = named || row.m_bNamed;
        for (const std::string& note : row.m_Notes) {
            outcome.m_Notes.push_back(TextPrintf(KV310_MESSAGES,
                                                 KV310_TEXT("Messages", "channel %d (Location %s): %s"),
                                                 channel, row.m_strLocation.c_str(), note.c_str()));
        }
    }
    if (named) {
        outcome.m_Notes.push_back(LookUpText(
            KV310_MESSAGES,
            KV310_TEXT("Messages",
                       "The radio keeps no channel names or comments; the list's were left out.")));
    }
    return true;
}

}  // namespace

std::string CopyChannelRows(const CDataRadioDoc& doc, const std::vector<int>& channels, char separator) {
    std::string out;
    for (const SColumn& column : AllColumns()) {
        out += (out.empty() ? "" : std::string(1, separator)) + column.strName;
    }
    out += "\n";
    for (const int channel : channels) {
        if (channel < 1 || channel > kChannels) {
            continue;
        }
        out += std::to_string(channel);
        for (const SFieldDef& f : ChannelFields()) {
            out += separator + Shown(f, doc, channel - 1);
        }
        out += "\n";
    }
    return out;
}

bool PasteChannelRows(const std::string& text, const std::vector<int>& targets, CDataRadioDoc& doc,
                      bool twoToneLocked, SPasteOutcome& outcome, std::string& error,
                      EFirstColumn firstColumn) {
    outcome = SPasteOutcome();
    if (text.size() > kMaxTextConfigBytes) {
        error = "The clipboard holds too much text for channel rows.";
        return false;
    }
    std::vector<std::string> lines = FilledCsvLines(text);
    if (lines.empty() || targets.empty()) {
        error = "The clipboard holds no channel rows.";
        return false;
    }
    if (IsChirpHeader(lines[0])) {
        return PasteChirpRows(text, targets, doc, outcome, error);
    }
    const char separator = lines[0].find('\t') != std::string::npos ? '\t' : ',';
    const std::vector<SColumn> all = AllColumns();
    std::vector<const SColumn*> columns;
    if (!ReadColumns(lines, separator, firstColumn, all, columns, outcome, error)) {
        return false;
    }
    if (lines.empty()) {
        error = "The clipboard holds a header but no channel rows.";
        return false;
    }
    const std::vector<std::pair<int, size_t>> rows = RowTargets(lines.size(), targets);
    CDataRadioDoc work = doc;
    for (const auto& [channel, line] : rows) {
        if (channel < 1 || channel > kChannels) {
            ++outcome.m_nLeftOut;
            continue;
        }
        outcome.m_Channels.push_back(channel);
        const std::vector<std::string> cells = SplitCsvLine(lines[line], separator);
        CRowPaste paste(work, twoToneLocked, channel - 1, outcome.m_Notes);
        // Field order, not column order: a row's frequencies are fitted once all its values are in.
        for (const SFieldDef& f : ChannelFields()) {
            for (size_t i = 0; i < columns.size() && i < cells.size(); ++i) {
                if (columns[i] != nullptr && columns[i]->pField == &f) {
                    paste.Value(*columns[i], cells[i]);
                }
            }
        }
        paste.Finish();
    }
    doc = work;
    return true;
}

std::string PasteReport(const SPasteOutcome& outcome) {
    std::string report;
    const auto line = [&report](const std::string& text) { report += (report.empty() ? "" : "\n") + text; };
    for (const std::string& heading : outcome.m_Ignored) {
        line(TextPrintf(
            KV310_MESSAGES,
            KV310_TEXT("Messages",
                       "The column '%s' names no channel value and was left out; the columns are %s."),
            heading.c_str(), ColumnList(AllColumns(), 0).c_str()));
    }
    for (const std::string& note : outcome.m_Notes) {
        line(note);
    }
    if (outcome.m_nLeftOut > 0) {
        line(outcome.m_nLeftOut == 1
                 ? LookUpText(KV310_MESSAGES,
                              KV310_TEXT("Messages", "1 row did not fit below channel 16 and was left out."))
                 : TextPrintf(
                       KV310_MESSAGES,
                       KV310_TEXT("Messages", "%d rows did not fit below channel 16 and were left out."),
                       outcome.m_nLeftOut));
    }
    return report;
}
