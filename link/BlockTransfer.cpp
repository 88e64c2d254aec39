#include "BlockTransfer.h"

#include <algorithm>

#include "Format.h"
#include "LinkFrames.h"
#include "PortNames.h"
#include "TextMark.h"

const char* const kTextWriting = KV310_TEXT("Messages", "Writing.....!");
const char* const kTextReading = KV310_TEXT("Messages", "Reading.....!");
const char* const kTextCommError =
    KV310_TEXT("Messages", "Communication Error !!!   Check your radio connection to PC !!!");
const char* const kTextWriteRefused = KV310_TEXT("Messages", "Write Fail..!");
const char* const kTextReadRefused = KV310_TEXT("Messages", "Read Fail..!");
const char* const kTextWriteFail = KV310_TEXT("Messages", "Write Fail!");
const char* const kTextReadFail = KV310_TEXT("Messages", "Read Fail!");
const char* const kTextWriteCancelled =
    KV310_TEXT("Messages",
               "Write cancelled. The radio holds a partly written configuration: write it again before "
               "using the radio.");
const char* const kTextReadCancelled = KV310_TEXT("Messages", "Read cancelled. Nothing was changed.");
const char* const kTextStoppedBeforeWrite =
    KV310_TEXT("Messages", "Stopped before the write: the radio holds what it held.");
const char* const kTextWriteData = KV310_TEXT("Messages", "Write Data!");
const char* const kTextReadData = KV310_TEXT("Messages", "Read Data");
const char* const kPllIcA02 = "MB15A02SL";
const char* const kPllIcE03 = "MB15E03SL";

namespace {

constexpr int kPllIcAddress = 4;      // bit 0 set: the radio carries the MB15A02SL synthesizer
constexpr uint8_t kVersion11 = 0x11;  // firmware 1.1 wants 3 in image byte 16, every other version 2

}  // namespace

void CBlockTransfer::Status(const std::string& text) {
    if (m_Hooks.SetStatus) {
        m_Hooks.SetStatus(text);
    }
}

void CBlockTransfer::DataStatus(const char* text) {
    if (m_Hooks.DataStatus) {
        m_Hooks.DataStatus(text);
    }
}

void CBlockTransfer::Progress(int address) {
    if (m_Hooks.SetProgress) {
        m_Hooks.SetProgress(address);
    }
}

// A write that did not get out in time leaves the transfer nothing to wait for.
bool CBlockTransfer::Send(const uint8_t* data, int length) {
    if (m_bStalled) {
        return false;
    }
    m_bStalled = m_Port.Write(data, length) < length;
    return !m_bStalled;
}

std::vector<uint8_t> CBlockTransfer::Drain() {
    std::vector<uint8_t> reply = DrainQueue(m_Port);
    if (m_Port.TakeOverflow()) {
        m_bBytesLost = true;
    }
    return reply;
}

bool CBlockTransfer::CancelRequested() const {
    return (m_pCancel != nullptr && m_pCancel->load()) || (m_pStop != nullptr && m_pStop->load());
}

std::string CBlockTransfer::PortName() const {
    return m_nComNumber > 0 ? StrPrintf("COM%d", m_nComNumber) : Device();
}

std::string CBlockTransfer::Device() const {
    return m_strDevice.empty() ? ComDevicePath(m_nComNumber) : m_strDevice;
}

bool CBlockTransfer::OpenLink(uint32_t baudRate) {
    const uint16_t index = static_cast<uint16_t>(m_nComNumber > 0 ? m_nComNumber - 1 : 0);
    const std::string device = Device();
    std::string reason = m_CheckPort ? m_CheckPort(m_nComNumber, device) : std::string();
    if (reason.empty() && m_Port.Open(device, baudRate, index)) {
        return true;
    }
    if (reason.empty()) {
        reason = m_Port.OpenFailureText();
    }
    const std::string head =
        m_nComNumber > 0 || device.empty()
            ? TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "Fail to open PORT%d"), m_nComNumber)
            : TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "Fail to open %s"), device.c_str());
    m_strFailure = reason.empty() ? head : head + "\n" + reason;
    m_Failure.m_Stage = EStage::OpenPort;
    m_Failure.m_Did = ERadioDid::PortUnusable;
    m_End = ETransferEnd::Failed;
    Status(m_strFailure);
    m_Port.Close();
    return false;
}

