#include "LinkFrames.h"

#include <algorithm>

#include "Format.h"

uint8_t BlockChecksum(const uint8_t* data, int length) {
    unsigned sum = 0;
    for (int i = 0; i < length; ++i) {
        sum += data[i];
    }
    return static_cast<uint8_t>(0xFF - (sum & 0xFF));
}

CBlockFrame BlockFrame(const CImageBytes& image, int block) {
    const int address = block * kImageBlockSize;
    CBlockFrame frame{};
    std::copy(std::begin(kBlockHeader), std::end(kBlockHeader), frame.begin());
    frame[3] = static_cast<uint8_t>(address >> 8);
    frame[4] = static_cast<uint8_t>(address & 0xFF);
    std::copy_n(image.begin() + address, kImageBlockSize, frame.begin() + kBlockDataOffset);
    frame[kBlockChecksumOffset] = BlockChecksum(&frame[kBlockDataOffset]);
    return frame;
}

std::string VersionText(uint8_t version) {
    return StrPrintf("%d.%d", version >> 4, version & 0x0F);
}
