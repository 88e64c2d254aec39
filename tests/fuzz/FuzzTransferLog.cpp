// The transfer log reader behind `kv310ctl log`, on any file: it must read it, split its lines and select by
// date without reading past the text; a log someone edited by hand or cut short is still a log.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "TransferLog.h"

namespace {

// In memory where there is room for it: the file is written anew for every input.
std::string LogPath() {
    static const std::string path = (::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") +
                                    std::string("/kv310-fuzz-log-") + std::to_string(::getpid()) + ".tsv";
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // the first line, when it is short, is also tried as the --since date
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string since = text.substr(0, std::min<size_t>(text.find('\n'), 20));
    {
        std::ofstream out(LogPath(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        if (!out) {
            return 0;
        }
    }
    std::vector<std::string> lines;
    std::string error;
    if (ReadTransferLog(lines, &error, LogPath())) {
        for (const std::string& line : lines) {
            SplitTransferLogLine(line);
        }
        std::vector<std::string> selected;
        TransferLogSince(lines, since, selected);
        TransferLogSince(lines, "2026-12-07", selected);
    }
    return 0;
}
