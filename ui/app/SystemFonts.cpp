#include "app/SystemFonts.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <cstring>
#include <cwchar>

#ifdef _WIN32
#include <windows.h>

namespace {

// wine's ntdll has wine_get_version; Windows' has not.
bool RunningUnderWine() {
    const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

int CALLBACK NoteFont(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool HasFontFamily(const wchar_t* family) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(wanted.lfFaceName, family, LF_FACESIZE - 1);
    bool found = false;
    const HDC screen = ::GetDC(nullptr);
    ::EnumFontFamiliesExW(screen, &wanted, NoteFont, reinterpret_cast<LPARAM>(&found), 0);
    ::ReleaseDC(nullptr, screen);
    return found;
}

bool PlatformChosen(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0) {
            return true;
        }
    }
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    return !platform.isEmpty() && platform != "windows";  // a plain "windows" says nothing about fonts
}

}  // namespace

// Qt's GDI font engine draws with the system's dialog font, which Windows always has (Segoe UI, Tahoma).
// Where those fonts are missing (wine as Debian ships it has no Windows fonts of its own) GDI stands a
// substitute in for them: the labels came out in a serif face and the line edits drew no text at all.
// There the FreeType engine reads the font files the system has (under wine the Linux ones) and draws
// every field; a real Windows keeps its native engine.
bool ChooseFontEngine(int argc, char* argv[]) {
    if (PlatformChosen(argc, argv) ||
        (!RunningUnderWine() && (HasFontFamily(L"Segoe UI") || HasFontFamily(L"Tahoma")))) {
        return false;
    }
    qputenv("QT_QPA_PLATFORM", "windows:fontengine=freetype");
    return true;
}

#else

bool ChooseFontEngine(int, char*[]) {
    return false;
}

#endif

void ChooseSansSerifFace() {
    for (const char* family : {"Segoe UI", "Tahoma", "Liberation Sans", "DejaVu Sans", "Arial"}) {
        if (QFontDatabase::hasFamily(QString::fromLatin1(family))) {
            QFont font = QApplication::font();
            font.setFamily(QString::fromLatin1(family));
            QApplication::setFont(font);
            return;
        }
    }
}
