#include "EepromImage.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int kSlot0 = 32;  // channel 1's slot; channel i at 32 + 9i

int Slot(int channel) {
    return kSlot0 + 9 * channel;
}

CDataRadioDoc Record(int model) {
    CDataRadioDoc doc;
    doc.m_nModel = model;
    doc.ResetToDefaults();
    return doc;
}

std::vector<int> SlotBytes(const CEepromImage& image, int channel) {
    return std::vector<int>(image.m_Work.begin() + Slot(channel), image.m_Work.begin() + Slot(channel) + 9);
}

TEST(EepromImage, Encodes150MHzOnTheKv310VhfAsTheRadioExpects) {
    CDataRadioDoc doc = Record(2);
    CChannelData& channel = doc.m_Channel[0];
    channel.m_dRxFreq = 150.0;
    channel.m_dTxFreq = 150.0;
    channel.m_nStep = kStep5000;
    channel.m_bWide = 1;
    CEepromImage image;
    image.EncodeImage(doc);
    EXPECT_EQ(SlotBytes(image, 0), (std::vector<int>{0x42, 0x61, 0x18, 0x00, 0x01, 0xD4, 0x30, 0x00, 0x3F}));
    EXPECT_EQ(image.m_Work[8], 0x01);  // programmed
    EXPECT_EQ(image.m_Work[10], 0x00);
}

TEST(EepromImage, Takes450MHzAt6250HzOnTheKv310UhfThereAndBack) {
    CDataRadioDoc doc = Record(3);
    doc.m_nSubBand = 1;
    doc.m_Channel[2].m_dRxFreq = 450.0;
    doc.m_Channel[2].m_dTxFreq = 450.0;
    doc.m_Channel[2].m_nStep = kStep6250;
    CEepromImage image;
    image.EncodeImage(doc);
    // count 64 800: N = 1012 (0x3F4), A = 32; step bits 10, narrow
    EXPECT_EQ(image.m_Work[Slot(2) + 0], 0xA3);
    EXPECT_EQ(image.m_Work[Slot(2) + 1], 0xF4);
    EXPECT_EQ(image.m_Work[Slot(2) + 2], 0x20);

    CDataRadioDoc back = Record(2);
    back.m_Channel[2].m_nStep = kStep2500;
    image.DecodeImage(back);
    EXPECT_EQ(back.m_nModel, 3);
    EXPECT_EQ(back.m_nSubBand, 1);
    EXPECT_EQ(back.m_Channel[2].m_dRxFreq, 450.0);
    EXPECT_EQ(back.m_Channel[2].m_dTxFreq, 450.0);
    EXPECT_EQ(back.m_Channel[2].m_nStep, kStep6250);
    EXPECT_EQ(back.m_Channel[2].m_bWide, 0);
}

TEST(EepromImage, ChoosesTheTransmitVcoBandAtItsEdges) {
    struct SCase {
        int model;
        double txMhz;
        int band;
    };
    const SCase cases[] = {{2, 156.995, 0}, {2, 157.0, 1}, {2, 164.995, 1}, {2, 165.0, 2}, {4, 165.0, 2},
                           {3, 462.995, 0}, {3, 463.0, 1}, {5, 476.995, 1}, {5, 477.0, 2}};
    for (const SCase& c : cases) {
        CDataRadioDoc doc = Record(c.model);
        doc.m_Channel[0].m_dRxFreq = c.model % 2 == 0 ? 150.0 : 450.0;
        doc.m_Channel[0].m_dTxFreq = c.txMhz;
        CEepromImage image;
        image.EncodeImage(doc);
        EXPECT_EQ((image.m_Work[Slot(0) + 4] >> 4) & 3, c.band) << "model " << c.model << " TX " << c.txMhz;
    }
}

