#include "ChannelClipboard.h"

#include <algorithm>
#include <cstring>

#include "ChannelCsv.h"
#include "ChannelSignalling.h"
#include "ConfigFields.h"
#include "Format.h"
#include "FrequencyRules.h"
#include "TextConfig.h"

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

// One pasted row into channel ch (0-based) of doc.
class CRowPaste {
public:
    CRowPaste(CDataRadioDoc& doc, bool twoToneLocked, int ch, std::vector<std::string>& notes)
        : m_Doc(doc), m_bTwoToneLocked(twoToneLocked), m_nCh(ch), m_Notes(notes) {}

    void Value(const SColumn& column, const std::string& cell) {
        const SFieldDef& f = *column.pField;
        const EPasteKind kind = KindOf(column.strName);
        if (cell.empty()) {
            return;  // an empty cell of a spreadsheet: the value stays ("0" is a channel without frequency)
        }
        if (cell.rfind(kCsvRawPrefix, 0) == 0) {
            Note(StrPrintf("%s %s is a stored number the page cannot take; kept %s", column.strName.c_str(),
                           cell.c_str(), Shown(f, m_Doc, m_nCh).c_str()));
            return;
        }
        CChannelData& channel = m_Doc.m_Channel[static_cast<size_t>(m_nCh)];
        switch (kind) {
            case EPasteKind::RxFreq:
                m_bRxGiven = Frequency("RX", cell, channel.m_dRxFreq, m_dRx);
                return;
            case EPasteKind::TxFreq:
                m_bTxGiven = Frequency("TX", cell, channel.m_dTxFreq, m_dTx);
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

    // Runs the frequency fields' leave rules on what was pasted, then keeps the pasted step where it fits.
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
                Note(StrPrintf("RX %s fitted to %s", Mhz(m_dRx).c_str(), Mhz(channel.m_dRxFreq).c_str()));
            }
            if (m_bTxGiven && m_dTx != 0.0 && channel.m_dTxFreq != m_dTx) {
                Note(StrPrintf("TX %s fitted to %s", Mhz(m_dTx).c_str(), Mhz(channel.m_dTxFreq).c_str()));
            }
        }
        if (m_strStep.empty()) {
            return;
        }
        // The fit picks the first step both frequencies share; another step they share is as good a choice.
        const SFieldDef& stepField = *FindColumn(m_All, "step_khz")->pField;
        CDataRadioDoc trial = m_Doc;
        std::string reason;
        if (!ParseField(stepField, m_strStep, false, trial, m_nCh, reason)) {
            return;  // the fitted step stands
        }
        const int step = trial.m_Channel[static_cast<size_t>(m_nCh)].m_nStep;
        if (ModelTakesStep(m_Doc.m_nModel, step) && IsOnStepGrid(channel.m_dRxFreq * 1e6, step) &&
            IsOnStepGrid(channel.m_dTxFreq * 1e6, step)) {
            channel.m_nStep = step;
        }
    }

