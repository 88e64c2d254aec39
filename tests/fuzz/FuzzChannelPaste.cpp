// The channel paste on any text: tab- or comma-separated, with or without a header, columns in any order.
// It must paste or refuse without reading past the text, every value it lets in must pass the channel
// rules (the record encodes and is checked without fault), and a refused paste leaves the record as it was.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "ChannelClipboard.h"
#include "ConfigCheck.h"
#include "EepromImage.h"
#include "SettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) {
        return 0;
    }
    // the first byte picks the model, the second the first target channel (any value, 0 and 17+ included)
    CDataRadioDoc doc;
    doc.m_nModel = data[0] % 6;
    doc.ResetToDefaults();
    const std::vector<int> targets = {static_cast<int>(data[1] % 20), 16, 3};
    const std::string text(reinterpret_cast<const char*>(data + 2), size - 2);
    const std::vector<uint8_t> before = SettingsFileBytes(doc);

    SPasteOutcome outcome;
    std::string error;
    if (PasteChannelRows(text, targets, doc, true, outcome, error)) {
        PasteReport(outcome);
        CheckConfig(doc);
        CEepromImage image;
        image.EncodeImage(doc);
        CopyChannelRows(doc, outcome.m_Channels, ',');
    } else if (SettingsFileBytes(doc) != before) {
        __builtin_trap();  // a refused paste changed the record
    }
    return 0;
}
