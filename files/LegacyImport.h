#pragma once
// Import of the older KV110's programming files (".UHF", ".VHF"): a hex dump of its 200-byte memory as
// up to 100 text records of 10 characters,
//
//   "IIxHHLLxxx"   II word index (hex), HH high byte, LL low byte; x ignored (separator, line end)
//
// and the decoding of that memory into the settings record. Words land little-endian in a CLegacyImage:
// the low byte at 2i, the high byte at 2i + 1. KV110 memory, as far as it is read here:
//
//   6c + 0..2    receive synthesizer word of channel c (0-15)
//   6c + 3..5    transmit synthesizer word; low 4 bits of 6c + 5 are the channel's hang-on code
//   114          flags: 1 band (1 VHF), 5 TX time-out on, 6 busy channel lockout
//   115          TX time-out / 10 s      116  power-save off time code ((code + 1) * 50 ms)
//   117          power save: 7 on, 6-4 delay, 3-0 on time code ((code + 1) * 10 ms)
//   142, 143     width bit per channel (1 wide)      144, 145  step bit per channel (1 = 6.25 kHz)

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "DataRadioDoc.h"
#include "MessageSink.h"
#include "TextMark.h"

constexpr size_t kLegacyRecordSize = 10;
constexpr size_t kLegacyRecords = 100;
constexpr size_t kLegacyImageBytes = 200;

// The KV110's memory as a file lays it out; it lives only while a file is imported.
using CLegacyImage = std::array<uint8_t, kLegacyImageBytes>;

// What the Load command does with a path, by its extension (case ignored).
enum class EFileKind { Other, Settings, LegacyUhf, LegacyVhf };
EFileKind FileKindOf(const std::string& path);

// The model check before an import: a ".UHF" file fits rows 3 and 5, a ".VHF" file rows 2 and 4.
// Shows the mismatch message and returns false when the current row does not fit (or kind is no
// legacy file); the record is not touched.
bool CheckLegacyModel(const CDataRadioDoc& doc, EFileKind kind, CMessageSink& sink);

// Lays the records of a legacy file over the 200-byte image (words the file does not carry keep their
// bytes). Characters that are not hex digits count as 0; records with an index of 100 or more are
// ignored; a last record cut short is used when it still holds its index and data word.
void ParseLegacyRecords(const std::vector<uint8_t>& bytes, CLegacyImage& image);

// Whether bytes look like a KV110 file at all: at least one record, every whole record's index and data
// word in hex digits. The Load command reads any file leniently; the command line refuses what this
// refuses, with the reason in why.
bool IsLegacyFileContent(const std::vector<uint8_t>& bytes, std::string& why);

// Decodes image into the (freshly reset) record, with every notice through the sink.
void DecodeLegacyImage(const CLegacyImage& image, CDataRadioDoc& doc, bool vhf, CMessageSink& sink);

// Reads the file into a cleared image, resets the record and decodes it: words a short file does
// not carry read as 0. False (with "Cannot Open File!") when the file cannot be read; the record is then
// untouched.
bool ImportLegacy(CDataRadioDoc& doc, const std::string& path, bool vhf, CMessageSink& sink);

// The Load command's road for a ".UHF" or ".VHF" file: the model check, then the import. True when the
// file was imported.
bool ImportLegacyFile(CDataRadioDoc& doc, const std::string& path, CMessageSink& sink);

constexpr const char* kMsgUhfMismatch = KV310_TEXT(
    "Messages", "This file is for UHF. Model type is mismatched.\r\n\r\nPlease select model again...");
constexpr const char* kMsgVhfMismatch = KV310_TEXT(
    "Messages", "This file is for VHF. Model type is mismatched.\r\n\r\nPlease select model again...");
constexpr const char* kMsgModelTypeWrong = KV310_TEXT("Messages", "Model type is wrong.");
