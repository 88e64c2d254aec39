#include "RadioSimulator.h"

#include <gtest/gtest.h>

#include "LinkFrames.h"
#include "SimPort.h"

namespace {

using Bytes = std::vector<uint8_t>;

void Feed(CRadioSimulator& radio, const Bytes& bytes, int64_t atUs) {
    radio.Receive(bytes.data(), static_cast<int>(bytes.size()), atUs);
}

Bytes DueBy(CRadioSimulator& radio, int64_t atUs) {
    Bytes out;
    radio.TakeDue(atUs, out);
    return out;
}

}  // namespace

TEST(RadioSimulator, StartsWithADecodableFactoryImage) {
    CRadioSimulator radio;
    EXPECT_EQ(radio.m_Eeprom[191], 0x03);  // KV310 VHF
    EXPECT_EQ(radio.m_Eeprom[12], 0x23);
    EXPECT_EQ(radio.m_Eeprom[8], 0x01);  // channel 1 programmed
}

TEST(RadioSimulator, SendsBlockZeroOnlyAfterTheHostDrainedTheReadyReply) {
    CRadioSimulator radio;
    Feed(radio, {0x87, 0x00, 0x87}, 0);
    EXPECT_TRUE(DueBy(radio, 1000000).empty());  // nothing to say to the enter frame
    Feed(radio, {0x71, 0x52, 0xC3}, 1000000);
    EXPECT_EQ(DueBy(radio, 1100000), (Bytes{0xAA, 0x12}));  // what the host drains 100 ms later
    EXPECT_TRUE(DueBy(radio, 1140000).empty());
    const Bytes block = DueBy(radio, 1200000);  // the next drain has the whole block
    const CBlockFrame expected = BlockFrame(radio.m_Eeprom, 0);
    EXPECT_EQ(block, Bytes(expected.begin(), expected.end()));
}

TEST(RadioSimulator, PacesItsBytesAt9600Baud) {
    CRadioSimulator radio;
    radio.m_bServiceMode = true;
    Feed(radio, {0x53, 0x66, 0xB9}, 0);
    EXPECT_EQ(radio.NextDueUs(), kTurnaroundUs + kByteTimeUs);
    EXPECT_EQ(DueBy(radio, kTurnaroundUs + 2 * kByteTimeUs).size(), 2u);
    EXPECT_EQ(DueBy(radio, kTurnaroundUs + 4 * kByteTimeUs), (Bytes{0x12, 0xA1}));
    EXPECT_EQ(radio.NextDueUs(), kNever);
}

TEST(RadioSimulator, RefusesRequestsOutsideProgrammingModeAndBadFrames) {
    CRadioSimulator radio;
    Feed(radio, {0x76, 0x57, 0xCD}, 0);
    Feed(radio, {0x87, 0x00, 0x88}, 100000);
    EXPECT_EQ(DueBy(radio, 1000000), (Bytes{0x55, 0x55}));
    EXPECT_FALSE(radio.m_bProgramming);
}

TEST(RadioSimulator, ChecksWrittenBlocksAndDropsBrokenFrames) {
    CRadioSimulator radio;
    Feed(radio, {0x87, 0x00, 0x87, 0x76, 0x57, 0xCD}, 0);
    DueBy(radio, 100000);
    CImageBytes image{};
    image.fill(0x5A);
    CBlockFrame frame = BlockFrame(image, 0);
    Bytes sent(kBlockFrameSize + 2, 0);
    std::copy(frame.begin(), frame.end(), sent.begin());
    sent[22] = 0xFF;
    sent[23] = 0x66;
    sent[21] ^= 0x01;  // a bad checksum is refused
    Feed(radio, sent, 200000);
    EXPECT_EQ(DueBy(radio, 300000), Bytes{0x58});
    sent[21] ^= 0x01;
    Feed(radio, Bytes(sent.begin(), sent.begin() + 10), 400000);  // cut short ...
    Feed(radio, sent, 1000000);  // ... forgotten after half a second; the whole block is taken
    EXPECT_EQ(DueBy(radio, 1100000), Bytes{0xA1});
    EXPECT_EQ(radio.m_Eeprom[0], 0x5A);
    EXPECT_EQ(radio.m_Eeprom[15], 0x5A);
    EXPECT_NE(radio.m_Eeprom[16], 0x5A);       // block 1 was never written
    Feed(radio, {0x89, 0x00, 0x89}, 1200000);  // the leave frame in the middle of a write
    EXPECT_FALSE(radio.m_bProgramming);
}

