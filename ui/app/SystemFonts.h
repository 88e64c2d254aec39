#pragma once
// The font engine and face the window draws with. On Windows the window uses Qt's own engine and the
// system's dialog font, and looks native; where the system's fonts are missing (wine) it chooses another
// engine and a sans-serif face (SystemFonts.cpp says why). Elsewhere both do nothing.

// Before the QApplication is made: the engine, unless the command line or QT_QPA_PLATFORM chose a platform.
// True when the face must be chosen too, once the application exists.
bool ChooseFontEngine(int argc, char* argv[]);
// After: a sans-serif face among the fonts the system has.
void ChooseSansSerifFace();
