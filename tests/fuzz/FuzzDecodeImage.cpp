// DecodeImage on any 416 bytes (a radio's EEPROM can hold anything); the record it gives must encode and be
// checked without fault.

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "ConfigCheck.h"
#include "EepromImage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CEepromImage image;
    std::copy_n(data, std::min<size_t>(size, kImageSize), image.m_Work.begin());
    CDataRadioDoc doc;
    image.DecodeImage(doc);
    CheckConfig(doc);
    image.EncodeImage(doc);
    return 0;
}
