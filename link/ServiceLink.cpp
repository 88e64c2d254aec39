#include "ServiceLink.h"

#include "Format.h"
#include "LinkFrames.h"
#include "MessageSink.h"
#include "PortNames.h"
#include "TextMark.h"

const char* const kTextInvalidCommand = KV310_TEXT("Messages", "Invalid serial command transfer!");
const char* const kTextNotAllowed = KV310_TEXT("Messages", "This command is not allowed!");
const char* const kTextStatusError = KV310_TEXT("Messages", "Error!");
const char* const kTextNoAnswer =
    KV310_TEXT("Messages", "No answer from the radio !!!   Check your radio connection to PC !!!");

namespace {

enum class ELine { None, DtrOn, DtrOff };

enum class EReply {
    Drained,         // drained, not examined
    Checked,         // drained and run through the reply check
    OneByte,         // a single byte taken
    OneByteChecked,  // a single byte taken; 0x55 is reported
    Repeated,        // sent again until some byte arrives
};

struct SCommandDef {
    uint8_t m_nCommand;
    uint8_t m_nArgument;
    ELine m_Line;
    EReply m_Reply;
};

// Indexed by EServiceCommand.
constexpr SCommandDef kCommands[] = {
    {0x61, 0x72, ELine::DtrOff, EReply::Drained},       // receive mode
    {0x61, 0x74, ELine::DtrOn, EReply::Checked},        // transmit mode
    {0x62, 0x46, ELine::None, EReply::Drained},         // scan stop
    {0x62, 0x73, ELine::None, EReply::Drained},         // scan start
    {0x62, 0x4F, ELine::None, EReply::Drained},         // scan delete
    {0x63, 0x00, ELine::None, EReply::Repeated},        // GPS data off
    {0x63, 0x01, ELine::None, EReply::Repeated},        // GPS data to external output
    {0x63, 0x02, ELine::None, EReply::OneByte},         // GPS data to external output and RF
    {0x6A, 0x00, ELine::None, EReply::Repeated},        // GPS power off
    {0x6A, 0x01, ELine::None, EReply::Drained},         // GPS power on
    {0x75, 0x78, ELine::None, EReply::OneByte},         // modem test data on
    {0x75, 0x79, ELine::None, EReply::OneByteChecked},  // modem test data off
    {0x7A, 0x01, ELine::None, EReply::OneByte},         // alignment transmit on (GMSK)
    {0x7A, 0x00, ELine::None, EReply::OneByte},         // alignment transmit off
    {0x7E, 0x01, ELine::None, EReply::OneByte},         // space tone on (FFSK)
    {0x7E, 0x00, ELine::None, EReply::OneByte},         // space tone off
    {0x7C, 0x01, ELine::None, EReply::OneByte},         // mark tone on (FFSK)
    {0x7C, 0x00, ELine::None, EReply::OneByte},         // mark tone off
    {0x85, 0x01, ELine::DtrOn, EReply::Drained},        // modem firmware upgrade on
    {0x85, 0x00, ELine::DtrOff, EReply::Drained},       // modem firmware upgrade off
    {0x86, 0x01, ELine::None, EReply::Checked},         // radio reset
    {0x50, 0x01, ELine::None, EReply::OneByte},         // squelch: store opening level
    {0x51, 0x02, ELine::None, EReply::OneByte},         // squelch: store closing level
    {0x52, 0x03, ELine::None, EReply::OneByte},         // squelch: factory default
    {0x56, 0x04, ELine::None, EReply::OneByte},         // squelch: save
};
static_assert(std::size(kCommands) == static_cast<size_t>(EServiceCommand::SquelchSave) + 1);

constexpr uint8_t kCmdServiceMode = 0x88;
constexpr uint8_t kCmdStatus = 0x53;
constexpr uint8_t kParamService = 0x66;
constexpr uint8_t kCmdSelectChannel = 0x64;

bool WriteFrame(CRadioPort& port, uint8_t command, uint8_t argument) {
    const CShortFrame frame = ShortFrame(command, argument);
    return port.Write(frame.data(), 3) == 3;
}

// The service replies are read without their zero bytes (the radio pads with them).
std::vector<uint8_t> DrainNonZero(CRadioPort& port) {
    std::vector<uint8_t> reply = DrainQueue(port);
    std::erase(reply, 0);
    return reply;
}

}  // namespace

