#include "TextMark.h"

#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <vector>

#include "Format.h"

namespace {

std::atomic<TextLookup> g_Lookup{nullptr};
thread_local bool t_bEnglish = false;  // a CEnglishTexts lives on this thread

// The conversions of a format as written, "%-8s" "%.5f"; one the C library does not know is kept with a
// mark no well-formed conversion carries.
std::vector<std::string> Conversions(const char* format) {
    std::vector<std::string> found;
    for (const char* at = std::strchr(format, '%'); at != nullptr; at = std::strchr(at, '%')) {
        if (at[1] == '%') {
            at += 2;
            continue;
        }
        const char* end = at + 1;
        end += std::strspn(end, "-+ #0");
        end += std::strspn(end, "0123456789*");
        if (*end == '.') {
            ++end;
            end += std::strspn(end, "0123456789*");
        }
        end += std::strspn(end, "hlLjzt");
        const bool known = *end != '\0' && std::strchr("diouxXeEfFgGaAcsp", *end) != nullptr;
        std::string conversion(at, end + (*end != '\0' ? 1 : 0));
        found.push_back(known ? conversion : "\x01" + conversion);
        at = *end != '\0' ? end + 1 : end;
    }
    return found;
}

}  // namespace

void SetTextLookup(TextLookup lookup) {
    g_Lookup.store(lookup);
}

std::string LookUpText(const char* context, const char* text) {
    const TextLookup lookup = g_Lookup.load();
    return lookup != nullptr && !t_bEnglish ? lookup(context, text) : std::string(text);
}

CEnglishTexts::CEnglishTexts() : m_bWasEnglish(t_bEnglish) {
    t_bEnglish = true;
}

CEnglishTexts::~CEnglishTexts() {
    t_bEnglish = m_bWasEnglish;
}

bool SameConversions(const char* english, const char* translated) {
    return Conversions(english) == Conversions(translated);
}

std::string TextPrintf(const char* context, const char* format, ...) {
    const std::string translated = LookUpText(context, format);
    const char* used = SameConversions(format, translated.c_str()) ? translated.c_str() : format;
    va_list args;
    va_start(args, format);
    std::string text = StrPrintfV(used, args);
    va_end(args);
    return text;
}