TEST(RadioSimulator, ServiceCommandsNeedServiceMode) {
    CRadioSimulator radio;
    Feed(radio, {0x64, 0x02, 0x66}, 0);
    EXPECT_EQ(DueBy(radio, 100000), Bytes{0x55});
    Feed(radio, {0x88, 0x66, 0xEE, 0x64, 0x02, 0x66}, 200000);
    EXPECT_TRUE(DueBy(radio, 300000).empty());
    EXPECT_EQ(radio.m_nChannel, 3);
    Feed(radio, {0x64, 0x10, 0x74}, 400000);  // there is no channel 17
    EXPECT_EQ(DueBy(radio, 500000), Bytes{0x55});
    Feed(radio, {0x63, 0x00, 0x63}, 600000);
    EXPECT_EQ(DueBy(radio, 700000), Bytes{kServiceAck});
}

TEST(RadioSimulator, ServiceRepliesAndFaultsAreConfigurable) {
    struct SCase {
        const char* name;
        void (*setup)(CRadioSimulator&);
        Bytes status;  // the answer to the status request
        Bytes reset;   // the answer to the radio reset
    };
    const SCase cases[] = {
        {"accepts", [](CRadioSimulator&) {}, {0xAA, 1, 0x12, 0xA1}, {kServiceAck}},
        {"reply byte", [](CRadioSimulator& r) { r.m_nServiceReply = 0x33; }, {0xAA, 1, 0x12, 0xA1}, {0x33}},
        {"refusal",
         [](CRadioSimulator& r) { r.m_Faults.m_nServiceRefusal = 0x65; },
         {0xAA, 1, 0x12, 0xA1},
         {0x65}},
        {"garbage",
         [](CRadioSimulator& r) { r.m_Faults.m_bServiceGarbage = true; },
         {0x3C, 0xF0, 0x0F},
         {0x3C, 0xF0, 0x0F}},
        {"short status", [](CRadioSimulator& r) { r.m_Faults.m_nStatusBytes = 2; }, {0xAA, 1}, {kServiceAck}},
        {"silent", [](CRadioSimulator& r) { r.m_Faults.m_bSilent = true; }, {}, {}},
    };
    for (const SCase& c : cases) {
        CRadioSimulator radio;
        c.setup(radio);
        Feed(radio, {0x88, 0x66, 0xEE, 0x53, 0x66, 0xB9}, 0);
        EXPECT_EQ(DueBy(radio, 100000), c.status) << c.name;
        Feed(radio, {0x86, 0x01, 0x87}, 200000);
        EXPECT_EQ(DueBy(radio, 300000), c.reset) << c.name;
    }
}

TEST(SimPort, DeliversOnlyWhatArrivedByNowAndNothingWhileClosed) {
    CRadioSimulator radio;
    CSimPort port(radio);
    EXPECT_EQ(port.Write(Bytes{0x87, 0x00, 0x87}), 0);  // closed: nothing goes out
    ASSERT_TRUE(port.Open("/dev/ttyS0", 9600, 0));
    port.Write(Bytes{0x87, 0x00, 0x87, 0x71, 0x52, 0xC3});
    EXPECT_EQ(port.QueuedCount(), 0);
    port.WaitMs(4);  // the 0xAA is in, the version byte still on the wire
    EXPECT_EQ(port.QueuedCount(), 1);
    port.Close();
    port.WaitMs(400);
    EXPECT_EQ(port.QueuedCount(), 1);  // the rest went out while nobody listened
    EXPECT_EQ(port.m_nNowUs, 6 * kByteTimeUs + 404000);
}
