#pragma once
// The model and band catalogue: eight rows, of which 2 to 5 are the radios this tool programs.
// Even rows are VHF, odd rows UHF; rows 0 and 1 are empty, 6 and 7 are filled but never selected.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

constexpr int kModelRows = 8;
constexpr int kFirstOfferedModel = 2;
constexpr int kLastOfferedModel = 5;
constexpr int kModelKv310Vhf = 2;
constexpr int kModelKv310Uhf = 3;
constexpr int kModelKv330Vhf = 4;
constexpr int kModelKv330Uhf = 5;

class CModelBand {
public:
    double m_dLow[3] = {0.0, 0.0, 0.0};   // lower limit of each sub-band, MHz (inclusive)
    double m_dHigh[3] = {0.0, 0.0, 0.0};  // upper limit of each sub-band, MHz (inclusive)
    uint8_t m_nSubBands = 0;
    std::string m_strCode[3];
    std::string m_strBand;
    std::string m_strTitle;
};

using CModelCatalogue = std::array<CModelBand, kModelRows>;

// Fills the eight catalogue rows.
void FillModelCatalogue(CModelCatalogue& band);
// The catalogue, filled once; it never changes while the program runs.
const CModelCatalogue& ModelCatalogue();

// The row number carries the band: 0, 2, 4 are VHF and 1, 3, 5 UHF.
inline bool IsVhfRow(int row) {
    return row % 2 == 0;
}
inline bool IsOfferedModel(int row) {
    return row >= kFirstOfferedModel && row <= kLastOfferedModel;
}

// Entries of the main form's band box, one per sub-band: " V2 : 138 - 174 MHz".
std::vector<std::string> SubBandListTexts(const CModelBand& row);

// The hover text of a model-select button.
std::string ModelSelectText(const CModelBand& row);

// True when mhz lies inside the limits of the given sub-band (both ends included).
bool IsInSubBand(const CModelBand& row, int subBand, double mhz);
