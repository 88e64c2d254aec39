#pragma once
// Draws the two-page data sheet on a printer or into a PDF. Positions come in twips (1440 per inch) from the
// top-left corner of the printable area; the text is "Courier New" 9 pt, or the closest monospaced font.

#include <QFont>
#include <string>

#include "DataRadioDoc.h"
#include "DataSheetPdf.h"

class QPagedPaintDevice;
class QPainter;
class QPrinter;

constexpr int kTwipsPerInch = 1440;

// "KV310  VHF DATA SHEET": the print job's name.
std::string DataSheetJobName(const CDataRadioDoc& doc);

// The sheet's font: "Courier New" 9 pt, or a monospaced font where it is missing, sized in twips for a
// painter scaled to twips.
QFont DataSheetFont();

// Draws both pages on an open painter; starts the second page on the device itself.
void PaintDataSheet(const CDataRadioDoc& doc, QPainter& painter, QPagedPaintDevice& device);

// Prints on a printer the print dialog has set up. On failure returns false and says why in error.
bool PrintDataSheet(const CDataRadioDoc& doc, QPrinter& printer, std::string* error);
