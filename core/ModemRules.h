#pragma once
// The rules that tie the modem settings together, apart from any window: one modem type at a time, the baud
// rates each type offers, the notices about channel signalling a modem cannot carry, the scan marks that
// clash with an enabled modem, the models without short tone delays, and the DEFAULT values.

#include <cstdint>
#include <string>
#include <vector>

#include "DataRadioDoc.h"

enum class EModemType { None, Gmsk, Ffsk, Afsk };

// The chosen type; when several flags are set GMSK wins over FFSK and FFSK over AFSK.
EModemType ModemTypeOf(const CDataRadioDoc& doc);

// Keeps the record to what the Modem page can show: only the winning type's flag stays set, and without a
// type the modem is off.
void NormalizeModemType(CDataRadioDoc& doc);
// NormalizeModemType, and baud indexes that the chosen type does not offer become the type's own choice.
void ApplyModemRules(CDataRadioDoc& doc);

// A type's two baud lists. The radio's lists are sorted: their entries stand in ascending text order
// whatever order they were added in, and the record stores the position in that order.
struct SBaudLists {
    std::vector<std::string> m_SBand;
    std::vector<std::string> m_NBand;
    int32_t m_nSChoice = 0;  // what switching the type on selects
    int32_t m_nNChoice = 0;
    bool m_bSetsRecord = false;  // whether switching the type on stores the choice in the record
};
SBaudLists BaudLists(EModemType type);

// The notice for the first channel whose signalling the modem does not carry, or "" when there is none.
std::string ModemSignallingNotice(const CDataRadioDoc& doc);

int ScanMemberCount(const CDataRadioDoc& doc);
void ClearScanMarks(CDataRadioDoc& doc);
// The two lines of the scan/modem warning: the state now, and what YES does.
std::string ScanWarningStateText(int scanMembers);
std::string ScanWarningYesText();

// Tone delay 2 positions below this one (400 ms) do not exist on some models.
constexpr int32_t kTxDelay2Lowest = 4;
// The refusal for a TX delay 2 position on a model, or "" when the model takes it.
std::string TxDelay2Refusal(int32_t model, int32_t index);

// The DEFAULT button: framing and timing back to the factory values; type, baud rates, mode, the delays and
// the two switches stay.
void ApplyModemDefaults(CDataRadioDoc& doc);

// Fixed list texts of the Modem page.
constexpr int kFlowNone = 0;
constexpr int kFlowXonXoff = 1;
constexpr int kFlowRtsCts = 2;
constexpr int kModemDumb = 1;
constexpr int kModemAuto = 2;
std::vector<std::string> FlowControlTexts();
std::vector<std::string> BaseBlockSizeTexts();
