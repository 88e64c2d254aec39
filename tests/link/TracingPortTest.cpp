// The serial trace of a transfer, against the simulated radio on virtual time.

#include "TracingPort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "ImageTransfer.h"
#include "SimPort.h"

namespace {

struct STraceRig {
    CRadioSimulator radio;
    CSimPort port{radio};
    CDataRadioDoc doc;
    CEepromImage image;
};

}  // namespace

TEST(TracingPort, HoldsEveryByteOfATransferInTimedLines) {
    STraceRig rig;
    CTracingPort trace(rig.port, [&rig] { return static_cast<double>(rig.port.m_nNowUs) / 1000.0; });
    CImageTransfer transfer(trace, rig.image, rig.doc);
    rig.port.m_nNowUs = 5000000;  // the clock does not start at the port's opening
    ASSERT_TRUE(transfer.ReadRadio());

    std::istringstream lines(trace.Text());
    std::string line;
    std::vector<uint8_t> sent;
    std::vector<uint8_t> received;
    double last = -1.0;
    std::vector<std::string> all;
    while (std::getline(lines, line)) {
        all.push_back(line);
        std::istringstream words(line);
        double ms = 0.0;
        std::string direction;
        words >> ms >> direction;
        EXPECT_GE(ms, last) << line;
        last = ms;
        std::string hex;
        while (words >> hex) {
            ASSERT_EQ(hex.size(), 2u) << line;
            (direction == ">" ? sent : received).push_back(static_cast<uint8_t>(std::stoi(hex, nullptr, 16)));
        }
    }
    ASSERT_GE(all.size(), 4u);
    EXPECT_EQ(all[0], "100.000 > 87 00 87");  // 100 ms after the port opened
    EXPECT_EQ(all[1].substr(all[1].find(' ')), " > 71 52 C3");
    EXPECT_EQ(sent, rig.port.Written());
    // the answer to the request and every block of the image, each whole in the trace
    EXPECT_GE(received.size(), static_cast<size_t>(2 + kImageBlocks * 22));
    for (int block = 0; block < kImageBlocks; ++block) {
        const auto at = std::search(received.begin(), received.end(), rig.radio.m_Eeprom.begin() + block * 16,
                                    rig.radio.m_Eeprom.begin() + block * 16 + 16);
        EXPECT_NE(at, received.end()) << block;
    }
}
