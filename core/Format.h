#pragma once
// printf-style formatting into a std::string, for the system's fixed texts ("%.5f", "COM%d" …).

#include <cstdarg>
#include <cstdio>
#include <string>

#ifdef __MINGW_PRINTF_FORMAT
// MinGW: the C99 printf of its own (__USE_MINGW_ANSI_STDIO), which knows %zu and %lld
std::string StrPrintf(const char* format, ...) __attribute__((format(__MINGW_PRINTF_FORMAT, 1, 2)));
#else
std::string StrPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));
#endif
// The same with the arguments as a va_list, for functions that take "..." themselves.
std::string StrPrintfV(const char* format, va_list args);

// Puts value for every "{field}" in text ("{port}" in "The radio did not answer on {port}.").
void FillField(std::string& text, const std::string& field, const std::string& value);
