#include "PartlyWritten.h"

#include "EepromImage.h"
#include "Format.h"
#include "TextMark.h"

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
    FillField(text, "{written}", std::to_string(blocksWritten - 1));
    FillField(text, "{first}", std::to_string(blocksWritten));
    FillField(text, "{last}", std::to_string(kImageBlocks - 1));
    return text;
}