private:
    void Note(const std::string& text) {
        m_Notes.push_back(StrPrintf("channel %d: %s", m_nCh + 1, text.c_str()));
    }

    // A frequency cell: empty or a number inside the band; anything else keeps the channel's frequency.
    bool Frequency(const char* side, const std::string& cell, double current, double& value) {
        const std::string text = cell.find_first_not_of("0.") == std::string::npos ? std::string() : cell;
        char* end = nullptr;
        const double mhz = text.empty() ? 0.0 : std::strtod(text.c_str(), &end);
        if (!text.empty() && (end == text.c_str() || *end != '\0' || !(mhz > 0.0))) {
            Note(StrPrintf("%s '%s' is no frequency; kept %s", side, cell.c_str(), Mhz(current).c_str()));
            return false;
        }
        const SBandLimits band = CurrentBandLimits(m_Doc);
        if (band.IsOutside(mhz)) {
            Note(StrPrintf("%s %.5f is outside %.0f\u2013%.0f MHz; kept %s", side, mhz, band.m_dLower,
                           band.m_dUpper, Mhz(current).c_str()));
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
            Note(StrPrintf("%s %s refused (%s); kept %s", column.c_str(), cell.c_str(),
                           fit.m_strMessage.c_str(), Shown(f, m_Doc, m_nCh).c_str()));
            return;
        }
        stored = fit.m_dValue;
        if (FieldTextToDouble(cell) != fit.m_dValue) {
            Note(StrPrintf("%s %s stored as %s", column.c_str(), cell.c_str(),
                           Shown(f, m_Doc, m_nCh).c_str()));
        }
    }

    void Other(const SFieldDef& f, const std::string& column, const std::string& cell) {
        CDataRadioDoc trial = m_Doc;
        std::string reason;
        if (!ParseField(f, cell, false, trial, m_nCh, reason)) {
            Note(
                StrPrintf("%s: %s; kept %s", column.c_str(), reason.c_str(), Shown(f, m_Doc, m_nCh).c_str()));
            return;
        }
        const CChannelData& was = m_Doc.m_Channel[static_cast<size_t>(m_nCh)];
        const CChannelData& now = trial.m_Channel[static_cast<size_t>(m_nCh)];
        if (now.m_nRxOption == kSigTwoTone && was.m_nRxOption != kSigTwoTone) {
            // The channel option dialog offers two-tone only on the KV330, and only once it is unlocked.
            const char* refusal = !ModelHasTwoTone(m_Doc.m_nModel) ? "this model has no two-tone"
                                  : m_bTwoToneLocked
                                      ? "two-tone is locked (unlock it with the access code, Ctrl+Shift+T)"
                                      : nullptr;
            if (refusal != nullptr) {
                Note(StrPrintf("%s two-tone: %s; kept %s", column.c_str(), refusal,
                               Shown(f, m_Doc, m_nCh).c_str()));
                return;
            }
        }
        m_Doc = trial;
    }

    CDataRadioDoc& m_Doc;
    bool m_bTwoToneLocked;
    int m_nCh;
    std::vector<std::string>& m_Notes;
    const std::vector<SColumn> m_All = AllColumns();
    bool m_bRxGiven = false;
    bool m_bTxGiven = false;
    double m_dRx = 0.0;
    double m_dTx = 0.0;
    std::string m_strStep;
};

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
                      bool twoToneLocked, SPasteOutcome& outcome, std::string& error) {
    outcome = SPasteOutcome();
    if (text.size() > kMaxTextConfigBytes) {
        error = "The clipboard holds too much text for channel rows.";
        return false;
    }
    std::vector<std::string> lines = CsvLines(text);
    lines.erase(
        std::remove_if(lines.begin(), lines.end(),
                       [](const std::string& l) { return l.find_first_not_of(" \t,") == std::string::npos; }),
        lines.end());
    if (lines.empty() || targets.empty()) {
        error = "The clipboard holds no channel rows.";
        return false;
    }
    const char separator = lines[0].find('\t') != std::string::npos ? '\t' : ',';
    const std::vector<SColumn> all = AllColumns();
    std::vector<const SColumn*> columns;
    const std::vector<std::string> first = SplitCsvLine(lines[0], separator);
    const bool header = std::any_of(first.begin(), first.end(), [&](const std::string& cell) {
        return FindColumn(all, cell) != nullptr;
    });
    if (header) {
        for (const std::string& cell : first) {
            columns.push_back(FindColumn(all, cell));
            if (columns.back() == nullptr) {
                error = StrPrintf("The clipboard's column '%s' is not a channel column; the columns are %s.",
                                  cell.c_str(), CopyChannelRows(doc, {}, ',').c_str());
                error.erase(std::remove(error.begin(), error.end(), '\n'), error.end());
                return false;
            }
        }
        lines.erase(lines.begin());
    } else {
        for (const SColumn& column : all) {
            columns.push_back(&column);
        }
    }
    CDataRadioDoc work = doc;
    for (size_t row = 0; row < lines.size(); ++row) {
        const int channel =
            row < targets.size() ? targets[row] : targets.back() + static_cast<int>(row - targets.size()) + 1;
        if (channel < 1 || channel > kChannels) {
            ++outcome.m_nLeftOut;
            continue;
        }
        outcome.m_Channels.push_back(channel);
        const std::vector<std::string> cells = SplitCsvLine(lines[row], separator);
        CRowPaste paste(work, twoToneLocked, channel - 1, outcome.m_Notes);
        // Field order, not column order: a row's frequencies are fitted once all its values are in.
        for (const SFieldDef& f : ChannelFields()) {
            for (size_t i = 0; i < columns.size() && i < cells.size(); ++i) {
                if (columns[i]->pField == &f) {
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
    if (outcome.m_Notes.empty() && outcome.m_nLeftOut == 0) {
        return "";
    }
    std::string report = StrPrintf("Pasted %zu channel%s.", outcome.m_Channels.size(),
                                   outcome.m_Channels.size() == 1 ? "" : "s");
    for (const std::string& note : outcome.m_Notes) {
        report += "\n" + note;
    }
    if (outcome.m_nLeftOut > 0) {
        report += StrPrintf("\n%d row%s did not fit below channel 16 and %s left out.", outcome.m_nLeftOut,
                            outcome.m_nLeftOut == 1 ? "" : "s", outcome.m_nLeftOut == 1 ? "was" : "were");
    }
    return report;
}
