// The main of every test program: tests never see the real home or need a display. The config folder (where
// the port file lives), the data folder (radio backups, failed traces) and the state folder (the transfer
// log) are private ones for the run, and Qt draws offscreen unless told otherwise.
//
// A test that only computes (CTest gave it one of the cores, see tests/CMakeLists.txt) yields the processor
// to the tests that keep a radio's time (given one of the lines), which also ask for a higher priority where
// they may (as root): a radio's answer is due within about 40 ms, and a busy machine would otherwise make
// them miss it.

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#ifndef _WIN32
#include <unistd.h>
#endif

#include "TempDir.h"

int main(int argc, char** argv) {
#ifndef _WIN32
    const char* resources = std::getenv("CTEST_RESOURCE_GROUP_0");
    if (resources != nullptr) {
        [[maybe_unused]] const int niceness = ::nice(std::strcmp(resources, "cores") == 0 ? 19 : -10);
    }
#endif
    int result = 0;
    {
        CTempDir home;
        ::setenv("XDG_CONFIG_HOME", home.File("config").c_str(), 1);
        ::setenv("XDG_DATA_HOME", home.File("data").c_str(), 1);
        ::setenv("XDG_STATE_HOME", home.File("state").c_str(), 1);
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
#ifdef _WIN32
        // offscreen, Qt reads font files: the system's, not a folder of its own installation
        const char* windows = std::getenv("SystemRoot");
        ::setenv("QT_QPA_FONTDIR",
                 (std::string(windows != nullptr ? windows : "C:\\Windows") + "\\Fonts").c_str(), 0);
#endif
        ::testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
    }
    return result;
}
