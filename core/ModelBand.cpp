#include "ModelBand.h"

#include "Format.h"
#include "TextMark.h"

namespace {

void SetSubBand(CModelBand& row, int subBand, const char* code, double low, double high) {
    row.m_strCode[subBand] = code;
    row.m_dLow[subBand] = low;
    row.m_dHigh[subBand] = high;
}

}  // namespace

void FillModelCatalogue(CModelCatalogue& band) {
    band = CModelCatalogue{};

    for (int row : {kModelKv310Vhf, kModelKv330Vhf}) {
        band[row].m_strBand = "VHF";
        band[row].m_nSubBands = 1;
        SetSubBand(band[row], 0, "V2", 138.0, 174.0);
    }
    for (int row : {kModelKv310Uhf, kModelKv330Uhf}) {
        band[row].m_strBand = "UHF";
        band[row].m_nSubBands = 2;
        SetSubBand(band[row], 0, "U1", 390.0, 440.0);
        SetSubBand(band[row], 1, "U2", 440.0, 490.0);
    }
    // the KV310 titles carry two blanks, the KV330 titles one
    for (int row : {kModelKv310Vhf, kModelKv310Uhf}) {
        band[row].m_strTitle = StrPrintf("KV310  %s", band[row].m_strBand.c_str());
    }
    for (int row : {kModelKv330Vhf, kModelKv330Uhf}) {
        band[row].m_strTitle = StrPrintf("KV330 %s", band[row].m_strBand.c_str());
    }

    band[6].m_strBand = band[6].m_strTitle = "VHF2";
    band[6].m_nSubBands = 1;
    SetSubBand(band[6], 0, "", 138.0, 174.0);
    band[7].m_strBand = band[7].m_strTitle = "UHF2";
    band[7].m_nSubBands = 1;
    SetSubBand(band[7], 0, "", 440.0, 480.0);
}

std::vector<std::string> SubBandListTexts(const CModelBand& row) {
    std::vector<std::string> texts;
    for (int i = 0; i < row.m_nSubBands && i < 3; ++i) {
        texts.push_back(StrPrintf(" %s : %d - %d MHz", row.m_strCode[i].c_str(),
                                  static_cast<int>(row.m_dLow[i]), static_cast<int>(row.m_dHigh[i])));
    }
    return texts;
}

std::string ModelSelectText(const CModelBand& row) {
    const int last = row.m_nSubBands > 0 ? row.m_nSubBands - 1 : 0;
    std::string text =
        LookUpText(KV310_MESSAGES, KV310_TEXT("Messages",
                                              " Click to program for {model}. \r\n\r\n The band "
                                              "frequency is \r\n{low} MHz to {high} MHz.\r\n"));
    for (const auto& [field, value] : {std::pair<std::string, std::string>{"{model}", row.m_strTitle},
                                       {"{low}", StrPrintf("%.0f", row.m_dLow[0])},
                                       {"{high}", StrPrintf("%.0f", row.m_dHigh[last])}}) {
        const size_t at = text.find(field);
        if (at != std::string::npos) {
            text.replace(at, field.size(), value);
        }
    }
    return text;
}

bool IsInSubBand(const CModelBand& row, int subBand, double mhz) {
    if (subBand < 0 || subBand >= row.m_nSubBands || subBand >= 3) {
        return false;
    }
    return mhz >= row.m_dLow[subBand] && mhz <= row.m_dHigh[subBand];
}

const CModelCatalogue& ModelCatalogue() {
    static const CModelCatalogue catalogue = [] {
        CModelCatalogue band;
        FillModelCatalogue(band);
        return band;
    }();
    return catalogue;
}
