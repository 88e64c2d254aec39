#include "FailedTrace.h"

#include "DatedFiles.h"
#include "TextMark.h"

namespace {

// 2026-12-07_15-40-02_COM17.txt: what the program names its own traces; anything else is left alone.
const SDatedKind kTraces = {KV310_TEXT("Messages", "serial traces"), "KV310/traces", ".txt",
                            kFailedTracesKept};

}  // namespace

std::string FailedTraceFolder() {
    return DatedFolder(kTraces);
}

bool KeepFailedTrace(const std::string& trace, const std::string& portName, std::string& path,
                     std::string* error, std::time_t when) {
    return SaveDatedFile(kTraces, std::vector<uint8_t>(trace.begin(), trace.end()), portName, path, error,
                         when);
}

std::vector<std::string> FailedTraces() {
    return DatedFiles(kTraces);
}
