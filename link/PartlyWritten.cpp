#include "PartlyWritten.h"

#include "EepromImage.h"
#include "TextMark.h"

namespace {

void ReplaceField(std::string& text, const std::string& field, int value) {
    for (size_t at = text.find(field); at != std::string::npos; at = text.find(field)) {
        text.replace(at, field.size(), std::to_string(value));
    }
}

}  // namespace

std::string PartlyWrittenText(int blocksWritten) {
    if (blocksWritten <= 0 || blocksWritten >= kImageBlocks) {
        return std::string();
    }
    // whole sentences, so that a language can order them its way
    const char* shape =
        blocksWritten == 1
            ? KV310_TEXT("Messages",
                         "partly written: block 0 is new, {first}–{last} are not; the radio still "
                         "holds a mixed configuration — write again")
        : blocksWritten == kImageBlocks - 1
            ? KV310_TEXT("Messages",
                         "partly written: blocks 0–{written} are new, {first} is not; the radio "
                         "still holds a mixed configuration — write again")
            : KV310_TEXT("Messages",
                         "partly written: blocks 0–{written} are new, {first}–{last} are not; the "
                         "radio still holds a mixed configuration — write again");
    std::string text = LookUpText(KV310_MESSAGES, shape);
    ReplaceField(text, "{written}", blocksWritten - 1);
    ReplaceField(text, "{first}", blocksWritten);
    ReplaceField(text, "{last}", kImageBlocks - 1);
    return text;
}