TEST(EepromImage, EncodesSignallingCodesAndTheirTypeBits) {
    CDataRadioDoc doc = Record(2);
    for (int i = 0; i < 4; ++i) {
        doc.m_Channel[i].m_dRxFreq = 150.0;
        doc.m_Channel[i].m_dTxFreq = 150.0;
    }
    doc.m_Channel[0].m_nRxOption = kSigCtcss;
    doc.m_Channel[0].m_dRxCtcss = 254.1;
    doc.m_Channel[0].m_nTxOption = kSigDcs;
    doc.m_Channel[0].m_nTxDcs = 754;
    doc.m_Channel[1].m_nRxOption = kSigDcs;
    doc.m_Channel[1].m_nRxDcs = 23;
    doc.m_Channel[1].m_nTxOption = kSigCtcss;
    doc.m_Channel[1].m_dTxCtcss = 165.5;  // not in the radio's list
    doc.m_Channel[2].m_nRxOption = kSigCtcss;
    doc.m_Channel[2].m_dRxCtcss = 67.0;
    doc.m_Channel[3].m_nRxOption = kSigTwoTone;  // the KV310 has no two-tone decoder
    CEepromImage image;
    image.EncodeImage(doc);
    EXPECT_EQ(image.m_Work[Slot(0) + 3], 49);
    EXPECT_EQ(image.m_Work[Slot(0) + 4] & 0xC0, 0x40);
    EXPECT_EQ(image.m_Work[Slot(0) + 7], 153);
    EXPECT_EQ(image.m_Work[Slot(1) + 3], 50);
    EXPECT_EQ(image.m_Work[Slot(1) + 4] & 0xC0, 0x80);
    EXPECT_EQ(image.m_Work[Slot(1) + 7], 49);
    EXPECT_EQ(image.m_Work[Slot(2) + 3], 1);
    EXPECT_EQ(image.m_Work[Slot(3) + 3], 0);
    EXPECT_EQ(image.m_Work[Slot(3) + 4] & 0xC0, 0);

    CDataRadioDoc back = Record(2);
    image.DecodeImage(back);
    EXPECT_EQ(back.m_Channel[0].m_nRxOption, kSigCtcss);
    EXPECT_EQ(back.m_Channel[0].m_dRxCtcss, 254.1);
    EXPECT_EQ(back.m_Channel[0].m_nTxOption, kSigDcs);
    EXPECT_EQ(back.m_Channel[0].m_nTxDcs, 754);
    EXPECT_EQ(back.m_Channel[1].m_nRxOption, kSigDcs);
    EXPECT_EQ(back.m_Channel[1].m_nRxDcs, 23);
    EXPECT_EQ(back.m_Channel[1].m_dTxCtcss, 254.1);
    EXPECT_EQ(back.m_Channel[2].m_dRxCtcss, 67.0);
    // the decoder's last look-ups, receive before transmit: channel 3's CTCSS and channel 2's DCS
    EXPECT_EQ(back.m_dLastCtcss, 67.0);
    EXPECT_EQ(back.m_nLastDcs, 23);
}

TEST(EepromImage, WritesTheTwoToneCoefficientsOfA1000HzTone) {
    CDataRadioDoc doc = Record(4);
    CChannelData& channel = doc.m_Channel[3];
    channel.m_dRxFreq = 150.0;
    channel.m_dTxFreq = 150.0;
    channel.m_nRxOption = kSigTwoTone;
    channel.m_nTwoToneGroup = 0;
    channel.m_dToneAFreq = 1000.0;
    channel.m_dToneADuration = 300.0;
    channel.m_dToneBFreq = 300.0;
    channel.m_dToneBDuration = 300.0;
    CEepromImage image;
    image.EncodeImage(doc);
    const int record = 256 + 10 * 3;
    EXPECT_EQ(image.m_Work[Slot(3) + 3], 0x9A);
    EXPECT_EQ(image.m_Work[record + 0], 0x88);
    EXPECT_EQ(image.m_Work[record + 1], 0x13);
    EXPECT_EQ(image.m_Work[record + 2], 126);
    EXPECT_EQ(image.m_Work[record + 3], 0);
    EXPECT_EQ(image.m_Work[record + 4] | image.m_Work[record + 5] << 8, 3333);
    EXPECT_EQ(image.m_Work[record + 8], 5);
    EXPECT_EQ(image.m_Work[record + 9], 1);
    EXPECT_EQ(image.m_Work[192 + 6], 181);  // lower
    EXPECT_EQ(image.m_Work[193 + 6], 169);  // upper

    CDataRadioDoc back = Record(4);
    image.DecodeImage(back);
    EXPECT_EQ(back.m_Channel[3].m_nRxOption, kSigTwoTone);
    EXPECT_EQ(back.m_Channel[3].m_nTwoToneGroup, 0);
    EXPECT_EQ(back.m_Channel[3].m_dToneAFreq, 1000.0);
    EXPECT_EQ(back.m_Channel[3].m_dToneADuration, 300.0);
    EXPECT_DOUBLE_EQ(back.m_Channel[3].m_dToneBFreq, 300.03);
}

TEST(EepromImage, DecodesTheModelByte) {
    CEepromImage image;
    CDataRadioDoc doc = Record(2);
    image.m_Work[191] = 0x00;
    image.DecodeImage(doc);
    EXPECT_EQ(doc.m_nModel, 3);
    EXPECT_EQ(doc.m_nSubBand, 0);
    image.m_Work[191] = 0x13;
    image.DecodeImage(doc);
    EXPECT_EQ(doc.m_nModel, 2);
    EXPECT_EQ(doc.m_nSubBand, 1);
    image.m_Work[191] = 0x26;
    image.DecodeImage(doc);
    EXPECT_EQ(doc.m_nModel, 5);
    EXPECT_EQ(doc.m_nSubBand, 2);
}

