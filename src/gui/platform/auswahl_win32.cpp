#include "platform/auswahl.h"

#include <QGuiApplication>
#include <QWidget>

#include <windows.h>
#include <commdlg.h>
#include <shlobj.h>

// The shell's folder browser and the common file-open dialog, as a Windows user knows
// them. Texts and paths are in the ANSI code page, like the rest of the Win32 layer.
namespace auswahl {
namespace {

bool Offscreen() { return QGuiApplication::platformName() == QLatin1String("offscreen"); }

HWND Fenster(QWidget* besitzer) {
    return besitzer ? reinterpret_cast<HWND>(besitzer->window()->winId()) : nullptr;
}

// The root "\" as the desktop folder parses it: the current drive's root. When it does
// not resolve, the browser shows the whole shell namespace.
LPITEMIDLIST Wurzel(HWND fenster) {
    IShellFolder* desktop = nullptr;
    if (FAILED(SHGetDesktopFolder(&desktop)) || !desktop) return nullptr;
    wchar_t pfad[] = L"\\";
    LPITEMIDLIST wurzel = nullptr;
    if (FAILED(desktop->ParseDisplayName(fenster, nullptr, pfad, nullptr, &wurzel, nullptr))) wurzel = nullptr;
    desktop->Release();
    return wurzel;
}

}  // namespace

bool OrdnerWaehlen(QWidget* besitzer, const std::string& titel, std::string& ordner) {
    if (Offscreen()) return QtOrdnerWaehlen(besitzer, titel, ordner);
    HWND fenster = Fenster(besitzer);
    LPITEMIDLIST wurzel = Wurzel(fenster);
    BROWSEINFOA info{};
    info.hwndOwner = fenster;
    info.pidlRoot = wurzel;
    info.lpszTitle = titel.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    // No "insert a disk" box for an empty drive while the user browses.
    UINT vorher = SetErrorMode(SEM_FAILCRITICALERRORS);
    LPITEMIDLIST gewaehlt = SHBrowseForFolderA(&info);
    SetErrorMode(vorher);
    bool ok = false;
    if (gewaehlt) {
        char pfad[MAX_PATH] = {};
        ok = SHGetPathFromIDListA(gewaehlt, pfad) && pfad[0] != '\0';
        if (ok) ordner = pfad;
        CoTaskMemFree(gewaehlt);
    }
    if (wurzel) CoTaskMemFree(wurzel);
    return ok;
}

bool DateiOeffnen(QWidget* besitzer, const std::string& startordner, std::string& dateiname) {
    if (Offscreen()) return QtDateiOeffnen(besitzer, startordner, dateiname);
    char name[MAX_PATH] = "*";
    static const char kFilter[] = "Verzeichnis\0*\0";
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = Fenster(besitzer);
    ofn.lpstrFilter = kFilter;
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = name;
    ofn.nMaxFile = sizeof name;
    ofn.lpstrInitialDir = startordner.empty() ? nullptr : startordner.c_str();
    // The typed name need not exist; only its folder counts.
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOVALIDATE;
    if (!GetOpenFileNameA(&ofn)) return false;
    dateiname = name;
    return true;
}

}  // namespace auswahl
