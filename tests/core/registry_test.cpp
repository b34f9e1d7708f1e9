#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "fehler.h"
#include "nurposix.h"
#include "platform/codepage.h"
#include "platform/registry.h"
#include "wineprefix.h"

// On POSIX the game directory comes from a Wine prefix's system.reg; these cases build
// one per test. Windows reads the real registry, which a test cannot arrange.
namespace {

const char* const kSchluessel = "SOFTWARE\\THQ\\Dawn of War\\";
const char* const kWert = "InstallLocation";

struct Fall {
    const char* name;
    std::string systemReg;  // lines after Wine's header; empty: no system.reg at all
    std::string erwartet;   // "$C" stands for the real path behind dosdevices/c:
};

std::string Einsetzen(std::string text, const std::string& laufwerkC) {
    if (const auto stelle = text.find("$C"); stelle != std::string::npos) text.replace(stelle, 2, laufwerkC);
    return text;
}

TEST(RegistryPfadLesen, GibtDenWertAusDemWinePrefix) {
    NUR_UNTER_POSIX();
    const std::string taste = "[Software\\\\THQ\\\\Dawn of War] 1690000000\n#time=1d9c1f1c0a0b0c0\n";
    const Fall faelle[] = {
        {"keine system.reg", "", ""},
        {"Schluessel fehlt", "[Software\\\\THQ\\\\Other] 1\n\"InstallLocation\"=\"C:\\\\x\\\\\"\n", ""},
        {"Wert fehlt", taste + "\"Version\"=\"1.51\"\n", ""},
        {"Wert in einem spaeteren Schluessel", taste + "[Software\\\\THQ\\\\Dawn of War\\\\Sub] 1\n"
                                                         "\"InstallLocation\"=\"C:\\\\x\\\\\"\n", ""},
        {"Zeichenkette", taste + "\"InstallLocation\"=\"C:\\\\Games\\\\DoW\\\\\"\n", "$C/Games/DoW/"},
        {"ohne Trenner am Ende", taste + "\"InstallLocation\"=\"C:\\\\Games\\\\DoW\"\n", "$C/Games/DoW"},
        {"Laufwerkswurzel", taste + "\"InstallLocation\"=\"c:\\\\\"\n", "$C/"},
        {"Gross- und Kleinschreibung",
         "[SOFTWARE\\\\thq\\\\DAWN OF WAR] 1\n\"installlocation\"=\"C:\\\\G\\\\\"\n", "$C/G/"},
        {"erweiterbar, wie gespeichert", taste + "\"InstallLocation\"=str(2):\"%ProgramFiles%\\\\THQ\\\\\"\n",
         "%ProgramFiles%\\THQ\\"},
        {"erweiterbar mit Laufwerk", taste + "\"InstallLocation\"=str(2):\"C:\\\\THQ\\\\\"\n", "$C/THQ/"},
        {"Escapes", taste + "\"InstallLocation\"=\"C:\\\\D\\x00e4mon \\\"1\\\"\\\\\"\n",
         "$C/D\xC3\xA4mon \"1\"/"},
        {"kurzes Hex-Escape", taste + "\"InstallLocation\"=\"C:\\\\\\xe4\\\\\"\n", "$C/\xC3\xA4/"},
        {"Zeichenkette als Hex mit Fortsetzung",
         taste + "\"InstallLocation\"=hex(2):43,00,3a,00,5c,00,\\\n  47,00,5c,00\n", "$C/G/"},
        {"Laufwerk ohne Verweis", taste + "\"InstallLocation\"=\"D:\\\\Games\\\\\"\n", "D:\\Games\\"},
        {"Null beendet die Zeichenkette", taste + "\"InstallLocation\"=\"C:\\\\A\\0B\"\n", "$C/A"},
        {"CRLF", "[Software\\\\THQ\\\\Dawn of War] 1\r\n\"InstallLocation\"=\"C:\\\\G\\\\\"\r\n", "$C/G/"},
        {"unvollstaendige Zeile", taste + "\"InstallLocation\"=\"C:\\\\G", ""},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        WinePrefix prefix;
        if (!fall.systemReg.empty()) prefix.SystemRegSchreiben(fall.systemReg);
        EXPECT_EQ(plattform::RegistryPfadLesen(kSchluessel, kWert), Einsetzen(fall.erwartet, prefix.LaufwerkC()));
    }
}

TEST(RegistryPfadLesen, AndereDatentypenSindEinFehler) {
    NUR_UNTER_POSIX();
    const std::string taste = "[Software\\\\THQ\\\\Dawn of War] 1690000000\n";
    const char* const werte[] = {
        "dword:00000001",
        "hex:43,00,3a,00,00,00",
        "hex(7):41,00,00,00,00,00",
        "str(7):\"C:\\\\\"",
    };
    for (const char* wert : werte) {
        SCOPED_TRACE(wert);
        WinePrefix prefix;
        prefix.SystemRegSchreiben(taste + "\"InstallLocation\"=" + wert + "\n");
        try {
            plattform::RegistryPfadLesen(kSchluessel, kWert);
            ADD_FAILURE() << "kein Fehler";
        } catch (const Fehler& f) {
            EXPECT_EQ(f.what(), plattform::AnsiAusUtf8("Ungültiger Datentyp für 'InstallLocation'"));
        }
    }
}

TEST(RegistryPfadLesen, OhnePrefixLeer) {
    NUR_UNTER_POSIX();
    WinePrefix prefix;
    UmgebungSetzen("WINEPREFIX", prefix.Pfad() + "gibt-es-nicht");
    EXPECT_EQ(plattform::RegistryPfadLesen(kSchluessel, kWert), "");
}

TEST(RegistryPfadLesen, LaufwerksverweisAufAbsolutenPfad) {
    NUR_UNTER_POSIX();
    WinePrefix prefix;
    std::filesystem::create_directory(prefix.Pfad() + "spiele");
    std::filesystem::create_directory_symlink(prefix.Pfad() + "spiele", prefix.Pfad() + "dosdevices/d:");
    prefix.SystemRegSchreiben("[Software\\\\THQ\\\\Dawn of War] 1\n\"InstallLocation\"=\"D:\\\\DoW\\\\\"\n");
    EXPECT_EQ(plattform::RegistryPfadLesen(kSchluessel, kWert),
              std::filesystem::canonical(prefix.Pfad() + "spiele").string() + "/DoW/");
}

}  // namespace
