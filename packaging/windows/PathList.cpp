#include "PathList.h"

#include <cwctype>
#include <vector>

namespace {

std::wstring Normal(std::wstring entry) {
    while (!entry.empty() && (entry.back() == L'\\' || entry.back() == L'/' || entry.back() == L' ')) {
        entry.pop_back();
    }
    for (wchar_t& c : entry) {
        c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    }
    return entry;
}

std::vector<std::wstring> Entries(const std::wstring& path) {
    std::vector<std::wstring> entries;
    size_t start = 0;
    for (;;) {
        const size_t semicolon = path.find(L';', start);
        entries.push_back(
            path.substr(start, semicolon == std::wstring::npos ? std::wstring::npos : semicolon - start));
        if (semicolon == std::wstring::npos) {
            return entries;
        }
        start = semicolon + 1;
    }
}

}  // namespace

std::wstring PathWithFolder(const std::wstring& path, const std::wstring& folder) {
    for (const std::wstring& entry : Entries(path)) {
        if (Normal(entry) == Normal(folder)) {
            return path;
        }
    }
    if (path.empty()) {
        return folder;
    }
    return path.back() == L';' ? path + folder : path + L";" + folder;
}

std::wstring PathWithoutFolder(const std::wstring& path, const std::wstring& folder) {
    std::wstring kept;
    bool first = true;
    for (const std::wstring& entry : Entries(path)) {
        if (!entry.empty() && Normal(entry) == Normal(folder)) {
            continue;
        }
        if (!first) {
            kept += L';';
        }
        kept += entry;
        first = false;
    }
    return kept;
}
