#include "core/platform/ordnerwaechter.h"

#include <windows.h>

#include <cstddef>

#include "core/platform/breit_win32.h"
#include "core/platform/fehlerplan.h"
#include "core/platform/griff_win32.h"

namespace plattform {
namespace {

// Attributes too, so that a replay made read-only shows in the list as the scan would show it.
constexpr DWORD kFilter = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE |
                          FILE_NOTIFY_CHANGE_ATTRIBUTES;

// The system's buffer for one read; a burst that does not fit is reported as an overflow
// (a completion with no bytes). 64 KiB is the most a network share takes.
constexpr DWORD kPuffer = 64 * 1024;

// Reads that complete at once are fetched in the same call, up to this many, so one call
// empties what is waiting without looping forever under a flood.
constexpr int kHoechstensLesungen = 64;

struct Kennung {
    DWORD volume = 0, indexHoch = 0, indexTief = 0;
    bool operator==(const Kennung&) const = default;
};

bool KennungLesen(HANDLE h, Kennung& k) {
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(h, &info)) return false;
    k = {info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
    return true;
}

HANDLE OrdnerOeffnen(const std::string& ordner, DWORD zugriff, DWORD flaggen) {
    // Shared in every way: watching never keeps anyone from renaming or deleting the folder.
    return CreateFileW(Breit(ordner).c_str(), zugriff, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                       nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | flaggen, nullptr);
}

Ordnerereignis ArtAus(DWORD aktion) {
    switch (aktion) {
        case FILE_ACTION_ADDED: return Ordnerereignis::Angelegt;
        case FILE_ACTION_REMOVED: return Ordnerereignis::Geloescht;
        case FILE_ACTION_RENAMED_OLD_NAME: return Ordnerereignis::Hinausbewegt;
        case FILE_ACTION_RENAMED_NEW_NAME: return Ordnerereignis::Hereinbewegt;
        default: return Ordnerereignis::Geschrieben;  // FILE_ACTION_MODIFIED
    }
}

}  // namespace

struct Ordnerwaechter::Innen {
    std::string ordner;
    HANDLE ordnerGriff = INVALID_HANDLE_VALUE;
    HANDLE ereignis = nullptr;  // manual reset, signalled when a read completed
    HANDLE wecker = nullptr;
    OVERLAPPED ov{};
    std::unique_ptr<DWORD[]> puffer{new DWORD[kPuffer / sizeof(DWORD)]};  // DWORD-aligned, as the call wants
    Kennung kennung;
    bool laeuft = false;
    bool verloren = false;

    bool Anfordern() {
        ResetEvent(ereignis);
        ov = OVERLAPPED{};
        ov.hEvent = ereignis;
        laeuft = ReadDirectoryChangesW(ordnerGriff, puffer.get(), kPuffer, FALSE, kFilter, nullptr, &ov, nullptr);
        return laeuft;
    }

