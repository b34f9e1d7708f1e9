#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/fehler.h"
#include "core/platform/registry.h"
#include "support/nurposix.h"
#include "support/systemtest.h"
#include "support/wineprefix.h"

// On POSIX the game directory comes from a Wine prefix's system.reg; these cases build
// one per test. On Windows the cases write the value into the real registry (under Wine:
// the prefix the tests run in) and remove the key afterwards.
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
        {"32-Bit-Sicht eines 64-Bit-Prefix",
         "[Software\\\\Wow6432Node\\\\THQ\\\\Dawn of War] 1\n\"InstallLocation\"=\"C:\\\\W\\\\\"\n", "$C/W/"},
        {"32-Bit-Sicht vor der nativen",
         taste + "\"InstallLocation\"=\"C:\\\\N\\\\\"\n[Software\\\\Wow6432Node\\\\THQ\\\\Dawn of War] 1\n"
                 "\"InstallLocation\"=\"C:\\\\W\\\\\"\n", "$C/W/"},
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
            EXPECT_EQ(f.Art(), TFehlerart::RegistryDatentyp);
            EXPECT_EQ(f.Argument(), "InstallLocation");
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

// Writes the game's key for one case and removes it again, in both views. On a machine
// where the game is installed the real key stays untouched and the case is skipped.
class WindowsRegistry : public testing::Test {
protected:
    static constexpr const char* kOhneTrenner = "SOFTWARE\\THQ\\Dawn of War";
    static constexpr const char* kFirma = "SOFTWARE\\THQ";

    void SetUp() override {
        NUR_UNTER_WINDOWS();
        for (const RegistrySicht sicht : {RegistrySicht::Bit32, RegistrySicht::Bit64})
            if (RegistrySchluesselVorhanden(kFirma, sicht)) GTEST_SKIP() << "THQ-Schluessel vorhanden";
        eigen_ = true;
    }
    void TearDown() override { Aufraeumen(); }
    void Aufraeumen() {
        if (!eigen_) return;
        for (const RegistrySicht sicht : {RegistrySicht::Bit32, RegistrySicht::Bit64})
            RegistrySchluesselLoeschen(kFirma, sicht);
    }
    bool Setzen(const std::string& wert, unsigned long typ, const std::string& bytes,
                RegistrySicht sicht = RegistrySicht::Bit32) {
        return RegistryWertSetzen(kOhneTrenner, wert, typ, bytes, sicht);
    }

private:
    bool eigen_ = false;  // the keys are ours to remove
};

std::string MitNull(const std::string& text) { return text + '\0'; }

constexpr unsigned long kRegSz = 1, kRegExpandSz = 2, kRegBinary = 3, kRegDword = 4, kRegMultiSz = 7;

TEST_F(WindowsRegistry, ZeichenkettenKommenWieGespeichert) {
    const std::string lang(3000, 'x');
    const struct {
        const char* name;
        unsigned long typ;
        std::string bytes;
        std::string erwartet;
    } faelle[] = {
        {"Zeichenkette", kRegSz, MitNull("C:\\Games\\DoW\\"), "C:\\Games\\DoW\\"},
        {"ohne abschliessende Null", kRegSz, "C:\\Games\\DoW\\", "C:\\Games\\DoW\\"},
        {"leer", kRegSz, MitNull(""), ""},
        {"ohne ein Byte", kRegSz, "", ""},
        {"erweiterbar, nicht erweitert", kRegExpandSz, MitNull("%ProgramFiles%\\THQ\\"),
         "%ProgramFiles%\\THQ\\"},
        // Set through the ANSI function, read through the wide one: UTF-8 to the program.
        {"Umlaut", kRegSz, "C:\\Sp\xE4le\\", "C:\\Sp\xC3\xA4le\\"},
        {"lang", kRegSz, lang, lang},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        if (!Setzen(kWert, fall.typ, fall.bytes)) GTEST_SKIP() << "keine Administratorrechte";
        EXPECT_EQ(plattform::RegistryPfadLesen(kSchluessel, kWert), fall.erwartet);
        // The key as the program names it ends in a separator; without one it is the same key.
        EXPECT_EQ(plattform::RegistryPfadLesen(kOhneTrenner, kWert), fall.erwartet);
        Aufraeumen();
    }
}

TEST_F(WindowsRegistry, AndereDatentypenSindEinFehler) {
    const struct {
        const char* name;
        unsigned long typ;
        std::string bytes;
    } faelle[] = {
        {"DWORD", kRegDword, std::string("\x01\0\0\0", 4)},
        {"binaer", kRegBinary, std::string("C\0:\0\0\0", 6)},
        {"mehrere Zeichenketten", kRegMultiSz, std::string("A\0\0", 3)},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        if (!Setzen(kWert, fall.typ, fall.bytes)) GTEST_SKIP() << "keine Administratorrechte";
        try {
            plattform::RegistryPfadLesen(kSchluessel, kWert);
            ADD_FAILURE() << "kein Fehler";
        } catch (const Fehler& f) {
            EXPECT_EQ(f.Art(), TFehlerart::RegistryDatentyp);
            EXPECT_EQ(f.Argument(), "InstallLocation");
        }
        Aufraeumen();
    }
}

TEST_F(WindowsRegistry, FehlenderSchluesselOderWertGibtLeer) {
    EXPECT_EQ(plattform::RegistryPfadLesen(kSchluessel, kWert), "");
    if (!Setzen("Version", kRegSz, "1.51")) GTEST_SKIP() << "keine Administratorrechte";
    EXPECT_EQ(plattform::RegistryPfadLesen(kSchluessel, kWert), "");
}

// The game's 32-bit installer writes into the 32-bit view; a 64-bit build must still find
// the value there, and falls back to the 64-bit view.
TEST_F(WindowsRegistry, BeideSichten) {
    if (!Setzen(kWert, kRegSz, "C:\\64\\", RegistrySicht::Bit64)) GTEST_SKIP() << "keine Administratorrechte";
    EXPECT_EQ(plattform::RegistryPfadLesen(kSchluessel, kWert), "C:\\64\\");
    ASSERT_TRUE(Setzen(kWert, kRegSz, "C:\\32\\", RegistrySicht::Bit32));
    EXPECT_EQ(plattform::RegistryPfadLesen(kSchluessel, kWert), "C:\\32\\");
}

}  // namespace