// Ends a transfer that broke off; the more telling cause wins over the protocol's own text.
bool CBlockTransfer::Fail(const char* text, bool leave, ERadioDid did) {
    m_strFailure = m_bStalled ? kTextPortStalled : m_bBytesLost ? kTextBytesLost : text;
    m_Failure.m_Did = m_bStalled ? ERadioDid::PortStalled : m_bBytesLost ? ERadioDid::BytesLost : did;
    m_End = ETransferEnd::Failed;
    Status(m_strFailure);
    if (leave) {
        const CShortFrame frame = ShortFrame(kCmdLeave, 0x00);
        Send(frame.data(), 3);
    }
    m_Port.Close();
    return false;
}

// Opens the port, enters programming mode and sends the request. True when the radio answered 0xAA; every
// other outcome has shown its text and closed the port.
bool CBlockTransfer::StartTransfer(uint8_t command, uint8_t parameter, const char* workingText,
                                   const char* refusedText) {
    m_nVersion = -1;
    m_End = ETransferEnd::Done;
    m_strFailure.clear();
    m_bStalled = false;
    m_bBytesLost = false;
    m_Failure = STransferFailure();
    m_Failure.m_bWrite = command == kCmdWriteRequest;
    m_Failure.m_strPort = PortName();
    if (!OpenLink(9600)) {
        return false;
    }
    m_Port.WaitMs(kWaitAfterOpenMs);
    const CShortFrame enter = ShortFrame(kCmdEnter, 0x00);
    Send(enter.data(), 3);
    m_Port.SetDtr(false);
    m_Port.WaitMs(kWaitAfterEnterMs);
    Drain();  // whatever the radio said to the enter frame does not matter
    if (command == kCmdWriteRequest && CancelRequested()) {
        // stopped before the write request: the radio leaves programming mode holding what it held
        EndWithLeave();
        m_End = ETransferEnd::Cancelled;
        m_strFailure = kTextStoppedBeforeWrite;
        Status(m_strFailure);
        return false;
    }

    Status(workingText);
    const CShortFrame request = ShortFrame(command, parameter);
    Send(request.data(), 3);
    m_Port.WaitMs(kWaitForReplyMs);
    const std::vector<uint8_t> reply = Drain();
    if (m_bStalled || reply.empty()) {
        return Fail(kTextCommError, false, ERadioDid::NoAnswer);
    }
    const auto found = std::find_if(reply.begin(), reply.end(),
                                    [](uint8_t b) { return b == kReplyRefused || b == kReplyReady; });
    // The radio was told to enter programming mode: whatever it answered, it is told to leave again.
    if (found == reply.end()) {
        // Line noise without an answer (a silent end looked like success).
        return Fail(kTextCommError, true, ERadioDid::Garbled);
    }
    if (*found == kReplyRefused) {
        // A refusal is the answer alone; a 0x55 inside other bytes (noise before the ready byte) is garbled.
        const bool plain =
            found == reply.begin() && std::find(reply.begin(), reply.end(), kReplyReady) == reply.end();
        return plain ? Fail(refusedText, true, ERadioDid::Refused)
                     : Fail(kTextCommError, true, ERadioDid::Garbled);
    }
    // Some radios repeat the ready byte; the version is the first byte after the 0xAA run of two.
    auto version = found + 1;
    if (version != reply.end() && *version == kReplyReady) {
        ++version;
    }
    m_nVersion = version != reply.end() ? *version : 0;
    m_Failure.m_Stage = EStage::Blocks;
    return true;
}

