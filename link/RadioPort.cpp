#include "RadioPort.h"
#include "TextMark.h"

const char* const kTextBytesLost =
    KV310_TEXT("Messages", "Bytes from the radio were lost (the receive queue was full). Try again.");
const char* const kTextPortStalled = KV310_TEXT(
    "Messages", "The serial adapter stopped taking bytes. Check the cable and the adapter, then try again.");

std::vector<uint8_t> DrainQueue(CRadioPort& port) {
    const int count = port.QueuedCount();
    std::vector<uint8_t> reply;
    reply.reserve(static_cast<size_t>(count));
    uint8_t byte = 0;
    for (int i = 0; i < count && port.PopByte(byte); ++i) {
        reply.push_back(byte);
    }
    return reply;
}
