#pragma once
// Live service commands for the calibration and squelch dialogs: the radio is put into service mode, tells
// its status, and then takes single short frames (command, argument, sum), each followed by a fixed wait
// after which whatever arrived is looked at.
//
// Status record (after 53 66 B9): 0xAA, channel 1-16, version (high nibble major, low nibble minor),
// fitted modem (0xA0 none, 0xA1 GMSK, 0xA2 FFSK).

#include <cstdint>
#include <functional>
#include <string>

#include "RadioPort.h"

class CMessageSink;

enum class EServiceCommand {
    ReceiveMode,
    TransmitMode,
    ScanStop,
    ScanStart,
    ScanDelete,
    GpsDataOff,
    GpsDataExternal,
    GpsDataExternalAndRf,
    GpsPowerOff,
    GpsPowerOn,
    ModemTestDataOn,
    ModemTestDataOff,
    AlignmentOn,
    AlignmentOff,
    SpaceToneOn,
    SpaceToneOff,
    MarkToneOn,
    MarkToneOff,
    FirmwareUpgradeOn,
    FirmwareUpgradeOff,
    RadioReset,
    SquelchStoreOpening,
    SquelchStoreClosing,
    SquelchFactoryDefault,
    SquelchSave,
};

// What the radio said to a command.
enum class EReplyCode {
    None,        // nothing that means an error
    Invalid,     // 0x55: "Invalid serial command transfer!"
    NotAllowed,  // 0x65: "This command is not allowed!"
    NoAnswer,    // a repeat-until-reply command gave up
};

struct SCommandResult {
    bool m_bAnswered = false;  // some byte arrived
    uint8_t m_nByte = 0;       // the byte taken (commands that take one byte), else the first non-zero one
    EReplyCode m_Code = EReplyCode::None;
};

struct SRadioStatus {
    bool m_bValid = false;  // a status record arrived
    uint8_t m_nChannel = 0;
    uint8_t m_nVersion = 0;
    uint8_t m_nModem = 0;  // 0 when the record was cut short
    // the reply was the record and nothing else: the ready byte first, all four bytes, a channel 1-16
    bool m_bComplete = false;
};

enum class EServiceStart {
    Opened,      // the dialog goes on (with or without a status record)
    OpenFailed,  // "Fail to open PORT%d" was shown; the dialog is cancelled
    Refused,     // "Error!" was shown and the port closed; the dialog closes
};

extern const char* const kTextInvalidCommand;  // "Invalid serial command transfer!"
extern const char* const kTextNotAllowed;      // "This command is not allowed!"
extern const char* const kTextStatusError;     // "Error!"
extern const char* const kTextNoAnswer;        // a repeated command that never got an answer

constexpr int kServiceWaitMs = 40;
constexpr int kServiceStartWaitMs = 400;
constexpr int kRepeatPauseMs = 100;
constexpr int kRepeatTries = 21;  // 21 x (40 + 100) ms: about 3 s before giving up

class CServiceLink {
public:
    CServiceLink(CRadioPort& port, CMessageSink& sink) : m_Port(port), m_Sink(sink) {}

    // Opens the port, enters service mode and asks for the status; a status record sets m_Status. device
    // empty means the COM number's device.
    EServiceStart Start(int comNumber, const std::string& device = std::string());
    // Closes the port (the dialog's OK or CLOSE).
    void End();

    SCommandResult Send(EServiceCommand command);
    // Channel n = 1..16: 64, n - 1, 63 + n.
    SCommandResult SelectChannel(int channel);

    SRadioStatus m_Status;
    bool m_bLinkOpen = false;
    // The check a transfer makes before it opens its port (PortSurvey.h's PortCheck): why the port cannot be
    // used now (permission, another program holding it), or empty. Start asks it first and adds its reason
    // under "Fail to open PORT%d".
    std::function<std::string(int com, const std::string& device)> m_CheckPort;

private:
    SCommandResult DrainReply(bool check);
    SCommandResult TakeOneByte();
    SCommandResult RepeatUntilReply(uint8_t command, uint8_t argument);
    void ReplyCheck(SCommandResult& result);
    bool SendFrame(uint8_t command, uint8_t argument);
    bool PortFailed();

    CRadioPort& m_Port;
    CMessageSink& m_Sink;
    bool m_bStalled = false;  // the last frame did not get out
};