TEST(EepromImage, KeepsTheRecordsRowAndSubBandWhenTheModelByteNamesNone) {
    CEepromImage image;
    CDataRadioDoc doc = Record(4);
    image.m_Work[191] = 0xF9;  // row 8 and sub-band 15 lie past the catalogue
    image.DecodeImage(doc);
    EXPECT_EQ(doc.m_nModel, 4);
    EXPECT_EQ(doc.m_nSubBand, 0);
}

TEST(EepromImage, SetsScanBitsAndReadsThemBackAsBitValues) {
    CDataRadioDoc doc = Record(2);
    doc.m_Channel[10].m_dRxFreq = 150.0;
    doc.m_Channel[10].m_dTxFreq = 150.0;
    doc.m_Channel[10].m_bScan = 1;
    CEepromImage image;
    image.EncodeImage(doc);
    EXPECT_EQ(image.m_Work[3], 0x04);
    EXPECT_EQ(image.m_Work[2], 0x00);
    EXPECT_EQ(image.m_Work[0] & 0x01, 0x01);
    CDataRadioDoc back = Record(2);
    image.DecodeImage(back);
    EXPECT_EQ(back.m_Channel[10].m_bScan, 4);
    EXPECT_EQ(back.m_Channel[9].m_bScan, 0);
}

TEST(EepromImage, NamesTheFirstAndLastProgrammedChannelInByte10) {
    CEepromImage image;
    CDataRadioDoc doc = Record(2);
    image.EncodeImage(doc);
    EXPECT_EQ(image.m_Work[10], 0x00);
    EXPECT_EQ(image.m_Work[8], 0x00);

    doc.m_Channel[5].m_dRxFreq = 150.0;
    image.EncodeImage(doc);
    EXPECT_EQ(image.m_Work[10], 0x55);
    EXPECT_EQ(image.m_Work[8], 0x20);

    doc.m_Channel[5].m_dRxFreq = 0.0;
    doc.m_Channel[0].m_dRxFreq = 150.0;
    image.EncodeImage(doc);
    EXPECT_EQ(image.m_Work[10], 0x00);

    doc.m_Channel[15].m_dRxFreq = 150.0;
    doc.m_Channel[3].m_dRxFreq = 150.0;
    image.EncodeImage(doc);
    EXPECT_EQ(image.m_Work[10], 0xF0);
    EXPECT_EQ(image.m_Work[8], 0x09);
    EXPECT_EQ(image.m_Work[9], 0x80);
}

TEST(EepromImage, EncodesTheHangOnTimeAndReadsItBack) {
    struct SCase {
        int ms;
        int code;
    };
    for (const SCase c : {SCase{180, 0}, SCase{2000, 182}, SCase{500, 32}}) {
        CDataRadioDoc doc = Record(2);
        doc.m_bHangOn = 1;
        doc.m_nHangOnTime = c.ms;
        CEepromImage image;
        image.EncodeImage(doc);
        EXPECT_EQ(image.m_Work[17], c.code);
        EXPECT_EQ(image.m_Work[0] & 0x40, 0x40);
        CDataRadioDoc back = Record(2);
        image.DecodeImage(back);
        EXPECT_EQ(back.m_nHangOnTime, c.ms);
        EXPECT_EQ(back.m_bHangOn, 1);
    }
    CDataRadioDoc off = Record(2);
    off.m_nHangOnTime = 2000;
    CEepromImage image;
    image.EncodeImage(off);
    EXPECT_EQ(image.m_Work[17], 0);
    image.DecodeImage(off);
    EXPECT_EQ(off.m_nHangOnTime, 180);
    EXPECT_EQ(off.m_bHangOn, 0);
}

TEST(EepromImage, DecodesStepBitsTheRowDoesNotTakeWithTheStepTheyName) {
    CDataRadioDoc doc = Record(4);
    doc.m_Channel[0].m_dRxFreq = 150.005;  // + 45.1 MHz lies on the 7.5 kHz raster
    doc.m_Channel[0].m_dTxFreq = 150.0;
    doc.m_Channel[0].m_nStep = kStep7500;  // the KV330 VHF synthesizer has no 7.5 kHz step
    CEepromImage image;
    image.EncodeImage(doc);
    EXPECT_EQ(image.m_Work[Slot(0)] & 0xC0, 0xC0);
    CDataRadioDoc back = Record(4);
    image.DecodeImage(back);
    EXPECT_EQ(back.m_Channel[0].m_nStep, kStep7500);
    EXPECT_DOUBLE_EQ(back.m_Channel[0].m_dRxFreq, 150.005);
    EXPECT_EQ(back.m_Channel[0].m_dTxFreq, 150.0);
}

