#include "BlockTransfer.h"

#include <algorithm>

#include "Format.h"
#include "LinkFrames.h"
#include "PortNames.h"

const char* const kTextWriting = "Writing.....!";
const char* const kTextReading = "Reading.....!";
const char* const kTextCommError = "Communication Error !!!   Check your radio connection to PC !!!";
const char* const kTextWriteRefused = "Write Fail..!";
const char* const kTextReadRefused = "Read Fail..!";
const char* const kTextWriteFail = "Write Fail!";
const char* const kTextReadFail = "Read Fail!";
const char* const kPllIcA02 = "MB15A02SL";
const char* const kPllIcE03 = "MB15E03SL";

namespace {

constexpr int kPllIcAddress = 4;  // bit 0 set: the radio carries the MB15A02SL synthesizer
constexpr int kVersionFirmwareByte = 16;
constexpr uint8_t kVersion11 = 0x11;  // firmware 1.1 wants 3 in image byte 16, every other version 2

void WriteFrame(CRadioPort& port, const CShortFrame& frame) {
    port.Write(frame.data(), 3);
}

}  // namespace

void CBlockTransfer::Status(const std::string& text) {
    if (m_Hooks.SetStatus) {
        m_Hooks.SetStatus(text);
    }
}

void CBlockTransfer::Progress(int address) {
    if (m_Hooks.SetProgress) {
        m_Hooks.SetProgress(address);
    }
}

bool CBlockTransfer::OpenLink(uint32_t baudRate) {
    const std::string device = m_strDevice.empty() ? ComDevicePath(m_nComNumber) : m_strDevice;
    const uint16_t index = static_cast<uint16_t>(m_nComNumber > 0 ? m_nComNumber - 1 : 0);
    if (m_Port.Open(device, baudRate, index)) {
        return true;
    }
    const std::string reason = m_Port.OpenFailureText();
    const std::string head = m_nComNumber > 0 || device.empty()
                                 ? StrPrintf("Fail to open PORT%d", m_nComNumber)
                                 : "Fail to open " + device;
    Status(reason.empty() ? head : head + "\n" + reason);
    m_Port.Close();
    return false;
}

// Opens the port, enters programming mode and sends the request. True when the radio answered 0xAA; every
// other outcome has shown its text and closed the port.
bool CBlockTransfer::StartTransfer(uint8_t command, uint8_t parameter, const char* workingText,
                                   const char* refusedText) {
    m_nVersion = -1;
    if (!OpenLink(9600)) {
        return false;
    }
    m_Port.WaitMs(kWaitAfterOpenMs);
    WriteFrame(m_Port, ShortFrame(kCmdEnter, 0x00));
    m_Port.SetDtr(false);
    m_Port.WaitMs(kWaitAfterEnterMs);
    DrainQueue(m_Port);  // whatever the radio said to the enter frame does not matter

    Status(workingText);
    WriteFrame(m_Port, ShortFrame(command, parameter));
    m_Port.WaitMs(kWaitForReplyMs);
    const std::vector<uint8_t> reply = DrainQueue(m_Port);
    if (reply.empty()) {
        Status(kTextCommError);
        m_Port.Close();
        return false;
    }
    const auto found = std::find_if(reply.begin(), reply.end(),
                                    [](uint8_t b) { return b == kReplyRefused || b == kReplyReady; });
    if (found == reply.end()) {
        // Line noise without an answer: leave programming mode again and say so (a silent end looked
        // like success).
        Status(kTextCommError);
        WriteFrame(m_Port, ShortFrame(kCmdLeave, 0x00));
        m_Port.Close();
        return false;
    }
    if (*found == kReplyRefused) {
        Status(refusedText);
        m_Port.Close();
        return false;
    }
    // Some radios repeat the ready byte; the version is the first byte after the 0xAA run of two.
    auto version = found + 1;
    if (version != reply.end() && *version == kReplyReady) {
        ++version;
    }
    m_nVersion = version != reply.end() ? *version : 0;
    return true;
}

void CBlockTransfer::EndWithLeave() {
    WriteFrame(m_Port, ShortFrame(kCmdLeave, 0x00));
    m_Port.Close();
    if (m_Hooks.RefreshView) {
        m_Hooks.RefreshView();
    }
}

void CBlockTransfer::EndWithBlockFailure(const char* text) {
    Status(text);
    m_Doc.m_bTransferFailed = 1;
    // The radio stays in programming mode: no leave frame, as after any broken block.
    Progress(0);
    m_Doc.m_bTransferFailed = 0;
    m_Port.Close();
}

bool CBlockTransfer::WriteRadio() {
    m_Image.EncodeImage(m_Doc);
    if (m_Hooks.ApplyMapChanges) {
        m_Hooks.ApplyMapChanges(m_Image);
    } else {
        m_Image.ApplyChangeBytes();
    }
    if (!StartTransfer(kCmdWriteRequest, kParamWriteRequest, kTextWriting, kTextWriteRefused)) {
        return false;
    }
    if (m_Hooks.ShowVersion) {
        m_Hooks.ShowVersion(StrPrintf("%d . %d", m_nVersion >> 4, m_nVersion & 0x0F));
    }
    m_Image.m_Work[kVersionFirmwareByte] = m_nVersion == kVersion11 ? 3 : 2;
    if (!WriteBlocks()) {
        EndWithBlockFailure(kTextWriteFail);
        return false;
    }
    Progress(0);
    EndWithLeave();
    return true;
}

