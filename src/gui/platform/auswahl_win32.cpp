#include "gui/platform/auswahl.h"

#include <QGuiApplication>
#include <QWidget>

#include <windows.h>
#include <shlobj.h>
#include <shobjidl.h>

#include "core/platform/breit_win32.h"
#include "core/platform/dateisystem.h"
#include "core/platform/pfad.h"

// The system's own folder chooser (IFileOpenDialog with FOS_PICKFOLDERS) for both folders,
// as a Windows user knows it from every other program: it reaches every drive and the
// network, makes new folders, and takes a path typed into its edit box.
namespace auswahl {
namespace {

bool Offscreen() { return QGuiApplication::platformName() == QLatin1String("offscreen"); }

HWND Fenster(QWidget* besitzer) {
    return besitzer ? reinterpret_cast<HWND>(besitzer->window()->winId()) : nullptr;
}

// A COM pointer that releases what it holds.
template <typename T>
class Com {
public:
    Com() = default;
    ~Com() {
        if (p_) p_->Release();
    }
    Com(const Com&) = delete;
    Com& operator=(const Com&) = delete;
    T** Adresse() { return &p_; }
    T* Zeiger() const { return p_; }
    T* operator->() const { return p_; }

private:
    T* p_ = nullptr;
};

// The folder the chooser opens in: ordner itself, or the nearest folder above it that
// still exists, so a library on a drive that is gone starts as near to it as can be.
std::string Startordner(std::string ordner) {
    while (!ordner.empty()) {
        while (ordner.size() > 3 && (ordner.back() == '\\' || ordner.back() == '/')) ordner.pop_back();
        if (plattform::VerzeichnisExistiert(ordner)) return ordner;
        const std::string oben = plattform::OrdnerTeil(ordner);
        if (oben.empty() || oben.size() >= ordner.size()) return {};
        ordner = oben;
    }
    return {};
}

// Shows the chooser starting at start; true with the chosen folder's path (with a final
// separator only at a drive's root).
bool OrdnerDialog(QWidget* besitzer, const std::string& titel, const std::string& start, std::string& gewaehlt) {
    // Qt's window thread has COM already; this only makes sure of it.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    Com<IFileOpenDialog> dialog;
    bool ok = false;
    if (SUCCEEDED(CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(dialog.Adresse())))) {
        FILEOPENDIALOGOPTIONS optionen = 0;
        dialog->GetOptions(&optionen);
        dialog->SetOptions(optionen | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST | FOS_NOCHANGEDIR);
        if (!titel.empty()) dialog->SetTitle(plattform::Breit(titel).c_str());
        if (const std::string ordner = Startordner(start); !ordner.empty()) {
            Com<IShellItem> ort;
            if (SUCCEEDED(SHCreateItemFromParsingName(plattform::Breit(ordner).c_str(), nullptr,
                                                      IID_PPV_ARGS(ort.Adresse()))))
                dialog->SetFolder(ort.Zeiger());
        }
        // No "insert a disk" box for an empty drive while the user browses.
        const UINT vorher = SetErrorMode(SEM_FAILCRITICALERRORS);
        const HRESULT gezeigt = dialog->Show(Fenster(besitzer));
        SetErrorMode(vorher);
        Com<IShellItem> ergebnis;
        wchar_t* pfad = nullptr;
        if (SUCCEEDED(gezeigt) && SUCCEEDED(dialog->GetResult(ergebnis.Adresse())) &&
            SUCCEEDED(ergebnis->GetDisplayName(SIGDN_FILESYSPATH, &pfad)) && pfad && pfad[0] != L'\0') {
            gewaehlt = plattform::Schmal(pfad);
            ok = true;
        }
        if (pfad) CoTaskMemFree(pfad);
    }
    if (SUCCEEDED(com)) CoUninitialize();
    return ok;
}

}  // namespace

bool OrdnerWaehlen(QWidget* besitzer, const std::string& titel, std::string& ordner) {
    if (Offscreen()) return QtOrdnerWaehlen(besitzer, titel, ordner);
    return OrdnerDialog(besitzer, titel, ordner, ordner);
}

}  // namespace auswahl
