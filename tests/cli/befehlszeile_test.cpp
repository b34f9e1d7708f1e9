// The Windows command line as quellarch-cli splits it: the C runtime's rules, and the
// folder that cmd users end with \" read as the folder it names.
#include <gtest/gtest.h>

#include "cli/befehlszeile.h"

namespace {

TEST(BefehlszeileZerlegen, WieDieLaufzeitUndOrdnerMitBackslashVorDemAnfuehrungszeichen) {
    const struct {
        const char* zeile;
        std::vector<std::string> argumente;  // without the program's name
    } faelle[] = {
        {R"(cli.exe list C:\Replays\)", {"list", R"(C:\Replays\)"}},
        {R"(cli.exe list "C:\DoW Replays")", {"list", R"(C:\DoW Replays)"}},
        {R"(cli.exe list "C:\DoW Replays\")", {"list", R"(C:\DoW Replays\)"}},
        {R"(cli.exe list "C:\DoW Replays/")", {"list", R"(C:\DoW Replays/)"}},
        {R"(cli.exe list "C:\DoW Replays\\")", {"list", R"(C:\DoW Replays\)"}},
        {R"(cli.exe list "C:\DoW Replays"\)", {"list", R"(C:\DoW Replays\)"}},
        // Two folders each ended with \" stay two arguments, blanks and all.
        {R"(cli.exe import "C:\Dawn of War\" "C:\Users\Jörg\AMPM\" --remove)",
         {"import", R"(C:\Dawn of War\)", R"(C:\Users\Jörg\AMPM\)", "--remove"}},
        {"cli.exe import \"C:\\Spiel\\\"\t\"D:\\Meine Replays\\\"", {"import", R"(C:\Spiel\)", R"(D:\Meine Replays\)"}},
        {R"(cli.exe list "\\server\Freigabe\")", {"list", R"(\\server\Freigabe\)"}},
        // The runtime's own rules stay where no folder can be meant.
        {R"(cli.exe list --filter "sag \"hallo\"x" D)", {"list", "--filter", R"(sag "hallo"x)", "D"}},
        {R"(cli.exe a\\\"b "c d"e  "")", {"a\\\"b", "c de", ""}},
        {R"(cli.exe a\\\\"b c" d)", {R"(a\\b c)", "d"}},
        {R"("C:\Program Files\Quellarch\quellarch-cli.exe" --version)", {"--version"}},
        {R"("C:\Program Files\Quellarch\quellarch-cli.exe")", {}},
        {"cli.exe   ", {}},
        {R"(cli.exe list "Бой 1\")", {"list", R"(Бой 1\)"}},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.zeile);
        std::vector<std::string> argumente = BefehlszeileZerlegen(fall.zeile);
        ASSERT_FALSE(argumente.empty());
        argumente.erase(argumente.begin());
        EXPECT_EQ(argumente, fall.argumente);
    }
    EXPECT_EQ(BefehlszeileZerlegen(R"("C:\Program Files\Q\cli.exe" x)").front(), R"(C:\Program Files\Q\cli.exe)");
}

}  // namespace
