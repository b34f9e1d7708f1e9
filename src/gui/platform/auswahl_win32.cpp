#include "gui/platform/auswahl.h"

#include <QGuiApplication>
#include <QWidget>

#include <windows.h>
#include <commdlg.h>
#include <shlobj.h>

#include "core/platform/breit_win32.h"

// The shell's folder browser and the common file-open dialog, as a Windows user knows
// them. Texts and paths cross to the wide functions like the rest of the Win32 layer.
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
    const std::wstring breitTitel = plattform::Breit(titel);
    BROWSEINFOW info{};
    info.hwndOwner = fenster;
    info.pidlRoot = wurzel;
    info.lpszTitle = breitTitel.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    // No "insert a disk" box for an empty drive while the user browses.
    UINT vorher = SetErrorMode(SEM_FAILCRITICALERRORS);
    LPITEMIDLIST gewaehlt = SHBrowseForFolderW(&info);
    SetErrorMode(vorher);
    bool ok = false;
    if (gewaehlt) {
        wchar_t pfad[MAX_PATH] = {};
        ok = SHGetPathFromIDListW(gewaehlt, pfad) && pfad[0] != L'\0';
        if (ok) ordner = plattform::Schmal(pfad);
        CoTaskMemFree(gewaehlt);
    }
    if (wurzel) CoTaskMemFree(wurzel);
    return ok;
}

bool DateiOeffnen(QWidget* besitzer, const std::string& startordner, std::string& dateiname) {
    if (Offscreen()) return QtDateiOeffnen(besitzer, startordner, dateiname);
    wchar_t name[MAX_PATH] = L"*";
    static const wchar_t kFilter[] = L"Verzeichnis\0*\0";
    const std::wstring breitStart = plattform::Breit(startordner);
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = Fenster(besitzer);
    ofn.lpstrFilter = kFilter;
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = name;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrInitialDir = startordner.empty() ? nullptr : breitStart.c_str();
    // The typed name need not exist; only its folder counts.
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOVALIDATE;
    if (!GetOpenFileNameW(&ofn)) return false;
    dateiname = plattform::Schmal(name);
    return true;
}

}  // namespace auswahl
