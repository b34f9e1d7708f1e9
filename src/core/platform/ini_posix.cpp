#include "core/platform/ini.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <vector>

#include "core/platform/fehlerplan.h"
#include "core/platform/initext.h"
#include "core/zeichensatz.h"

// minIni reads and writes through a 512-byte line buffer fixed when the library was built:
// it cuts longer values on reading and, worse, on writing while still reporting success.
// A 2047-character directory must survive a round trip, so the file is handled here.
//
// The file comes in two forms, as on Windows. One that begins with a UTF-16LE byte-order
// mark holds UTF-16: the Windows build makes that form for a folder the ANSI code page
// cannot name, and the profile functions keep it. It is read here as UTF-16 and written
// back in the same form. Any other file is plain bytes, taken as they are and written as
// they are: a POSIX path is the file system's bytes, which need not be UTF-8 at all, and
// reading them through a code page would change the folders they name. A UTF-8 mark at
// the start is kept and skipped. Only ASCII reads the same from a plain file on both
// systems, since Windows reads it in its ANSI code page.
namespace plattform {
namespace {

constexpr std::string_view kUtf16Marke = "\xFF\xFE";
constexpr std::string_view kUtf8Marke = "\xEF\xBB\xBF";

// The form a file was read in, so that a rewrite keeps it.
struct Form {
    bool utf16 = false;
    std::string_view marke;  // the mark in front of the text, written back as it was
};

// The file's text as UTF-8 (UTF-16 files) or its bytes (plain files), without the mark.
Form Entschluesseln(std::string& inhalt) {
    Form form;
    if (inhalt.compare(0, kUtf16Marke.size(), kUtf16Marke) == 0) {
        form.utf16 = true;
        form.marke = kUtf16Marke;
        std::u16string text((inhalt.size() - kUtf16Marke.size()) / 2, u'\0');
        for (std::size_t i = 0; i < text.size(); ++i) {
            const auto* b = reinterpret_cast<const unsigned char*>(inhalt.data()) + kUtf16Marke.size() + 2 * i;
            text[i] = static_cast<char16_t>(b[0] | b[1] << 8);
        }
        inhalt = Utf8AusUtf16(text);
    } else if (inhalt.compare(0, kUtf8Marke.size(), kUtf8Marke) == 0) {
        form.marke = kUtf8Marke;
        inhalt.erase(0, kUtf8Marke.size());
    }
    return form;
}

std::string Verschluesseln(const Form& form, const std::string& text) {
    std::string aus(form.marke);
    if (!form.utf16) return aus + text;
    const std::u16string einheiten = Utf16AusUtf8(text);
    aus.reserve(aus.size() + 2 * einheiten.size());
    for (char16_t e : einheiten) {
        aus += static_cast<char>(e & 0xFF);
        aus += static_cast<char>(e >> 8);
    }
    return aus;
}

enum class Lesestatus { Gelesen, Fehlt, Fehler };

Lesestatus DateiLesen(const std::string& pfad, std::string& inhalt) {
    const int fd = ::open(pfad.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT ? Lesestatus::Fehlt : Lesestatus::Fehler;
    inhalt.clear();
    char puffer[8192];
    for (;;) {
        const ssize_t n = ::read(fd, puffer, sizeof puffer);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            ::close(fd);  // a folder opens but cannot be read (EISDIR)
            return Lesestatus::Fehler;
        }
        inhalt.append(puffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return Lesestatus::Gelesen;
}

bool AllesSchreiben(int fd, const std::string& daten) {
    std::size_t geschrieben = 0;
    while (geschrieben < daten.size()) {
        const ssize_t n = ::write(fd, daten.data() + geschrieben, daten.size() - geschrieben);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        geschrieben += static_cast<std::size_t>(n);
    }
    return true;
}

// Writes the new contents beside the file and renames it over the old one, so a failure
// half-way leaves the previous settings intact.
bool Ersetzen(const std::string& pfad, const std::string& inhalt) {
    std::string ziel = pfad;
    struct stat alt {};
    const bool vorhanden = ::lstat(pfad.c_str(), &alt) == 0;
    if (vorhanden && S_ISLNK(alt.st_mode)) {
        // Replace the file a link points to, not the link.
        char aufgeloest[PATH_MAX];
        if (::realpath(pfad.c_str(), aufgeloest) == nullptr) return false;
        ziel = aufgeloest;
        if (::stat(ziel.c_str(), &alt) != 0) return false;
    }

    std::string temp;
    int fd = -1;
    for (int versuch = 0; versuch < 100 && fd < 0; ++versuch) {
        temp = ziel + ".tmp" + std::to_string(versuch);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return false;
    }
    if (fd < 0) return false;

    bool gut = AllesSchreiben(fd, inhalt);
    if (gut && vorhanden) gut = ::fchmod(fd, alt.st_mode & 07777) == 0;
    if (gut) gut = ::fsync(fd) == 0;
    if (::close(fd) != 0) gut = false;
    if (gut) gut = ::rename(temp.c_str(), ziel.c_str()) == 0;
    if (!gut) ::unlink(temp.c_str());
    return gut;
}

}  // namespace

std::string IniLesen(const std::string& datei, const std::string& abschnitt,
                     const std::string& schluessel, const std::string& vorgabe) {
    std::string inhalt;
    // GetPrivateProfileStringA drops the blanks that end the default (a first character
    // stays even when it is one).
    std::string ergebnis = vorgabe;
    while (ergebnis.size() > 1 && ergebnis.back() == ' ') ergebnis.pop_back();
    if (DateiLesen(datei, inhalt) == Lesestatus::Gelesen) {
        Entschluesseln(inhalt);
        if (auto wert = IniWertSuchen(inhalt, abschnitt, schluessel)) ergebnis = std::move(*wert);
    }
    return IniKuerzen(std::move(ergebnis));
}

bool IniSchreiben(const std::string& datei, const std::string& abschnitt,
                  const std::string& schluessel, const std::string& wert) {
    if (SollFehlschlagen(Operation::Schreiben)) return false;
    const std::string& pfad = datei;
    std::string inhalt;
    // A file that exists but cannot be read must not be replaced by one holding only
    // this key.
    if (DateiLesen(pfad, inhalt) == Lesestatus::Fehler) return false;
    Form form = Entschluesseln(inhalt);
    // A value that is no UTF-8 cannot go into a UTF-16 file without loss; the file then
    // becomes plain bytes, which hold every value.
    if (form.utf16 && AnzeigeText(wert) != wert) form = Form{};

    const auto zeilen = IniZeilen(inhalt);
    const std::string_view zeilenende = inhalt.find("\r\n") != std::string::npos ? "\r\n" : "\n";
    const std::string neueZeile = schluessel + "=" + wert + std::string(zeilenende);

    // The key's line, else the first matching section, whose last non-blank line the new
    // key follows.
    std::optional<std::size_t> ersetzen, einfuegenNach;
    bool imAbschnitt = false;
    for (std::size_t i = 0; i < zeilen.size() && !ersetzen; ++i) {
        const IniZeile& z = zeilen[i];
        if (z.abschnitt) {
            // The first section of the name is the one written to, as it is the one read.
            imAbschnitt = !einfuegenNach && IniNameGleich(*z.abschnitt, abschnitt);
            if (imAbschnitt) {
                einfuegenNach = i;
                for (std::size_t j = i + 1; j < zeilen.size() && !zeilen[j].abschnitt; ++j)
                    if (!IniGetrimmt(zeilen[j].text).empty()) einfuegenNach = j;
            }
        } else if (imAbschnitt && z.schluessel && IniNameGleich(*z.schluessel, schluessel)) {
            ersetzen = i;
        }
    }

    std::string neu;
    neu.reserve(inhalt.size() + neueZeile.size() + abschnitt.size() + 8);
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        if (ersetzen && *ersetzen == i) {
            neu += neueZeile;
            continue;
        }
        neu += zeilen[i].text;
        if (!ersetzen && einfuegenNach && *einfuegenNach == i) {
            if (neu.back() != '\n') neu += zeilenende;
            neu += neueZeile;
        }
    }
    if (!ersetzen && !einfuegenNach) {
        if (!neu.empty() && neu.back() != '\n') neu += zeilenende;
        if (!neu.empty()) neu += zeilenende;
        neu += "[" + abschnitt + "]" + std::string(zeilenende) + neueZeile;
    }
    return Ersetzen(pfad, Verschluesseln(form, neu));
}

}  // namespace plattform
