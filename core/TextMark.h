#pragma once
// Marks a text for the person at the keyboard where it is written below the window layer. Here it stays the
// plain English text (kv310ctl prints it as it is); the window looks it up in its language's catalogue, under
// the context named, where it shows it. scripts/update-translations has lupdate read the macro as Qt's
// QT_TRANSLATE_NOOP, so the texts marked with it reach the catalogues without this layer knowing Qt.

// The context of the texts the message sink shows.
#define KV310_MESSAGES "Messages"

#define KV310_TEXT(context, text) text

#include <string>

// Where a marked text is filled in below the window layer ("The radio did not answer on {port}."), it is
// looked up first, so that the window's language reaches the text around the values. The window installs
// its catalogue's lookup; without one (kv310ctl, the tests) a text is its English self.
using TextLookup = std::string (*)(const char* context, const char* text);
void SetTextLookup(TextLookup lookup);
std::string LookUpText(const char* context, const char* text);