void CBlockTransfer::EndWithLeave() {
    const CShortFrame frame = ShortFrame(kCmdLeave, 0x00);
    Send(frame.data(), 3);
    m_Port.Close();
}

bool CBlockTransfer::EndCancelled(const char* text) {
    // Whatever the radio is sending now is of no use; then it is told to leave programming mode.
    m_Port.WaitMs(kWaitForReplyMs);
    Drain();
    Progress(0);
    EndWithLeave();
    m_End = ETransferEnd::Cancelled;
    m_strFailure = text;
    Status(text);
    return false;
}

bool CBlockTransfer::EndWithBlockFailure(const char* text) {
    Fail(text, false, m_BlockDid);
    // The radio stays in programming mode: no leave frame, as after any broken block.
    Progress(0);
    return false;
}

bool CBlockTransfer::WriteImage(CImageBytes& image) {
    m_nBlocksWritten = 0;
    if (CancelRequested()) {  // not even the enter frame goes out
        m_Failure = STransferFailure();
        m_Failure.m_bWrite = true;
        m_End = ETransferEnd::Cancelled;
        m_strFailure = kTextStoppedBeforeWrite;
        Status(m_strFailure);
        return false;
    }
    if (!StartTransfer(kCmdWriteRequest, kParamWriteRequest, kTextWriting, kTextWriteRefused)) {
        return false;
    }
    if (m_Hooks.ShowVersion) {
        m_Hooks.ShowVersion(VersionText(static_cast<uint8_t>(m_nVersion)));
    }
    image[kVersionFirmwareByte] = m_nVersion == kVersion11 ? 3 : 2;
    if (!WriteBlocks(image)) {
        return m_End == ETransferEnd::Cancelled ? false : EndWithBlockFailure(kTextWriteFail);
    }
    Progress(0);
    EndWithLeave();
    return !m_bStalled || Fail(kTextPortStalled, false, ERadioDid::PortStalled);
}

bool CBlockTransfer::WriteBlocks(const CImageBytes& image) {
    for (int block = 0; block < kImageBlocks; ++block) {
        if (CancelRequested()) {  // the radio holds what it held until it took block 0
            return EndCancelled(block == 0 ? kTextStoppedBeforeWrite : kTextWriteCancelled);
        }
        m_Failure.m_nBlock = block;
        if (!WriteOneBlock(image, block)) {
            return false;
        }
        m_nBlocksWritten = block + 1;
        DataStatus(kTextWriteData);
        Progress(block * kImageBlockSize + kImageBlockSize - 1);
    }
    return true;
}

bool CBlockTransfer::WriteOneBlock(const CImageBytes& image, int block) {
    m_nRetry = 0;
    m_bBlockFailed = false;
    const CBlockFrame frame = BlockFrame(image, block);
    for (;;) {
        Send(frame.data(), kBlockDataOffset);
        Send(frame.data() + kBlockDataOffset, kImageBlockSize);
        m_Port.WaitMs(kWaitBeforeChecksumMs);  // the radio needs 50 ms between the data and the checksum
        Send(frame.data() + kBlockChecksumOffset, 1);
        Send(kBlockTrailer, 2);
        m_Port.WaitMs(kWaitForReplyMs);
        const std::vector<uint8_t> reply = Drain();
        if (!m_bStalled && !m_bBytesLost && !reply.empty() && reply[0] == kBlockAccepted) {
            return true;
        }
        if (!m_bStalled && !m_bBytesLost && !reply.empty() && reply[0] == kBlockResend &&
            ++m_nRetry <= kWriteBlockResends) {
            continue;
        }
        // Nothing, something else, or a fourth refusal: the block did not get into the radio.
        m_BlockDid = reply.empty()              ? ERadioDid::NoAnswer
                     : reply[0] == kBlockResend ? ERadioDid::BlockRefused
                                                : ERadioDid::Garbled;
        m_bBlockFailed = true;
        return false;
    }
}

