#include "TextMark.h"

#include <atomic>

namespace {

std::atomic<TextLookup> g_Lookup{nullptr};

}  // namespace

void SetTextLookup(TextLookup lookup) {
    g_Lookup.store(lookup);
}

std::string LookUpText(const char* context, const char* text) {
    const TextLookup lookup = g_Lookup.load();
    return lookup != nullptr ? lookup(context, text) : std::string(text);
}
