#pragma once
// What a write sends to a radio that holds a configuration already. The plan decides the bits its encoder
// wrote (CEepromImage::m_Decided: every field, zeros included, all nine bytes of an empty channel slot, the
// two-tone records it writes, the bytes typed in the EEPROM map); everything else is the radio's own: the
// service bytes 0-11 no settings file carries (calibration), the synthesizer chip flag, the layout's
// constants and the bits no field writes. A write sends (plan AND decided) OR (radio AND NOT decided), with
// the radio's image read just before.

#include <string>
#include <vector>

#include "EepromImage.h"

// True for a radio never programmed: its image is 0x00 or 0xFF but for at most kBlankImageStrays bytes (a
// factory test or the firmware may leave a few), so it has nothing of its own worth keeping.
constexpr int kBlankImageStrays = 16;
bool IsBlankImage(const CImageBytes& image);

// The image a write sends: (plan AND decided) OR (radio AND NOT decided). The checksum of every channel slot
// whose bytes 0-7 now differ from the radio's is computed again from the merged bytes (unless it was decided,
// as an empty slot's 0 and a checksum typed in the map are); an untouched slot keeps the radio's checksum. A
// blank radio gets the plan as it is.
CImageBytes MergeOverRadio(const CImageBytes& plan, const CImageBytes& decided, const CImageBytes& radio);

// The per-radio bytes the plan carries (service bytes 12 and 13, at 0x0B6 and 0x0B8) where the image to be
// sent differs from the radio's, one sentence each: "byte 0x0B8: the radio holds 7F, the plan writes 80".
std::vector<std::string> PerRadioByteChanges(const CImageBytes& sent, const CImageBytes& radio);
