#pragma once
// The settings file (".dat"): 1827 bytes, a raw little-endian dump of the record with no header.
//
//   offset  size  what
//   0       220   header: m_nModel (valid 0-5), then the system, GPS and modem options
//   220     1600  16 channel blocks of 100 bytes, channel 1 first
//   1820    1     m_ServiceBytes[13]
//   1821    1     m_ServiceBytes[12]
//   1822    1     m_nSubBand
//   1823    4     m_bExternalModulation
//
// The field order lives in one place, VisitSettingsFields in SettingsFile.cpp.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "DataRadioDoc.h"
#include "MessageSink.h"
#include "TextMark.h"

constexpr size_t kSettingsFileSize = 1827;
constexpr size_t kSettingsHeaderSize = 220;
constexpr size_t kSettingsChannelBase = 220;
constexpr size_t kSettingsChannelSize = 100;
constexpr size_t kSettingsTrailerBase = 1820;

// The file's bytes for this record, every member as it stands.
std::vector<uint8_t> SettingsFileBytes(const CDataRadioDoc& doc);

// Reads a file's bytes into the record. A model row outside 0-5 rejects the whole file (false, the record
// untouched). A short file fills the members it holds whole; the others keep their values.
bool ApplySettingsFileBytes(CDataRadioDoc& doc, const std::vector<uint8_t>& bytes);

// Writes the record to path. On any failure shows "Cannot Save File!", returns false and leaves an existing
// file as it was.
bool OnSaveDocument(const CDataRadioDoc& doc, const std::string& path, CMessageSink& sink);

// Loads path into the record. Returns false when the file cannot be read; true once it was read, also when
// its content was rejected (then *accepted, when given, is false). A short file is loaded as far as it goes
// and then said to be short (ShortFileText).
bool OnOpenDocument(CDataRadioDoc& doc, const std::string& path, CMessageSink& sink,
                    bool* accepted = nullptr);

// Loads path as the command line does: the record is first reset for the file's own model, so the service
// bytes a file does not hold are that model's and never those of the record the file replaces; then the
// file's fields. Returns and reports as OnOpenDocument; the record changes only when the file was accepted.
bool LoadSettingsForItsModel(CDataRadioDoc& doc, const std::string& path, CMessageSink& sink,
                             bool* accepted = nullptr);

// Why a file of another size than the format's cannot be used: "plan.dat is not a whole settings file: it
// has 1000 bytes, a settings file has 1827 (was it cut short?)".
std::string WrongSizeText(const std::string& path, size_t size);

// What Load says after a file shorter than the format: it filled what the file holds, the rest kept its
// values.
std::string ShortFileText(size_t size);

constexpr const char* kMsgCannotSave = KV310_TEXT("Messages", "Cannot Save File!");
// The line below "Cannot Save File!" that says why ({reason}, the system's own words) and what to do.
constexpr const char* kMsgSaveFailedWhy =
    KV310_TEXT("Messages",
               "{file} could not be written: {reason}. Nothing on the disk was changed; free some "
               "space or choose another place with File > Save As.");
constexpr const char* kMsgCannotOpen = KV310_TEXT("Messages", "Cannot Open File!");
constexpr const char* kMsgOpenFailed = KV310_TEXT("Messages", "Failed to open document.");
constexpr const char* kMsgNotAFile = KV310_TEXT(
    "Messages", "This is not a file that can be loaded (it is a pipe or a device). Choose a settings file.");
constexpr const char* kMsgCorruptFile = KV310_TEXT("Messages", "This file is corrupted or wrong file type!");
