// The KV110 importer on any bytes, for both bands.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "LegacyImport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> bytes(data, data + size);
    for (bool vhf : {false, true}) {
        CDataRadioDoc doc;
        doc.m_nModel = vhf ? kModelKv310Vhf : kModelKv310Uhf;
        doc.ResetToDefaults();
        CLegacyImage image{};
        ParseLegacyRecords(bytes, image);
        CRecordingSink sink;
        DecodeLegacyImage(image, doc, vhf, sink);
    }
    return 0;
}
