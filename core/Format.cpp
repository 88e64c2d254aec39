#include "Format.h"

#include <cstdarg>
#include <cstdio>

std::string StrPrintf(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = StrPrintfV(format, args);
    va_end(args);
    return text;
}

std::string StrPrintfV(const char* format, va_list args) {
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string text;
    if (length > 0) {
        text.resize(static_cast<size_t>(length) + 1);
        std::vsnprintf(text.data(), text.size(), format, args);
        text.resize(static_cast<size_t>(length));
    }
    return text;
}

void FillField(std::string& text, const std::string& field, const std::string& value) {
    for (size_t at = text.find(field); at != std::string::npos; at = text.find(field, at + value.size())) {
        text.replace(at, field.size(), value);
    }
}
