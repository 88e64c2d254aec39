#pragma once
// What a write changes in a radio. A configuration decides only some bits of the radio's image: those its
// fields set (the fields the pages and the settings file carry), a channel's two-tone bytes only while the
// channel uses two-tone, and the bytes typed in the EEPROM map. Everything else is the radio's own: the
// addresses the layout keeps at 0, the constants, the unnamed bits of the channel slots, the two-tone bytes
// of channels without two-tone, the synthesizer chip flag and service bytes 0-11 (no settings file carries
// them). A write sends (plan AND mask) OR (radio AND NOT mask), with the radio's image read just before.

#include <string>
#include <vector>

#include "DataRadioDoc.h"
#include "EepromImage.h"

// The bits doc decides, set to 1. edits: the pending bytes of the EEPROM map, decided whole.
CImageBytes PlanMask(const CDataRadioDoc& doc, const CEepromImage* edits = nullptr);

// True for a radio never programmed: its image is all 0x00 or all 0xFF, so it has nothing of its own.
bool IsBlankImage(const CImageBytes& image);

// The image a write sends: (plan AND mask) OR (radio AND NOT mask). The checksum of every channel slot whose
// bytes 0-7 now differ from the radio's is computed again from the merged bytes; an untouched slot keeps the
// radio's checksum. A blank radio gets the plan as it is.
CImageBytes MergeOverRadio(const CImageBytes& plan, const CImageBytes& mask, const CImageBytes& radio);

// The per-radio bytes the plan carries (service bytes 12 and 13, at 0x0B6 and 0x0B8) where the image to be
// sent differs from the radio's, one sentence each: "byte 0x0B8: the radio holds 7F, the plan writes 80".
std::vector<std::string> PerRadioByteChanges(const CImageBytes& sent, const CImageBytes& radio);

// The checksum byte of a channel slot (9 bytes): 0xFF minus the sum of bytes 0-7, or 0 when bytes 0-2 are 0.
uint8_t ChannelSlotChecksum(const uint8_t* slot);
