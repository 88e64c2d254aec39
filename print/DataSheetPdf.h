#pragma once
// The data sheet as a PDF file, for callers without windows (kv310ctl print). No Qt in this header.

#include <string>

#include "DataRadioDoc.h"

// Renders the sheet into a PDF file without needing a display (a GUI application is made for the call when
// there is none, on the offscreen platform). The file is replaced whole or left untouched. language: "en"
// prints the sheet with the texts it has always had; "de" or "es" with the window's catalogue of that
// language, so that the PDF is the one the window prints in it. Any other language fails with the reason.
bool PrintDataSheetToPdf(const CDataRadioDoc& doc, const std::string& path, std::string* error,
                         const std::string& language = "en");
