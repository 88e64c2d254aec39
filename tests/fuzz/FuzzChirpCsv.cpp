// The CHIRP list reader on any text. It must read or refuse without reading past the text; every channel it
// lets in must pass the channel rules (the record encodes and checks without fault), a refused list leaves
// the record as it was, and what the export writes of the result reads back to the same export.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "ChannelClipboard.h"
#include "ChirpCsv.h"
#include "ConfigCheck.h"
#include "EepromImage.h"
#include "SettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) {
        return 0;
    }
    // the first byte picks the model and the sub-band, and whether the list starts at Location 1
    CDataRadioDoc doc;
    doc.m_nModel = 2 + data[0] % 4;
    doc.m_nSubBand = static_cast<uint8_t>(doc.m_nModel % 2 != 0 && (data[0] & 0x10) != 0 ? 1 : 0);
    doc.ResetToDefaults();
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::vector<uint8_t> before = SettingsFileBytes(doc);

    SChirpImport outcome;
    std::string error;
    if (!ImportChirpCsv(text, "fuzz.csv", (data[0] & 0x20) != 0 ? "1" : "", doc, outcome, error)) {
        if (SettingsFileBytes(doc) != before) {
            __builtin_trap();  // a refused list changed the record
        }
        return 0;
    }
    ChirpImportReport(outcome);
    CheckConfig(doc);
    CEepromImage image;
    image.EncodeImage(doc);
    std::vector<std::string> notes;
    const std::string exported = ExportChirpCsv(doc, notes);
    CDataRadioDoc back = doc;
    if (!ImportChirpCsv(exported, "export.csv", "", back, outcome, error) ||
        ExportChirpCsv(back, notes) != exported) {
        __builtin_trap();  // the export does not read back to itself
    }
    SPasteOutcome pasted;
    PasteChannelRows(text, {3, 16}, doc, true, pasted, error);
    return 0;
}
