#include "ModelBand.h"

#include <gtest/gtest.h>

namespace {

CModelCatalogue Catalogue() {
    CModelCatalogue band;
    FillModelCatalogue(band);
    return band;
}

}  // namespace

TEST(ModelBand, OfferedRowsCarryTheirTitlesAndLimits) {
    const CModelCatalogue band = Catalogue();
    EXPECT_EQ(band[2].m_strTitle, "KV310  VHF");
    EXPECT_EQ(band[3].m_strTitle, "KV310  UHF");
    EXPECT_EQ(band[4].m_strTitle, "KV330 VHF");
    EXPECT_EQ(band[5].m_strTitle, "KV330 UHF");
    EXPECT_EQ(band[2].m_nSubBands, 1);
    EXPECT_EQ(band[3].m_nSubBands, 2);
    EXPECT_EQ(band[5].m_strCode[1], "U2");
    EXPECT_DOUBLE_EQ(band[5].m_dLow[1], 440.0);
    EXPECT_DOUBLE_EQ(band[5].m_dHigh[1], 490.0);
}

TEST(ModelBand, EmptyAndUnofferedRows) {
    const CModelCatalogue band = Catalogue();
    for (int row : {0, 1}) {
        EXPECT_EQ(band[row].m_nSubBands, 0);
        EXPECT_EQ(band[row].m_strTitle, "");
        EXPECT_DOUBLE_EQ(band[row].m_dHigh[0], 0.0);
    }
    EXPECT_EQ(band[6].m_strTitle, "VHF2");
    EXPECT_EQ(band[7].m_strBand, "UHF2");
    EXPECT_DOUBLE_EQ(band[7].m_dHigh[0], 480.0);
    EXPECT_EQ(band[7].m_strCode[0], "");
}

TEST(ModelBand, BandBoxListsOneEntryPerSubBand) {
    const CModelCatalogue band = Catalogue();
    EXPECT_EQ(SubBandListTexts(band[2]), std::vector<std::string>({" V2 : 138 - 174 MHz"}));
    EXPECT_EQ(SubBandListTexts(band[3]),
              std::vector<std::string>({" U1 : 390 - 440 MHz", " U2 : 440 - 490 MHz"}));
    EXPECT_TRUE(SubBandListTexts(band[0]).empty());
}

TEST(ModelBand, ModelSelectTextSpansTheWholeBand) {
    const CModelCatalogue band = Catalogue();
    EXPECT_EQ(ModelSelectText(band[5]),
              " Click to program for KV330 UHF. \r\n\r\n The band frequency is \r\n390 MHz to 490 MHz.\r\n");
    EXPECT_EQ(ModelSelectText(band[2]),
              " Click to program for KV310  VHF. \r\n\r\n The band frequency is \r\n138 MHz to 174 MHz.\r\n");
}

TEST(ModelBand, LimitsAreInclusiveAtBothEnds) {
    const CModelCatalogue band = Catalogue();
    EXPECT_TRUE(IsInSubBand(band[3], 0, 440.0));
    EXPECT_TRUE(IsInSubBand(band[3], 1, 440.0));
    EXPECT_TRUE(IsInSubBand(band[2], 0, 138.0));
    EXPECT_FALSE(IsInSubBand(band[2], 0, 174.00001));
    EXPECT_FALSE(IsInSubBand(band[2], 1, 150.0));
}

TEST(ModelBand, RowParityCarriesTheBand) {
    EXPECT_TRUE(IsVhfRow(0));
    EXPECT_TRUE(IsVhfRow(4));
    EXPECT_FALSE(IsVhfRow(3));
    EXPECT_FALSE(IsOfferedModel(1));
    EXPECT_TRUE(IsOfferedModel(5));
    EXPECT_FALSE(IsOfferedModel(6));
}
