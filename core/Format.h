#pragma once
// printf-style formatting into a std::string, for the system's fixed texts ("%.5f", "COM%d" …).

#include <string>

std::string StrPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));
