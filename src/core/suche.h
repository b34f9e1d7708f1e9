#pragma once
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TReplay;

// The search over the replay list, shared by the window and the CLI. It works on UTF-8
// text folded so that case and accents do not count: "kärnten" finds "Karnten" and
// "KÄRNTEN". Each replay's text is folded once per scan (Suchtexte); a keystroke folds
// only what the user typed.

// Folds UTF-8 text for comparison: Latin letters lose case and accents (ß and ẞ become
// "ss", æ "ae", œ "oe", þ "th"), Greek letters lose case, tonos and diaeresis (ς is σ),
// Cyrillic letters lose case (ё is е), combining accents are dropped; blanks, tabs and
// other control characters become one blank per run. Every other character stays as it
// is; malformed bytes become U+FFFD.
std::string SuchFalten(std::string_view utf8);

// What the user typed (UTF-8), split at blanks into words; text between double quotes is
// one word, blanks included (a quote left open runs to the end). A replay matches when
// every word occurs in one of its fields.
class TSuche {
public:
    explicit TSuche(std::string_view eingabe);
    // No words: every replay matches, and no filter is in effect.
    bool Leer() const { return woerter_.empty(); }
    // True when every word occurs within one field of suchtext, a text of Suchtext.
    bool Passt(std::string_view suchtext) const;
    const std::vector<std::string>& Woerter() const { return woerter_; }

private:
    std::vector<std::string> woerter_;
};

// How a display name of the core's tables (a map's, a race's) reads in the user's
// language: the context of its UEBERSETZBAR mark and the text itself. Without one, the
// text stays as the table gives it.
using TUebersetzer = std::function<std::string(const char* kontext, const std::string& text)>;

// The folded fields of one replay that a search looks through, one per line: its name,
// its file name, the map's display name (as uebersetzer gives it) and key, and each
// player's name and race display name and key.
std::string Suchtext(const TReplay& replay, const TUebersetzer& uebersetzer = {});
// Suchtext of each replay, in order; each display name is translated once.
std::vector<std::string> Suchtexte(const std::vector<std::unique_ptr<TReplay>>& replays,
                                   const TUebersetzer& uebersetzer = {});