bool CBlockTransfer::WriteBlocks() {
    for (int block = 0; block < kImageBlocks; ++block) {
        if (!WriteOneBlock(block)) {
            return false;
        }
        Progress(block * kImageBlockSize + kImageBlockSize - 1);
    }
    return true;
}

bool CBlockTransfer::WriteOneBlock(int block) {
    m_nRetry = 0;
    m_bBlockFailed = 0;
    const CBlockFrame frame = BlockFrame(m_Image.m_Work, block);
    for (;;) {
        m_Port.Write(frame.data(), kBlockDataOffset);
        m_Port.Write(frame.data() + kBlockDataOffset, kImageBlockSize);
        m_Port.WaitMs(kWaitBeforeChecksumMs);  // the radio needs 50 ms between the data and the checksum
        m_Port.Write(frame.data() + kBlockChecksumOffset, 1);
        m_Port.Write(kBlockTrailer, 2);
        m_Port.WaitMs(kWaitForReplyMs);
        const std::vector<uint8_t> reply = DrainQueue(m_Port);
        if (!reply.empty() && reply[0] == kBlockAccepted) {
            return true;
        }
        if (!reply.empty() && reply[0] == kBlockResend && ++m_nRetry <= kWriteBlockResends) {
            continue;
        }
        // Nothing, something else, or a fourth refusal: the block did not get into the radio.
        m_bBlockFailed = 1;
        return false;
    }
}

bool CBlockTransfer::ReadRadio() {
    if (!StartTransfer(kCmdReadRequest, kParamReadRequest, kTextReading, kTextReadRefused)) {
        return false;
    }
    if (m_Hooks.ShowVersion) {
        m_Hooks.ShowVersion(StrPrintf("%d.%d", m_nVersion >> 4, m_nVersion & 0x0F));
    }
    if (!ReadBlocks()) {
        EndWithBlockFailure(kTextReadFail);
        return false;
    }
    Progress(0);
    m_Image.m_Work = m_Image.m_Read;
    m_Doc.m_bFileLoaded = 1;
    if (m_Hooks.RefillMap) {
        m_Hooks.RefillMap();
    }
    m_Image.DecodeImage(m_Doc);
    if (m_Hooks.SelectPllIc) {
        m_Hooks.SelectPllIc((m_Image.m_Work[kPllIcAddress] & 0x01) != 0 ? kPllIcA02 : kPllIcE03);
    }
    EndWithLeave();
    return true;
}

bool CBlockTransfer::ReadBlocks() {
    for (int block = 0; block < kImageBlocks; ++block) {
        if (!ReadOneBlock(block)) {
            return false;
        }
    }
    return true;
}

// The radio sends block 0 after its 0xAA and every further block after our acknowledge. A block that is
// short, carries another block's address or fails its checksum is asked for again (0x58); its bytes are
// never stored, so a failed read cannot leave a hole in an image that looks complete.
bool CBlockTransfer::ReadOneBlock(int block) {
    m_nRetry = 0;
    m_bBlockFailed = 0;
    const int address = block * kImageBlockSize;
    for (;;) {
        m_Port.WaitMs(kWaitForReplyMs);
        std::vector<uint8_t> reply = DrainQueue(m_Port);
        if (reply.empty() || reply[0] != kBlockHeader[0]) {
            m_bBlockFailed = 1;
            return false;
        }
        const bool whole = reply.size() >= kBlockFrameSize;
        reply.resize(std::max<size_t>(reply.size(), kBlockFrameSize), 0);
        const uint8_t checksum = BlockChecksum(&reply[kBlockDataOffset]);
        const bool addressed = reply[1] == kBlockHeader[1] && reply[2] == kBlockHeader[2] &&
                               reply[3] == static_cast<uint8_t>(address >> 8) &&
                               reply[4] == static_cast<uint8_t>(address & 0xFF);
        if (whole && addressed && checksum == reply[kBlockChecksumOffset]) {
            std::copy_n(reply.begin() + kBlockDataOffset, kImageBlockSize, m_Image.m_Read.begin() + address);
            Progress(address + kImageBlockSize - 1);
            const uint8_t ack[2] = {kBlockAccepted, checksum};
            m_Port.Write(ack, 2);
            return true;
        }
        const uint8_t nak[2] = {kBlockResend, checksum};
        m_Port.Write(nak, 2);
        if (m_nRetry == kReadBlockRetries) {
            m_bBlockFailed = 1;
            return false;
        }
        ++m_nRetry;
    }
}

bool CBlockTransfer::LeaveProgramming() {
    const std::string device = m_strDevice.empty() ? ComDevicePath(m_nComNumber) : m_strDevice;
    if (!m_Port.Open(device, 4800, static_cast<uint16_t>(m_nComNumber > 0 ? m_nComNumber - 1 : 0))) {
        m_Port.Close();
        return false;
    }
    m_Port.WaitMs(kWaitAfterOpenMs);
    WriteFrame(m_Port, ShortFrame(kCmdLeave, 0x00));
    m_Port.Close();
    return true;
}