bool CBlockTransfer::ReadImage(CImageBytes& received) {
    if (!StartTransfer(kCmdReadRequest, kParamReadRequest, kTextReading, kTextReadRefused)) {
        return false;
    }
    if (m_Hooks.ShowVersion) {
        m_Hooks.ShowVersion(VersionText(static_cast<uint8_t>(m_nVersion)));
    }
    DataStatus(kTextReadData);
    if (!ReadBlocks(received)) {
        return m_End == ETransferEnd::Cancelled ? false : EndWithBlockFailure(kTextReadFail);
    }
    Progress(0);
    if (m_Hooks.SelectPllIc) {
        m_Hooks.SelectPllIc((received[kPllIcAddress] & 0x01) != 0 ? kPllIcA02 : kPllIcE03);
    }
    EndWithLeave();
    return !m_bStalled || Fail(kTextPortStalled, false, ERadioDid::PortStalled);
}

bool CBlockTransfer::ReadBlocks(CImageBytes& received) {
    for (int block = 0; block < kImageBlocks; ++block) {
        if (CancelRequested()) {
            return EndCancelled(kTextReadCancelled);
        }
        m_Failure.m_nBlock = block;
        if (!ReadOneBlock(received, block)) {
            return false;
        }
    }
    return true;
}

// The radio sends block 0 after its 0xAA and every further block after our acknowledge. A block that is
// short, carries another block's address or fails its checksum is asked for again (0x58); its bytes are
// never stored, so a failed read cannot leave a hole in an image that looks complete.
bool CBlockTransfer::ReadOneBlock(CImageBytes& received, int block) {
    m_nRetry = 0;
    m_bBlockFailed = false;
    const int address = block * kImageBlockSize;
    for (;;) {
        m_Port.WaitMs(kWaitForReplyMs);
        std::vector<uint8_t> reply = Drain();
        if (m_bStalled || m_bBytesLost || reply.empty() || reply[0] != kBlockHeader[0]) {
            m_BlockDid = reply.empty() ? ERadioDid::NoAnswer : ERadioDid::Garbled;
            m_bBlockFailed = true;
            return false;
        }
        const bool whole = reply.size() >= kBlockFrameSize;
        reply.resize(std::max<size_t>(reply.size(), kBlockFrameSize), 0);
        const uint8_t checksum = BlockChecksum(&reply[kBlockDataOffset]);
        const bool addressed = reply[1] == kBlockHeader[1] && reply[2] == kBlockHeader[2] &&
                               reply[3] == static_cast<uint8_t>(address >> 8) &&
                               reply[4] == static_cast<uint8_t>(address & 0xFF);
        if (whole && addressed && checksum == reply[kBlockChecksumOffset]) {
            std::copy_n(reply.begin() + kBlockDataOffset, kImageBlockSize, received.begin() + address);
            Progress(address + kImageBlockSize - 1);
            const uint8_t ack[2] = {kBlockAccepted, checksum};
            Send(ack, 2);
            return true;
        }
        const uint8_t nak[2] = {kBlockResend, checksum};
        Send(nak, 2);
        if (m_nRetry == kReadBlockRetries) {
            m_BlockDid = ERadioDid::Garbled;
            m_bBlockFailed = true;
            return false;
        }
        ++m_nRetry;
    }
}

bool CBlockTransfer::LeaveProgramming() {
    if (!m_Port.Open(Device(), 4800, static_cast<uint16_t>(m_nComNumber > 0 ? m_nComNumber - 1 : 0))) {
        m_Port.Close();
        return false;
    }
    m_Port.WaitMs(kWaitAfterOpenMs);
    const CShortFrame frame = ShortFrame(kCmdLeave, 0x00);
    const bool sent = m_Port.Write(frame.data(), 3) == 3;
    m_Port.Close();
    return sent;
}