    ~Innen() {
        if (laeuft) {
            // The system writes into puffer until the read is really over.
            CancelIoEx(ordnerGriff, &ov);
            DWORD n;
            GetOverlappedResult(ordnerGriff, &ov, &n, TRUE);
        }
        if (ordnerGriff != INVALID_HANDLE_VALUE) CloseHandle(ordnerGriff);
        if (ereignis) CloseHandle(ereignis);
        if (wecker) CloseHandle(wecker);
    }
};

Ordnerwaechter::Ordnerwaechter(std::unique_ptr<Innen> innen) : innen_(std::move(innen)) {}
Ordnerwaechter::~Ordnerwaechter() = default;

std::unique_ptr<Ordnerwaechter> Ordnerwaechter::Starten(const std::string& ordner) {
    if (SollFehlschlagen(Operation::Beobachten)) return nullptr;
    auto innen = std::make_unique<Innen>();
    innen->ordner = ordner;
    innen->ordnerGriff = OrdnerOeffnen(ordner, FILE_LIST_DIRECTORY, FILE_FLAG_OVERLAPPED);
    innen->ereignis = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    innen->wecker = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    if (innen->ordnerGriff == INVALID_HANDLE_VALUE || !innen->ereignis || !innen->wecker) return nullptr;
    if (!KennungLesen(innen->ordnerGriff, innen->kennung) || !innen->Anfordern()) return nullptr;
    return std::unique_ptr<Ordnerwaechter>(new Ordnerwaechter(std::move(innen)));
}

std::intptr_t Ordnerwaechter::Griff() const { return reinterpret_cast<std::intptr_t>(innen_->ereignis); }

std::vector<Ordneraenderung> Ordnerwaechter::Abholen() {
    std::vector<Ordneraenderung> aenderungen;
    Innen& w = *innen_;
    for (int lesung = 0; lesung < kHoechstensLesungen && !w.verloren; ++lesung) {
        DWORD n = 0;
        if (!GetOverlappedResult(w.ordnerGriff, &w.ov, &n, FALSE)) {
            const DWORD fehler = GetLastError();
            if (fehler == ERROR_IO_INCOMPLETE) break;  // nothing waiting
            w.laeuft = false;
            // ERROR_NOTIFY_ENUM_DIR: too much for the buffer. Anything else (the folder
            // deleted, access taken away, the share gone) ends the watch.
            if (fehler == ERROR_NOTIFY_ENUM_DIR) aenderungen.push_back({Ordnerereignis::Ueberlauf, {}});
            else w.verloren = true;
        } else {
            w.laeuft = false;
            if (SollFehlschlagen(Operation::Benachrichtigung) || n == 0) {
                aenderungen.push_back({Ordnerereignis::Ueberlauf, {}});
            } else {
                const auto* anfang = reinterpret_cast<const BYTE*>(w.puffer.get());
                for (DWORD stelle = 0; stelle + sizeof(FILE_NOTIFY_INFORMATION) <= n;) {
                    const auto* info = reinterpret_cast<const FILE_NOTIFY_INFORMATION*>(anfang + stelle);
                    const std::size_t zeichen = info->FileNameLength / sizeof(wchar_t);
                    if (stelle + offsetof(FILE_NOTIFY_INFORMATION, FileName) + info->FileNameLength <= n)
                        aenderungen.push_back({ArtAus(info->Action), Schmal(std::wstring_view(info->FileName, zeichen))});
                    if (info->NextEntryOffset == 0) break;
                    stelle += info->NextEntryOffset;
                }
            }
        }
        if (!w.verloren && !w.Anfordern()) w.verloren = true;
    }
    if (w.verloren && (aenderungen.empty() || aenderungen.back().Art != Ordnerereignis::OrdnerWeg)) {
        aenderungen.push_back({Ordnerereignis::OrdnerWeg, {}});
        // Closed at once: a deleted folder whose handle is still open stays in the way of
        // one made anew under its name.
        CloseHandle(w.ordnerGriff);
        w.ordnerGriff = INVALID_HANDLE_VALUE;
        SetEvent(w.ereignis);  // so the event loop still fetches this news
    }
    return aenderungen;
}

bool Ordnerwaechter::Warten(int millisekunden) {
    const HANDLE griffe[2] = {innen_->ereignis, innen_->wecker};
    return WaitForMultipleObjects(2, griffe, FALSE, static_cast<DWORD>(millisekunden)) == WAIT_OBJECT_0;
}

void Ordnerwaechter::Aufwecken() { SetEvent(innen_->wecker); }

bool Ordnerwaechter::Gueltig() const {
    if (innen_->verloren) return false;
    // A folder deleted while we hold it is only marked for deletion: its path may still
    // open, so that mark is asked for first.
    FILE_STANDARD_INFO standard;
    if (GetFileInformationByHandleEx(innen_->ordnerGriff, FileStandardInfo, &standard, sizeof standard) &&
        standard.DeletePending)
        return false;
    const plattform::Griff jetzt(OrdnerOeffnen(innen_->ordner, 0, 0));  // not the member Griff()
    Kennung k;
    return jetzt.Gueltig() && KennungLesen(jetzt.h(), k) && k == innen_->kennung;
}

bool FernerOrdner(const std::string& ordner) {
    const std::wstring breit = Breit(ordner);
    // \\server\share, also as \\?\UNC\server\share; \\?\C:\ is a local path.
    if (breit.rfind(L"\\\\", 0) == 0 && (breit.rfind(L"\\\\?\\", 0) != 0 || breit.rfind(L"\\\\?\\UNC\\", 0) == 0))
        return true;
    wchar_t wurzel[MAX_PATH + 1];
    if (!GetVolumePathNameW(breit.c_str(), wurzel, MAX_PATH + 1)) return false;
    return GetDriveTypeW(wurzel) == DRIVE_REMOTE;
}

}  // namespace plattform
