#pragma once
// Channel signalling as the channel page and the channel option dialog present it: the option buttons'
// captions and fills (their colours are the window's: OptionFillColour in ui/shared/DisplaySettings.h), which
// choices and picker buttons the dialog offers for a model, the two-tone data checks and the access code that
// locks or unlocks two-tone.

#include <string>

#include "AccessCode.h"
#include "DataRadioDoc.h"
#include "TextMark.h"

// Captions of a channel's option buttons: empty while the channel lacks a frequency, else "NO", the CTCSS
// tone (" 67.0"), the DCS code ("023") or the two-tone group ("Tone A", "Tone B", "Both").
std::string RxOptionCaption(const CChannelData& channel);
std::string TxOptionCaption(const CChannelData& channel);
std::string ToneGroupCaption(int group);
std::string CtcssCaption(double hz);  // "%5.1f"
std::string DcsCaption(int code);     // "%03d"

// The background of an option button.
enum class EOptionFill { Plain, Ctcss, MarkedCtcss, Dcs, TwoTone };
EOptionFill RxOptionFill(const CChannelData& channel);
EOptionFill TxOptionFill(const CChannelData& channel);
// The eleven tones both the page and the CTCSS picker colour apart.
bool IsMarkedCtcss(double hz);

// The channel option dialog's radio choices for a channel's options: the KV330 shows them as they are; the
// KV310, which has no two-tone, shows options 2 and 3 as DCS.
int RxChoiceFor(int model, int rxOption);
int TxChoiceFor(int model, int txOption);
bool ModelHasTwoTone(int model);

// Which of the dialog's controls are enabled for the shown choices.
struct SOptionControls {
    bool m_bRxCtcss = false;
    bool m_bRxDcs = false;
    bool m_bTone = false;
    bool m_bTwoToneChoice = false;
    bool m_bTxCtcss = false;
    bool m_bTxDcs = false;
};
SOptionControls OptionControlsFor(int model, int rxChoice, int txChoice, bool twoToneLocked);

// The GMSK modem sends no tone, the FFSK modem no two-tone: each notice is given once. Return the notice to
// show (and mark it given), or an empty text.
// What the program keeps about two-tone and these notices while it runs; never saved nor sent. The program
// starts locked; a fresh record (New, Load, a model choice) locks it again and lets the notices come again.
struct SSignallingSession {
    int32_t m_bTwoToneLocked = 1;
    int32_t m_nAccessCode = 0;  // the number last typed into the access-code dialog
    int32_t m_bGmskToneWarned = 0;
    int32_t m_bFfskTwoToneWarned = 0;

    void ForgetRecord() {
        m_bTwoToneLocked = 1;
        m_bGmskToneWarned = 0;
        m_bFfskTwoToneWarned = 0;
    }
};
std::string TakeGmskToneNotice(const CDataRadioDoc& doc, SSignallingSession& session);
std::string TakeFfskTwoToneNotice(const CDataRadioDoc& doc, SSignallingSession& session);

// Two-tone data fields. A text that is refused leaves the stored value and shows it again with one decimal.
struct SToneFieldFit {
    bool m_bAccepted = false;
    double m_dValue = 0.0;     // stored value after the check
    std::string m_strText;     // what the field shows
    std::string m_strMessage;  // empty when accepted
};
// 300-3000 Hz, stored in whole 10 Hz (the range is checked before the cut).
SToneFieldFit FitToneFrequency(const std::string& text, double stored);
// 100-10000 ms after the cut to whole 10 ms; negative entries fail.
SToneFieldFit FitToneDuration(const std::string& text, double stored);

// Access-code dialog: the number typed (leading digits of at most 9 characters) is kept in the session.
// ENABLE with the right code unlocks two-tone; DISABLE with it locks two-tone and takes it off every
// channel. Returns false (and the message "Wrong password!") for any other number.
bool ApplyAccessCode(CDataRadioDoc& doc, SSignallingSession& session, const std::string& text, bool enable,
                     std::string* message);

constexpr const char* kMsgWrongPassword = KV310_TEXT("Messages", "Wrong password!");
constexpr const char* kMsgGmskTone = KV310_TEXT("Messages", "Tone isn't used in GMSK modem");
constexpr const char* kMsgFfskTwoTone = KV310_TEXT("Messages", "Two Tone isn't used in FFSK modem");
constexpr const char* kMsgOutOfRangeChannel = KV310_TEXT("Messages", "Out of range channel");
constexpr const char* kMsgFillFrequencies = KV310_TEXT("Messages", "Fill Rx/Tx Freq. first");
