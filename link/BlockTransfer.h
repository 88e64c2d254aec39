#pragma once
// The EEPROM block transfer: moves the 416-byte image to or from the radio in 26 blocks of 16 bytes.
//
//   open 9600 -> 100 ms -> enter 87 00 87, drop DTR -> 1000 ms, drain
//   -> request (76 57 CD write / 71 52 C3 read) -> 100 ms -> 0xAA version (or 0x55 refused)
//   -> blocks 0..25 -> leave 89 00 89 -> close
//
// The transfer reaches the windows only through CTransferHooks. It may run on a worker thread: every hook
// is then called on that thread, and the caller must leave the image and the record alone until it returns
// (the GUI marshals the hooks to its own thread; the command-line tool prints them).

#include <functional>
#include <string>

#include "DataRadioDoc.h"
#include "EepromImage.h"
#include "RadioPort.h"

struct CTransferHooks {
    std::function<void(const std::string& text)> SetStatus;    // the progress window's status line
    std::function<void(int address)> SetProgress;              // the progress bar, 0-415
    std::function<void(const std::string& text)> ShowVersion;  // the form's version field ("1 . 2" / "1.2")
    std::function<void(const std::string& name)> SelectPllIc;  // "MB15A02SL" or "MB15E03SL", after a read
    // Lays the pending map changes over the freshly encoded image; unset means image.ApplyChangeBytes().
    std::function<void(CEepromImage& image)> ApplyMapChanges;
    std::function<void()> RefillMap;    // after a read replaced the working image
    std::function<void()> RefreshView;  // after a transfer that ended with the leave frame
};

// Texts the transfer shows in the status line.
extern const char* const kTextWriting;    // "Writing.....!"
extern const char* const kTextReading;    // "Reading.....!"
extern const char* const kTextCommError;  // "Communication Error !!!   Check your radio connection to PC !!!"
extern const char* const kTextWriteRefused;  // "Write Fail..!"
extern const char* const kTextReadRefused;   // "Read Fail..!"
extern const char* const kTextWriteFail;     // "Write Fail!"
extern const char* const kTextReadFail;      // "Read Fail!"
extern const char* const kPllIcA02;          // "MB15A02SL"
extern const char* const kPllIcE03;          // "MB15E03SL"

// The fixed waits, in ms.
constexpr int kWaitAfterOpenMs = 100;
constexpr int kWaitAfterEnterMs = 1000;
constexpr int kWaitForReplyMs = 100;
constexpr int kWaitBeforeChecksumMs = 50;
constexpr int kWriteBlockResends = 3;  // a refused block goes out at most 4 times
constexpr int kReadBlockRetries = 4;   // a bad block is received at most 5 times

class CBlockTransfer {
public:
    CBlockTransfer(CRadioPort& port, CEepromImage& image, CDataRadioDoc& doc, CTransferHooks hooks = {})
        : m_Port(port), m_Image(image), m_Doc(doc), m_Hooks(std::move(hooks)) {}

    // Encodes the record, lays the map changes over it and writes it. True when all 26 blocks were accepted.
    bool WriteRadio();
    // Reads 26 blocks. Only when all arrived: the read image becomes the working image and is decoded into
    // the record. True then; on any failure the working image and the record are untouched.
    bool ReadRadio();
    // Takes the radio out of programming mode (the port is opened at 4800 baud for this).
    bool LeaveProgramming();

    // The port: COM number (as in the Port menu) and, when given, an explicit device path instead of the
    // COM number's device.
    int m_nComNumber = 1;
    std::string m_strDevice;

    int m_nRetry = 0;        // resends of the current block
    int m_bBlockFailed = 0;  // the current block could not be moved
    int m_nVersion = -1;     // the firmware version byte of the last accepted request

private:
    bool OpenLink(uint32_t baudRate);
    bool StartTransfer(uint8_t command, uint8_t parameter, const char* workingText, const char* refusedText);
    bool WriteBlocks();
    bool WriteOneBlock(int block);
    bool ReadBlocks();
    bool ReadOneBlock(int block);
    void EndWithLeave();
    void EndWithBlockFailure(const char* text);
    void Status(const std::string& text);
    void Progress(int address);

    CRadioPort& m_Port;
    CEepromImage& m_Image;
    CDataRadioDoc& m_Doc;
    CTransferHooks m_Hooks;
};