EServiceStart CServiceLink::Start(int comNumber, const std::string& device) {
    const std::string path = device.empty() ? ComDevicePath(comNumber) : device;
    std::string reason = m_CheckPort ? m_CheckPort(comNumber, path) : std::string();
    if (!reason.empty() ||
        !m_Port.Open(path, 9600, static_cast<uint16_t>(comNumber > 0 ? comNumber - 1 : 0))) {
        if (reason.empty()) {
            reason = m_Port.OpenFailureText();
        }
        const std::string head =
            TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "Fail to open PORT%d"), comNumber);
        m_Sink.ShowMessage(reason.empty() ? head : head + "\n" + reason);
        m_Port.Close();
        return EServiceStart::OpenFailed;
    }
    m_bLinkOpen = true;
    m_Port.SetRts(false);
    m_Port.SetDtr(false);
    m_Port.WaitMs(100);
    WriteFrame(m_Port, kCmdServiceMode, kParamService);
    m_Port.WaitMs(kServiceStartWaitMs);
    WriteFrame(m_Port, kCmdStatus, kParamService);
    m_Port.WaitMs(kServiceStartWaitMs);
    const std::vector<uint8_t> reply = DrainNonZero(m_Port);
    for (size_t i = 0; i < reply.size(); ++i) {
        if (reply[i] == kReplyRefused) {
            m_Sink.ShowMessage(kTextStatusError);
            End();
            return EServiceStart::Refused;
        }
        if (reply[i] == kReplyReady) {
            const auto at = [&](size_t k) { return i + k < reply.size() ? reply[i + k] : uint8_t{0}; };
            if (i + 2 < reply.size()) {  // a record without its version byte tells nothing reliable
                m_Status = {true, at(1), at(2), at(3)};
                m_Status.m_bComplete = i == 0 && i + 3 < reply.size() && at(1) >= 1 && at(1) <= 16;
            }
            break;
        }
    }
    m_Port.SetRts(false);
    return EServiceStart::Opened;
}

void CServiceLink::End() {
    m_Port.Close();
    m_bLinkOpen = false;
}

void CServiceLink::ReplyCheck(SCommandResult& result) {
    if (result.m_Code == EReplyCode::Invalid) {
        m_Sink.ShowMessage(kTextInvalidCommand);
    } else if (result.m_Code == EReplyCode::NotAllowed) {
        m_Sink.ShowMessage(kTextNotAllowed);
    }
}

// A frame that did not get out, or a reply that was partly dropped, is said once, in the user's words.
bool CServiceLink::PortFailed() {
    const char* text = m_bStalled ? kTextPortStalled : m_Port.TakeOverflow() ? kTextBytesLost : nullptr;
    if (text != nullptr) {
        m_Sink.ShowMessage(text);
        m_bStalled = false;
    }
    return text != nullptr;
}

bool CServiceLink::SendFrame(uint8_t command, uint8_t argument) {
    m_bStalled = !WriteFrame(m_Port, command, argument);
    return !m_bStalled;
}

SCommandResult CServiceLink::DrainReply(bool check) {
    SCommandResult result;
    const std::vector<uint8_t> reply = DrainNonZero(m_Port);
    if (PortFailed()) {
        result.m_Code = EReplyCode::NoAnswer;
        return result;
    }
    result.m_bAnswered = !reply.empty();
    result.m_nByte = reply.empty() ? 0 : reply[0];
    if (check) {
        for (uint8_t b : reply) {
            if (b == kReplyRefused || b == kReplyNotAllowed) {
                result.m_Code = b == kReplyRefused ? EReplyCode::Invalid : EReplyCode::NotAllowed;
                break;
            }
        }
        ReplyCheck(result);
    }
    return result;
}

SCommandResult CServiceLink::TakeOneByte() {
    SCommandResult result;
    if (PortFailed()) {
        result.m_Code = EReplyCode::NoAnswer;
        return result;
    }
    result.m_bAnswered = m_Port.PopByte(result.m_nByte);
    return result;
}

// Some GPS commands are sent until the radio says anything at all, but never for longer than about 3 s.
SCommandResult CServiceLink::RepeatUntilReply(uint8_t command, uint8_t argument) {
    for (int attempt = 0; attempt < kRepeatTries; ++attempt) {
        SendFrame(command, argument);
        m_Port.WaitMs(kServiceWaitMs);
        SCommandResult result = DrainReply(false);
        if (result.m_bAnswered || result.m_Code == EReplyCode::NoAnswer) {
            return result;
        }
        m_Port.WaitMs(kRepeatPauseMs);
    }
    m_Sink.ShowMessage(kTextNoAnswer);
    SCommandResult result;
    result.m_Code = EReplyCode::NoAnswer;
    return result;
}

SCommandResult CServiceLink::Send(EServiceCommand command) {
    const SCommandDef& def = kCommands[static_cast<size_t>(command)];
    if (def.m_Reply == EReply::Repeated) {
        return RepeatUntilReply(def.m_nCommand, def.m_nArgument);
    }
    SendFrame(def.m_nCommand, def.m_nArgument);
    if (def.m_Line != ELine::None) {
        m_Port.SetDtr(def.m_Line == ELine::DtrOn);
    }
    m_Port.WaitMs(kServiceWaitMs);
    switch (def.m_Reply) {
        case EReply::Checked:
            return DrainReply(true);
        case EReply::OneByte:
            return TakeOneByte();
        case EReply::OneByteChecked: {
            SCommandResult result = TakeOneByte();
            if (result.m_bAnswered && result.m_nByte == kReplyRefused) {
                result.m_Code = EReplyCode::Invalid;
                ReplyCheck(result);
            }
            return result;
        }
        default:
            return DrainReply(false);
    }
}

SCommandResult CServiceLink::SelectChannel(int channel) {
    SendFrame(kCmdSelectChannel, static_cast<uint8_t>(channel - 1));
    m_Port.WaitMs(kServiceWaitMs);
    return DrainReply(true);  // every channel change is checked, not only some
}
