// The settings-file reader on any bytes: it must accept or reject them without reading past them, and a
// record it accepted must encode and be checked without fault.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "ConfigCheck.h"
#include "EepromImage.h"
#include "SettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CDataRadioDoc doc;
    if (ApplySettingsFileBytes(doc, std::vector<uint8_t>(data, data + size))) {
        CheckConfig(doc);
        CEepromImage image;
        image.EncodeImage(doc);
        image.DecodeImage(doc);
    }
    return 0;
}
