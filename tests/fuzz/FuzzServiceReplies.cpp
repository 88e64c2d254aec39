// The service link's reply parsing: the connection start (status record) and every command against replies
// made up by the fuzzer.

#include <cstddef>
#include <cstdint>

#include "FuzzPort.h"
#include "MessageSink.h"
#include "ServiceLink.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CFuzzPort port(data, size);
    CRecordingSink sink;
    CServiceLink link(port, sink);
    if (link.Start(1, "/dev/null") != EServiceStart::Opened) {
        return 0;
    }
    for (int command = 0; command <= static_cast<int>(EServiceCommand::SquelchSave); ++command) {
        link.Send(static_cast<EServiceCommand>(command));
    }
    link.SelectChannel(9);
    link.End();
    return 0;
}
