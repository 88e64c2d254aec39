#include "RadioSimulator.h"

#include <algorithm>

#include "Format.h"
#include "LinkFrames.h"

namespace {

constexpr uint8_t kCmdServiceMode = 0x88;
constexpr uint8_t kCmdStatus = 0x53;
constexpr uint8_t kCmdSelectChannel = 0x64;
constexpr uint8_t kCmdRadioMode = 0x61;
constexpr uint8_t kArgTransmit = 0x74;
constexpr uint8_t kArgReceive = 0x72;
constexpr int kHostBlockSize = kBlockFrameSize + 2;  // with the trailer
constexpr int kShortBlockBytes = 15;

// The service commands the radio knows besides mode, status, channel and transmit/receive.
constexpr uint8_t kServiceCommands[] = {0x62, 0x63, 0x6A, 0x75, 0x7A, 0x7E, 0x7C,
                                        0x85, 0x86, 0x50, 0x51, 0x52, 0x56};

bool Consume(int& count) {
    if (count > 0) {
        --count;
        return true;
    }
    return false;
}

}  // namespace

CRadioSimulator::CRadioSimulator() {
    // A radio fresh from the factory: a KV310 VHF holding the default configuration with one channel.
    CDataRadioDoc doc;
    doc.m_Channel[0].m_dRxFreq = 150.0;
    doc.m_Channel[0].m_dTxFreq = 150.0;
    CEepromImage image;
    image.EncodeImage(doc);
    m_Eeprom = image.m_Work;
}

void CRadioSimulator::Send(const std::vector<uint8_t>& bytes, int64_t atUs) {
    int64_t due = std::max(atUs, m_nLastDueUs);
    for (uint8_t b : bytes) {
        due += kByteTimeUs;
        m_Outbox.push_back({due, b});
    }
    m_nLastDueUs = due;
}

int CRadioSimulator::TakeDue(int64_t nowUs, std::vector<uint8_t>& out) {
    int taken = 0;
    while (!m_Outbox.empty() && m_Outbox.front().m_nDueUs <= nowUs) {
        out.push_back(m_Outbox.front().m_nByte);
        m_Outbox.pop_front();
        ++taken;
    }
    return taken;
}

void CRadioSimulator::Receive(const uint8_t* data, int length, int64_t nowUs) {
    for (int i = 0; i < length; ++i) {
        m_Received.push_back(data[i]);
        if (m_Faults.m_bSilent || m_bGoneSilent) {
            continue;
        }
        if (!m_Pending.empty() && nowUs - m_nPendingSinceUs > kFrameGapUs) {
            Log("dropped a broken frame");
            m_Pending.clear();
        }
        if (m_Pending.empty()) {
            m_nPendingSinceUs = nowUs;
        }
        m_Pending.push_back(data[i]);
        Process(nowUs);
    }
}

void CRadioSimulator::Process(int64_t nowUs) {
    // A frame that does not start like a block or an acknowledge is a command again (e.g. the leave frame
    // after a broken transfer).
    if (m_Mode == EMode::WriteBlocks && m_Pending[0] != kBlockHeader[0]) {
        m_Mode = EMode::Command;
    }
    if (m_Mode == EMode::ReadBlocks && m_Pending[0] != kBlockAccepted && m_Pending[0] != kBlockResend) {
        m_Mode = EMode::Command;
    }
    switch (m_Mode) {
        case EMode::Command:
            if (m_Pending.size() == 3) {
                const std::vector<uint8_t> frame = m_Pending;
                m_Pending.clear();
                HandleCommand(frame[0], frame[1], frame[2], nowUs);
            }
            break;
        case EMode::WriteBlocks:
            if (m_Pending.size() == kHostBlockSize) {
                HandleWriteBlock(nowUs);
                m_Pending.clear();
            }
            break;
        case EMode::ReadBlocks:
            if (m_Pending.size() == 2) {
                HandleAck(nowUs);
                m_Pending.clear();
            }
            break;
    }
}

bool CRadioSimulator::AnswerRequest(int64_t nowUs) {
    if (m_Faults.m_bRefuse || !m_bProgramming) {
        Send({kReplyRefused}, nowUs + kTurnaroundUs);
        return false;
    }
    std::vector<uint8_t> reply = m_Faults.m_Noise;
    if (m_Faults.m_bNoReady) {
        Send(reply, nowUs + kTurnaroundUs);
        return false;
    }
    reply.push_back(kReplyReady);
    if (m_Faults.m_bDoubleReady) {
        reply.push_back(kReplyReady);
    }
    reply.push_back(m_nVersion);
    Send(reply, nowUs + kTurnaroundUs);
    return true;
}

void CRadioSimulator::HandleCommand(uint8_t command, uint8_t argument, uint8_t check, int64_t nowUs) {
    if (static_cast<uint8_t>(command + argument) != check) {
        Log("bad frame");
        Send({kReplyRefused}, nowUs + kTurnaroundUs);
        return;
    }
    if (command == kCmdEnter && argument == 0) {
        Log("enter");
        m_bProgramming = true;
    } else if (command == kCmdLeave && argument == 0) {
        Log("leave");
        m_bProgramming = false;
        m_bServiceMode = false;
    } else if (command == kCmdWriteRequest && argument == kParamWriteRequest) {
        Log("write request");
        if (AnswerRequest(nowUs)) {
            m_Mode = EMode::WriteBlocks;
            m_nBlock = 0;
        }
    } else if (command == kCmdReadRequest && argument == kParamReadRequest) {
        Log("read request");
        if (AnswerRequest(nowUs)) {
            m_Mode = EMode::ReadBlocks;
            m_nBlock = 0;
            SendBlock(0, nowUs + kFirstBlockDelayUs);
        }
    } else {
        HandleServiceCommand(command, argument, nowUs);
    }
}

