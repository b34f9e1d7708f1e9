#include "core/platform/tempdatei.h"

#include <windows.h>

#include "core/platform/breit_win32.h"
#include "core/platform/fehlerplan.h"
#include "core/platform/griff_win32.h"

namespace plattform {
namespace {

HANDLE H(std::intptr_t griff) { return reinterpret_cast<HANDLE>(griff); }

constexpr std::intptr_t kZu = -1;

Dateifehler FehlerAus(DWORD nummer) {
    if (nummer == ERROR_DISK_FULL || nummer == ERROR_HANDLE_DISK_FULL) return Dateifehler::Voll;
    if (nummer == ERROR_PATH_NOT_FOUND || nummer == ERROR_FILE_NOT_FOUND || nummer == ERROR_INVALID_NAME ||
        nummer == ERROR_DIRECTORY)
        return Dateifehler::OrdnerFehlt;
    return Dateifehler::Sonstiges;
}

FILETIME Filetime(std::int64_t ticks) {
    FILETIME f;
    f.dwLowDateTime = static_cast<DWORD>(static_cast<std::uint64_t>(ticks));
    f.dwHighDateTime = static_cast<DWORD>(static_cast<std::uint64_t>(ticks) >> 32);
    return f;
}

bool Belegt(DWORD nummer) { return nummer == ERROR_ALREADY_EXISTS || nummer == ERROR_FILE_EXISTS; }

// Attributes a copy keeps, as CopyFile keeps them.
constexpr DWORD kKopierteAttribute =
    FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;

bool AttributeSetzen(HANDLE h, DWORD attribute) {
    FILE_BASIC_INFO basis{};
    basis.FileAttributes = attribute == 0 ? FILE_ATTRIBUTE_NORMAL : attribute;
    return SetFileInformationByHandle(h, FileBasicInfo, &basis, sizeof basis) != 0;
}

}  // namespace

TempDatei::TempDatei(std::intptr_t griff, std::string pfad) : griff_(griff), pfad_(std::move(pfad)) {}

TempDatei::~TempDatei() {
    // Deleted through our own handle, so it is our file that goes, read-only or not.
    if (!eingesetzt_ && griff_ != kZu) {
        AttributeSetzen(H(griff_), FILE_ATTRIBUTE_NORMAL);
        FILE_DISPOSITION_INFO loeschen{TRUE};
        SetFileInformationByHandle(H(griff_), FileDispositionInfo, &loeschen, sizeof loeschen);
    }
    Schliessen();
}

void TempDatei::Schliessen() {
    if (griff_ != kZu) CloseHandle(H(griff_));
    griff_ = kZu;
}

std::unique_ptr<TempDatei> TempDatei::Anlegen(const std::string& ordner, Dateifehler* warum) {
    auto melden = [warum](Dateifehler f) {
        if (warum) *warum = f;
        return nullptr;
    };
    if (SollFehlschlagen(Operation::Erzeugen)) return melden(Dateifehler::Sonstiges);
    for (int versuch = 0; versuch < 100; ++versuch) {
        const std::string pfad = ordner + TempName();
        // CREATE_NEW never opens what is there, a link included. Sharing deletion lets the
        // file be moved to its name while we hold it; held, no clean-up elsewhere takes it.
        HANDLE h = CreateFileW(Breit(pfad).c_str(), GENERIC_READ | GENERIC_WRITE | DELETE,
                               FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                               nullptr);
        if (h == INVALID_HANDLE_VALUE) {
            if (Belegt(GetLastError())) continue;
            return melden(FehlerAus(GetLastError()));
        }
        return std::unique_ptr<TempDatei>(new TempDatei(reinterpret_cast<std::intptr_t>(h), pfad));
    }
    return melden(Dateifehler::Sonstiges);
}

bool TempDatei::Schreiben(const void* daten, std::size_t anzahl) {
    if (SollFehlschlagen(Operation::Schreiben)) {
        fehler_ = Dateifehler::Voll;
        return false;
    }
    const auto* quelle = static_cast<const char*>(daten);
    while (anzahl > 0) {
        const DWORD teil = static_cast<DWORD>(anzahl < 0x40000000 ? anzahl : 0x40000000);
        DWORD n = 0;
        if (!WriteFile(H(griff_), quelle, teil, &n, nullptr) || n == 0) {
            fehler_ = n == 0 && GetLastError() == ERROR_SUCCESS ? Dateifehler::Voll : FehlerAus(GetLastError());
            return false;
        }
        quelle += n;
        anzahl -= n;
    }
    return true;
}

bool TempDatei::Abschliessen(const Dateizustand& vorbild) {
    const FILETIME aenderung = Filetime(vorbild.aenderung);
    if (!SetFileTime(H(griff_), nullptr, nullptr, &aenderung)) {
        fehler_ = FehlerAus(GetLastError());
        return false;
    }
    if (SollFehlschlagen(Operation::Flush) || !FlushFileBuffers(H(griff_))) {
        fehler_ = Dateifehler::Sonstiges;
        return false;
    }
    // Last: a read-only attribute set earlier would refuse the time.
    if (!AttributeSetzen(H(griff_), vorbild.art & kKopierteAttribute)) {
        fehler_ = FehlerAus(GetLastError());
        return false;
    }
    return true;
}

std::unique_ptr<Quelldatei> TempDatei::Zuruecklesen() const {
    BY_HANDLE_FILE_INFORMATION eigen;
    if (!GetFileInformationByHandle(H(griff_), &eigen)) return nullptr;
    auto datei = Quelldatei::Oeffnen(pfad_);
    const std::uint64_t knoten = (static_cast<std::uint64_t>(eigen.nFileIndexHigh) << 32) | eigen.nFileIndexLow;
    if (!datei || datei->Zustand().geraet != eigen.dwVolumeSerialNumber || datei->Zustand().knoten != knoten)
        return nullptr;
    return datei;
}

Einsetzergebnis OhneErsetzenUmbenennen(const std::string& von, const std::string& ziel) {
    // Without MOVEFILE_REPLACE_EXISTING the move fails on an existing name, in one step,
    // on NTFS, FAT and network shares alike; a new letter case of the same name is allowed.
    if (MoveFileExW(Breit(von).c_str(), Breit(ziel).c_str(), MOVEFILE_WRITE_THROUGH)) return Einsetzergebnis::Eingesetzt;
    return Belegt(GetLastError()) ? Einsetzergebnis::Belegt : Einsetzergebnis::Fehler;
}

Einsetzergebnis TempDatei::Einsetzen(const std::string& ziel) {
    if (SollFehlschlagen(Operation::Verschieben)) return Einsetzergebnis::Fehler;
    const Einsetzergebnis ergebnis = OhneErsetzenUmbenennen(pfad_, ziel);
    if (ergebnis == Einsetzergebnis::Eingesetzt) {
        eingesetzt_ = true;
        Schliessen();
    }
    return ergebnis;
}

Ersetzergebnis TempDatei::Ersetzen(const std::string& ziel, const Dateizustand& alt) {
    if (SollFehlschlagen(Operation::Ersetzen)) return Ersetzergebnis::Fehler;
    Dateizustand vorher;
    if (!ZustandLesen(ziel, vorher) || !(vorher == alt)) return Ersetzergebnis::Geaendert;
    // ReplaceFile opens the replacement itself and wants it closed. It keeps the replaced
    // file's attributes and security and swaps the two in one step.
    const std::wstring breitNeu = Breit(pfad_), breitZiel = Breit(ziel);
    Schliessen();
    bool ok = ReplaceFileW(breitZiel.c_str(), breitNeu.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                           nullptr) != 0;
    // Some file systems (FAT, many network shares) do not support it, and after
    // ERROR_UNABLE_TO_MOVE_REPLACEMENT_2 the old file has already left its name: in both
    // cases a plain move over the name still puts the new content in place.
    if (!ok) ok = MoveFileExW(breitNeu.c_str(), breitZiel.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok) {
        // Closed, it can no longer be removed through the handle; while the replay is
        // missing it may hold the only content left.
        if (GetFileAttributesW(breitZiel.c_str()) != INVALID_FILE_ATTRIBUTES) DeleteFileW(breitNeu.c_str());
        eingesetzt_ = true;
        return Ersetzergebnis::Fehler;
    }
    eingesetzt_ = true;
    // ReplaceFile keeps the replaced file's creation time, and NTFS carries it over to a
    // file that takes a just-freed name: made now, the stamp shows a new file.
    Griff neu(CreateFileW(breitZiel.c_str(), FILE_WRITE_ATTRIBUTES,
                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0, nullptr));
    if (neu.Gueltig()) {
        FILETIME jetzt;
        GetSystemTimeAsFileTime(&jetzt);
        SetFileTime(neu.h(), &jetzt, nullptr, nullptr);
    }
    return Ersetzergebnis::Ersetzt;
}

bool TempRestEntfernen(const std::string& pfad, std::int64_t erstelltVor) {
    // No sharing at all: the open fails while any process holds the file.
    Griff h(CreateFileW(Breit(pfad).c_str(), DELETE | FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES, 0, nullptr,
                        OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!h.Gueltig()) return false;
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(h.h(), &info) ||
        (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0)
        return false;
    // The creation time: a copy carries its source's modification time.
    const std::int64_t erstellt = static_cast<std::int64_t>(
        (static_cast<std::uint64_t>(info.ftCreationTime.dwHighDateTime) << 32) | info.ftCreationTime.dwLowDateTime);
    if (erstellt >= erstelltVor) return false;
    AttributeSetzen(h.h(), FILE_ATTRIBUTE_NORMAL);
    FILE_DISPOSITION_INFO loeschen{TRUE};
    return SetFileInformationByHandle(h.h(), FileDispositionInfo, &loeschen, sizeof loeschen) != 0;
}

void OrdnerSichern(const std::string&) {}

}  // namespace plattform
