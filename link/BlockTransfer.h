#pragma once
// The EEPROM block transfer on the wire: moves a 416-byte image to or from the radio in 26 blocks of 16
// bytes. It only moves bytes: encoding the record before a write and decoding the image after a read belong
// to the caller, so that a transfer can run on a worker thread while the settings record stays with its
// owner.
//
//   open 9600 -> 100 ms -> enter 87 00 87, drop DTR -> 1000 ms, drain
//   -> request (76 57 CD write / 71 52 C3 read) -> 100 ms -> 0xAA version (or 0x55 refused)
//   -> blocks 0..25 -> leave 89 00 89 -> close
//
// Every hook is called on the thread that runs the transfer.

#include <atomic>
#include <functional>
#include <string>

#include "EepromImage.h"
#include "RadioPort.h"
#include "TransferFailure.h"

struct STransferHooks {
    std::function<void(const std::string& text)> SetStatus;    // the progress window's status line
    std::function<void(int address)> SetProgress;              // the progress bar, 0-415
    std::function<void(const std::string& text)> ShowVersion;  // the form's version field ("1.2")
    std::function<void(const std::string& name)> SelectPllIc;  // "MB15A02SL" or "MB15E03SL", after a read
    std::function<void(const std::string& text)> DataStatus;   // "Write Data!" per block, "Read Data"
    // Used by CImageTransfer, which also encodes and decodes (see ImageTransfer.h).
    std::function<void(CEepromImage& image)> ApplyMapChanges;  // unset means image.ApplyChangeBytes()
    std::function<void()> RefillMap;                           // after a read replaced the working image
    std::function<void()> RefreshView;                         // after a transfer that completed
};

// Texts the transfer shows in the status line.
extern const char* const kTextWriting;    // "Writing.....!"
extern const char* const kTextReading;    // "Reading.....!"
extern const char* const kTextCommError;  // "Communication Error !!!   Check your radio connection to PC !!!"
extern const char* const kTextWriteRefused;    // "Write Fail..!"
extern const char* const kTextReadRefused;     // "Read Fail..!"
extern const char* const kTextWriteFail;       // "Write Fail!"
extern const char* const kTextReadFail;        // "Read Fail!"
extern const char* const kTextWriteCancelled;  // the write was stopped by the user
extern const char* const kTextReadCancelled;   // the read was stopped by the user
// A stop that came before the radio took its first block (also after the radio was read, before a write).
extern const char* const kTextStoppedBeforeWrite;
extern const char* const kTextWriteData;  // "Write Data!"
extern const char* const kTextReadData;   // "Read Data"
extern const char* const kPllIcA02;       // "MB15A02SL"
extern const char* const kPllIcE03;       // "MB15E03SL"

// The fixed waits, in ms.
constexpr int kWaitAfterOpenMs = 100;
constexpr int kWaitAfterEnterMs = 1000;
constexpr int kWaitForReplyMs = 100;
constexpr int kWaitBeforeChecksumMs = 50;
constexpr int kWriteBlockResends = 3;  // a refused block goes out at most 4 times
constexpr int kReadBlockRetries = 4;   // a bad block is received at most 5 times
constexpr int kVersionFirmwareByte = 16;

enum class ETransferEnd { Done, Failed, Cancelled };

class CBlockTransfer {
public:
    CBlockTransfer(CRadioPort& port, STransferHooks hooks) : m_Port(port), m_Hooks(std::move(hooks)) {}

    // Sends image; byte 16 is first set from the firmware version the radio reports (3 for 1.1, else 2), so
    // that image holds exactly what went out. True when all 26 blocks were accepted.
    bool WriteImage(CImageBytes& image);
    // Receives 26 blocks into received, block by block. True only when all of them arrived.
    bool ReadImage(CImageBytes& received);
    // Takes the radio out of programming mode (the port is opened at 4800 baud for this).
    bool LeaveProgramming();

    // The device to open (empty: the COM number's fixed device) and its COM number (as in the Port menu; 0
    // when the device has none).
    int m_nComNumber = 1;
    std::string m_strDevice;
    // Asked before the port is opened: why the port cannot be used (no permission, held by another
    // program), or empty to go on. Unset: the open itself says what went wrong.
    std::function<std::string(int com, const std::string& device)> m_CheckPort;
    // Set from another thread to stop the transfer before its next block.
    const std::atomic<bool>* m_pCancel = nullptr;
    // A second reason to stop, owned by whoever runs the transfer (Ctrl+C on the command line).
    const std::atomic<bool>* m_pStop = nullptr;

    int m_nRetry = 0;             // resends of the current block
    bool m_bBlockFailed = false;  // the current block could not be moved
    int m_nVersion = -1;          // the firmware version byte of the last accepted request
    int m_nBlocksWritten = 0;     // blocks of the last write the radio accepted, from block 0 on
    ETransferEnd m_End = ETransferEnd::Done;
    std::string m_strFailure;    // the status text a failed or cancelled transfer ended with
    STransferFailure m_Failure;  // where it stopped and what the radio did, for the advice

    // The status text with what happened and what to try on the lines after it.
    std::string FailureText(const char* findCable) const {
        return FailureMessage(m_strFailure, m_Failure, findCable);
    }

protected:
    void Status(const std::string& text);
    void Progress(int address);
    void DataStatus(const char* text);

    CRadioPort& m_Port;
    STransferHooks m_Hooks;

private:
    std::string Device() const;
    bool OpenLink(uint32_t baudRate);
    bool StartTransfer(uint8_t command, uint8_t parameter, const char* workingText, const char* refusedText);
    bool WriteBlocks(const CImageBytes& image);
    bool WriteOneBlock(const CImageBytes& image, int block);
    bool ReadBlocks(CImageBytes& received);
    bool ReadOneBlock(CImageBytes& received, int block);
    bool Send(const uint8_t* data, int length);
    std::vector<uint8_t> Drain();
    bool CancelRequested() const;
    void EndWithLeave();
    bool EndCancelled(const char* text);
    bool EndWithBlockFailure(const char* text);
    std::string PortName() const;
    bool Fail(const char* text, bool leave, ERadioDid did);

    bool m_bStalled = false;                    // a write did not get out within its deadline
    bool m_bBytesLost = false;                  // the receive queue overflowed during the transfer
    ERadioDid m_BlockDid = ERadioDid::Nothing;  // why the current block failed
};