void CRadioSimulator::HandleServiceCommand(uint8_t command, uint8_t argument, int64_t nowUs) {
    Log(StrPrintf("command %02X %02X", command, argument));
    if (command == m_Faults.m_nIgnoredCommand) {
        return;
    }
    const int64_t at = nowUs + kTurnaroundUs;
    if (command == kCmdServiceMode && argument == 0x66) {
        m_bServiceMode = true;
    } else if (m_Faults.m_bServiceGarbage) {
        Send(std::vector<uint8_t>(std::begin(kServiceGarbage), std::end(kServiceGarbage)), at);
    } else if (command == kCmdStatus && argument == 0x66) {
        if (m_Faults.m_bRefuse) {
            Send({kReplyRefused}, at);
        } else {
            std::vector<uint8_t> record = {kReplyReady, m_nChannel, m_nVersion, m_nModem};
            record.resize(static_cast<size_t>(std::clamp(m_Faults.m_nStatusBytes, 0, 4)));
            Send(record, at);
        }
    } else if (!m_bServiceMode) {
        Send({kReplyRefused}, at);
    } else if (m_Faults.m_nServiceRefusal != 0) {
        Send({m_Faults.m_nServiceRefusal}, at);
    } else if (command == kCmdSelectChannel) {
        if (argument < 16) {
            m_nChannel = static_cast<uint8_t>(argument + 1);
        } else {
            Send({kReplyRefused}, at);
        }
    } else if (command == kCmdRadioMode && argument == kArgTransmit) {
        if (m_Faults.m_bTransmitNotAllowed) {
            Send({kReplyNotAllowed}, at);
        } else {
            m_bTransmitting = true;
        }
    } else if (command == kCmdRadioMode && argument == kArgReceive) {
        m_bTransmitting = false;
    } else if (std::find(std::begin(kServiceCommands), std::end(kServiceCommands), command) !=
               std::end(kServiceCommands)) {
        Send({m_nServiceReply}, at);
    } else {
        Send({kReplyRefused}, at);
    }
}

void CRadioSimulator::HandleWriteBlock(int64_t nowUs) {
    const int address = m_nBlock * kImageBlockSize;
    const uint8_t* frame = m_Pending.data();
    const bool good = std::equal(std::begin(kBlockHeader), std::end(kBlockHeader), frame) &&
                      frame[3] == static_cast<uint8_t>(address >> 8) &&
                      frame[4] == static_cast<uint8_t>(address & 0xFF) &&
                      frame[kBlockChecksumOffset] == BlockChecksum(frame + kBlockDataOffset) &&
                      frame[22] == kBlockTrailer[0] && frame[23] == kBlockTrailer[1];
    if (!good || (m_nBlock == m_Faults.m_nNakBlock && Consume(m_Faults.m_nNakCount))) {
        Log(StrPrintf("refused block %d", m_nBlock));
        Send({kBlockResend}, nowUs + kTurnaroundUs);
        return;
    }
    if (m_nBlock == m_Faults.m_nGarbledAnswerBlock) {
        Log(StrPrintf("garbled answer to block %d", m_nBlock));
        Send(std::vector<uint8_t>(std::begin(kServiceGarbage), std::end(kServiceGarbage)),
             nowUs + kTurnaroundUs);
        return;
    }
    std::copy_n(frame + kBlockDataOffset, kImageBlockSize, m_Eeprom.begin() + address);
    const int worn = m_Faults.m_nWrongByteAddress;
    if (worn >= address && worn < address + kImageBlockSize) {
        m_Eeprom[worn] ^= 0x01;
    }
    Log(StrPrintf("block %d", m_nBlock));
    Send({kBlockAccepted}, nowUs + kTurnaroundUs);
    if (m_nBlock == m_Faults.m_nSilentAfterBlock || m_nBlock == m_Faults.m_nSilentAfterWriteBlock) {
        m_bGoneSilent = true;
    }
    if (++m_nBlock == kImageBlocks) {
        m_Mode = EMode::Command;
    }
}

void CRadioSimulator::HandleAck(int64_t nowUs) {
    if (m_Pending[0] == kBlockAccepted) {
        Log(StrPrintf("block %d", m_nBlock));
        if (++m_nBlock == kImageBlocks) {
            m_Mode = EMode::Command;
            return;
        }
    } else {
        Log(StrPrintf("resend block %d", m_nBlock));
    }
    SendBlock(m_nBlock, nowUs + kTurnaroundUs);
}

void CRadioSimulator::SendBlock(int block, int64_t atUs) {
    CBlockFrame frame = BlockFrame(m_Eeprom, block);
    int length = kBlockFrameSize;
    if (block == m_Faults.m_nBadSumBlock && Consume(m_Faults.m_nBadSumCount)) {
        frame[kBlockChecksumOffset] ^= 0xFF;
    }
    if (block == m_Faults.m_nWrongAddressBlock && Consume(m_Faults.m_nWrongAddressCount)) {
        // the next block's address, with a checksum that still fits the data
        frame[4] = static_cast<uint8_t>(frame[4] + kImageBlockSize);
        if (frame[4] == 0) {
            frame[3] ^= 0x01;
        }
    }
    if (block == m_Faults.m_nShortBlock && Consume(m_Faults.m_nShortCount)) {
        length = kShortBlockBytes;
    }
    ++m_nBlockSends;
    Send(std::vector<uint8_t>(frame.begin(), frame.begin() + length), atUs);
    if (block == m_Faults.m_nSilentAfterBlock) {
        m_bGoneSilent = true;
    }
}
