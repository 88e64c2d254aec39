// The block transfer's reply parsing: a read and a write, each against replies made up by the fuzzer.

#include <cstddef>
#include <cstdint>

#include "BlockTransfer.h"
#include "FuzzPort.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    {
        CFuzzPort port(data, size);
        CBlockTransfer transfer(port, {});
        CImageBytes received{};
        transfer.ReadImage(received);
    }
    {
        CFuzzPort port(data, size);
        CBlockTransfer transfer(port, {});
        CImageBytes image{};
        transfer.WriteImage(image);
    }
    return 0;
}
