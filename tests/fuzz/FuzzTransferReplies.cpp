// The block transfer's reply parsing: a read and a write, each against replies made up by the fuzzer.

#include <cstddef>
#include <cstdint>

#include "FuzzPort.h"
#include "ImageTransfer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    {
        CFuzzPort port(data, size);
        CImageTransfer transfer(port, {});
        CImageBytes received{};
        transfer.ReadImage(received);
    }
    {
        CFuzzPort port(data, size);
        CImageTransfer transfer(port, {});
        CImageBytes image{};
        transfer.WriteImage(image);
    }
    return 0;
}
