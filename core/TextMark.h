#pragma once
// Marks a text for the person at the keyboard where it is written below the window layer. Here it stays the
// plain English text (kv310ctl prints it as it is); the window looks it up in its language's catalogue, under
// the context named, where it shows it. scripts/update-translations has lupdate read the macro as Qt's
// QT_TRANSLATE_NOOP, so the texts marked with it reach the catalogues without this layer knowing Qt.

// The context of the texts the message sink shows.
#define KV310_MESSAGES "Messages"

#define KV310_TEXT(context, text) text

#include <cstdio>  // MinGW: __MINGW_PRINTF_FORMAT
#include <string>

// Where a marked text is filled in below the window layer ("The radio did not answer on {port}."), it is
// looked up first, so that the window's language reaches the text around the values. The window installs
// its catalogue's lookup; without one (kv310ctl, the tests) a text is its English self.
using TextLookup = std::string (*)(const char* context, const char* text);
void SetTextLookup(TextLookup lookup);
std::string LookUpText(const char* context, const char* text);

// While one lives, LookUpText and TextPrintf give the English texts on the thread that made it: for what is
// written for the developers whatever the window's language (the problem report's list of ports).
class CEnglishTexts {
public:
    CEnglishTexts();
    ~CEnglishTexts();
    CEnglishTexts(const CEnglishTexts&) = delete;
    CEnglishTexts& operator=(const CEnglishTexts&) = delete;

private:
    bool m_bWasEnglish;
};

// A marked printf format ("Channel %d %s %.5f MHz ..."), looked up and filled in. The compiler checks the
// arguments against the English format; a translation is used only when its conversions are the English
// ones, written alike and in the same order, else the English format is: a faulty translation costs the
// language of one text, never a value read from an argument that is not there.
#ifdef __MINGW_PRINTF_FORMAT
std::string TextPrintf(const char* context, const char* format, ...)
    __attribute__((format(__MINGW_PRINTF_FORMAT, 2, 3)));
#else
std::string TextPrintf(const char* context, const char* format, ...) __attribute__((format(printf, 2, 3)));
#endif

// Whether two printf formats hold the same conversions in the same order ("%%" is none; a "%" that starts
// no conversion the C library knows, a "%1$d" among them, matches nothing).
bool SameConversions(const char* english, const char* translated);
