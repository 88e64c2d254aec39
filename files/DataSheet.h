#pragma once
// The printed data sheet, laid out without any window system: two pages of text items at fixed
// positions, drawn in one monospaced font.
//
// Page 1 is the channel table (16 rows), page 2 the radio-wide options. Positions are in twips
// (1/1440 inch), measured from the top-left corner of the printable area, x to the right and y DOWN;
// each position is the top-left corner of its text. Nothing is scaled to the paper: the text reaches
// about 10 800 twips to the right and 13 300 twips down.
//
// To print (ui/): start a job named strJobName, select the font (face strFace, character height
// nHeightTwips twips, weight nWeight), and for each page draw every item's text with its top-left corner
// at (nX, nY) converted from twips to device units (device = twips * dpi / 1440; a painter that places
// text by its baseline adds the font's ascent to y), then end the page. Items are drawn in order; a few
// overlap on purpose (the older channel layout puts "SCAN" and "WIDTH" 100 twips apart).
//
// For terminals, DataSheetText() places the same items on a character grid of the monospaced font.
//
// The sheet's fixed texts are marked (context "DataSheet") and looked up as it is laid out: the window
// prints in its language, `kv310ctl print --language de|es` loads the same catalogue and makes the same PDF,
// and without a lookup (kv310ctl's default) the sheet keeps the English texts it has always had.

#include <cstdint>
#include <string>
#include <vector>

#include "DataRadioDoc.h"

// One piece of text on a page.
struct SSheetItem {
    int32_t nX = 0;  // twips from the left edge of the printable area
    int32_t nY = 0;  // twips from the top edge, growing downward
    std::string strText;
};

using CSheetPage = std::vector<SSheetItem>;

// The font of the whole sheet: Courier New, 9 point, normal weight, no italic, underline or
// strike-out; modern family, default pitch.
struct SSheetFont {
    std::string strFace = "Courier New";
    int32_t nHeightTwips = 180;
    int32_t nWeight = 400;
};

struct SDataSheet {
    std::string strJobName;  // the model's title and " DATA SHEET": "KV310  VHF DATA SHEET"
    SSheetFont font;
    std::vector<CSheetPage> pages;  // always two
};

// Lays out the sheet for the record as it stands. Rows 0 and 1 (files of an older tool) get the older
// single-line channel layout.
SDataSheet BuildDataSheet(const CDataRadioDoc& doc);

// The grid DataSheetText() uses: Courier New advances 0.6 of its height, and the closest two lines of
// the sheet lie 115 twips apart, so no two lines share a grid row.
constexpr int32_t kGridColumnTwips = 108;
constexpr int32_t kGridRowTwips = 115;

// One page as lines of text: every item at column nX / 108 and row nY / 115; a later item overwrites an
// earlier one where they overlap, trailing blanks are cut, short gaps between lines are closed and
// longer ones (a group break) kept as one empty line.
std::string DataSheetPageText(const CSheetPage& page);

// Both pages, separated by an empty line.
std::string DataSheetText(const SDataSheet& sheet);
