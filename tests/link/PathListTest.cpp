// The installer's PATH helper: its folder goes on at the end and comes off again, whatever else the PATH
// holds and however long it is.

#include <gtest/gtest.h>

#include "PathList.h"

namespace {

const std::wstring kFolder = L"C:\\Program Files\\KV310 PC Programmer";

// A PATH of about length characters of other programs' folders.
std::wstring LongPath(size_t length) {
    std::wstring path;
    for (int n = 0; path.size() < length; ++n) {
        if (!path.empty()) {
            path += L';';
        }
        path += L"C:\\Tools\\Program " + std::to_wstring(n) + L"\\bin";
    }
    return path;
}

TEST(PathList, AddsAtTheEndAndRemovesOnlyItsOwnEntry) {
    const struct {
        std::wstring m_strBefore;
        std::wstring m_strAdded;
    } cases[] = {
        {std::wstring(), kFolder},
        {L"C:\\Windows;C:\\Windows\\system32", L"C:\\Windows;C:\\Windows\\system32;" + kFolder},
        {L"C:\\Windows;", L"C:\\Windows;" + kFolder},
        {L"C:\\A;;C:\\B", L"C:\\A;;C:\\B;" + kFolder},  // an empty entry stays where it was
        {L"%SystemRoot%;C:\\kv310 pc programmer", L"%SystemRoot%;C:\\kv310 pc programmer;" + kFolder},
        {LongPath(1000), LongPath(1000) + L";" + kFolder},
        {LongPath(2000), LongPath(2000) + L";" + kFolder},
        {LongPath(8000), LongPath(8000) + L";" + kFolder},
    };
    for (const auto& test : cases) {
        const std::wstring added = PathWithFolder(test.m_strBefore, kFolder);
        EXPECT_EQ(added, test.m_strAdded) << test.m_strBefore.size();
        EXPECT_EQ(PathWithFolder(added, kFolder), added);  // a second install adds nothing
        const std::wstring removed = PathWithoutFolder(added, kFolder);
        const std::wstring expected = !test.m_strBefore.empty() && test.m_strBefore.back() == L';'
                                          ? test.m_strBefore.substr(0, test.m_strBefore.size() - 1)
                                          : test.m_strBefore;
        EXPECT_EQ(removed, expected) << test.m_strBefore.size();
    }
}

TEST(PathList, KnowsItsFolderInAnyCaseAndLeavesOthersAlone) {
    const std::wstring path = L"C:\\A;c:\\program files\\kv310 pc programmer\\;C:\\B;" + kFolder;
    EXPECT_EQ(PathWithFolder(path, kFolder), path);
    EXPECT_EQ(PathWithoutFolder(path, kFolder), L"C:\\A;C:\\B");
    // a folder whose name only begins like ours is another program's
    EXPECT_EQ(PathWithoutFolder(kFolder + L" 2;C:\\A", kFolder), kFolder + L" 2;C:\\A");
}

}  // namespace
