#pragma once
// The window's texts in the chosen language: texts marked below the window layer (KV310_TEXT) are looked up
// where they are shown, and a message made of several marked lines is translated line by line.

#include <QString>
#include <string>

#include "TextMark.h"

// A marked text of a context, in the language installed; an unknown text comes back as it is.
QString TranslatedText(const char* context, const char* text);
// A message for the sink: the whole text if the catalogue knows it, else each line that it knows.
QString TranslatedMessage(const std::string& text);
