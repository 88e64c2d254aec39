#include "PartlyWritten.h"

#include "EepromImage.h"
#include "Format.h"

std::string PartlyWrittenText(int blocksWritten) {
    if (blocksWritten <= 0 || blocksWritten >= kImageBlocks) {
        return std::string();
    }
    const std::string written =
        blocksWritten == 1 ? "block 0 is" : StrPrintf("blocks 0–%d are", blocksWritten - 1);
    const std::string old = blocksWritten == kImageBlocks - 1
                                ? StrPrintf("%d is", blocksWritten)
                                : StrPrintf("%d–%d are", blocksWritten, kImageBlocks - 1);
    return "partly written: " + written + " new, " + old +
           " not; the radio still holds a mixed configuration — write again";
}