TEST(EepromImage, FillsTheFixedBytesOfAFreshRecord) {
    CDataRadioDoc doc = Record(2);
    CEepromImage image;
    image.EncodeImage(doc);
    EXPECT_EQ(image.m_Work[4], 0x48);  // scan delay 3 + 1, bit 3
    EXPECT_EQ(image.m_Work[5], 9);
    EXPECT_EQ(image.m_Work[7], 18);
    EXPECT_EQ(image.m_Work[11], 10);
    EXPECT_EQ(image.m_Work[12], 0x23);
    EXPECT_EQ(image.m_Work[13], 0x1D);
    EXPECT_EQ(image.m_Work[14], 35);
    EXPECT_EQ(image.m_Work[16], 2);
    EXPECT_EQ(image.m_Work[18], 1);
    EXPECT_EQ(image.m_Work[20], 10);
    EXPECT_EQ(image.m_Work[22], 3);
    EXPECT_EQ(image.m_Work[24], 0x11);
    EXPECT_EQ(image.m_Work[25], 0x0F);
    EXPECT_EQ(image.m_Work[29], 166);
    EXPECT_EQ(image.m_Work[30], 5);
    EXPECT_EQ(image.m_Work[31], 1);
    EXPECT_EQ(image.m_Work[176], 0x20);
    EXPECT_EQ(image.m_Work[177], 0x09);
    EXPECT_EQ(image.m_Work[178], 0x31);
    EXPECT_EQ(image.m_Work[179], 0x20);
    EXPECT_EQ(image.m_Work[180], 0x40);
    EXPECT_EQ(image.m_Work[181], 0x65);
    EXPECT_EQ(image.m_Work[182], 33);
    EXPECT_EQ(image.m_Work[183], 0xFF);
    EXPECT_EQ(image.m_Work[191], 0x03);

    CDataRadioDoc kv330 = Record(5);
    kv330.m_nSubBand = 1;
    kv330.m_bSquelch = 0;
    image.EncodeImage(kv330);
    EXPECT_EQ(image.m_Work[4], 0x4C);
    EXPECT_EQ(image.m_Work[178], 0x31);
    EXPECT_EQ(image.m_Work[181], 0x66);
    EXPECT_EQ(image.m_Work[182], 0x20);
    EXPECT_EQ(image.m_Work[183], 0x00);
    EXPECT_EQ(image.m_Work[191], 0x16);
}

TEST(EepromImage, KeepsASnapshotClearsTheReadImageAndSettlesTheModemMode) {
    CDataRadioDoc doc = Record(2);
    CEepromImage image;
    image.m_Work.fill(0xAB);
    image.m_Read.fill(0xCD);
    doc.m_nModemMode = 7;
    image.EncodeImage(doc);
    for (uint8_t byte : image.m_Snapshot) {
        ASSERT_EQ(byte, 0xAB);
    }
    for (uint8_t byte : image.m_Read) {
        ASSERT_EQ(byte, 0);
    }
    EXPECT_EQ(image.m_Work[40], 0);  // channel 1's slot was cleared, not kept
    EXPECT_EQ(doc.m_nModemMode, 2);
    doc.m_nModemMode = 1;
    image.EncodeImage(doc);
    EXPECT_EQ(doc.m_nModemMode, 1);
    EXPECT_EQ(image.m_Work[19] & 0x20, 0x20);
}

TEST(EepromImage, LaysOnlyNonZeroChangeBytesOverTheWorkingImage) {
    CEepromImage image;
    image.m_Work.fill(0x11);
    image.m_Change[0] = 0x22;
    image.m_Change[415] = 0xFF;
    image.ApplyChangeBytes();
    EXPECT_EQ(image.m_Work[0], 0x22);
    EXPECT_EQ(image.m_Work[1], 0x11);
    EXPECT_EQ(image.m_Work[415], 0xFF);
}

TEST(EepromImage, ChecksumsEverySlotButOneWhoseFirstThreeBytesAreZero) {
    const struct {
        uint8_t slot[9];  // the old checksum byte 0x55 never counts
        uint8_t checksum;
    } cases[] = {
        {{0, 0, 0, 0, 0, 0, 0, 0, 0x55}, 0x00},
        {{0, 0, 0, 1, 2, 3, 4, 5, 0x55}, 0x00},  // empty: bytes 0-2 zero, whatever follows
        {{0, 0, 0x05, 0, 0, 0, 0, 0, 0x55}, 0xFA},
        {{0, 0x20, 0, 0, 0, 0, 0, 0, 0x55}, 0xDF},
        {{0x40, 0, 0, 0, 0, 0, 0, 0, 0x55}, 0xBF},
        {{0x90, 0x80, 0x70, 0, 0, 0, 0, 0x01, 0x55}, 0x7E},  // 0x181: the low byte counts
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ChannelSlotChecksum(c.slot), c.checksum)
            << int(c.slot[0]) << " " << int(c.slot[1]) << " " << int(c.slot[2]);
    }
}

}  // namespace
