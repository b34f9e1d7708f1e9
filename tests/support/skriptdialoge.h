#pragma once
// A scripted TDialoge for widget tests: the test queues the answers in the order the boxes
// will come ("the next question gets Yes, then the input query gets 'abc'"), and reads back
// every box that was opened with its texts. A question, query or chooser without a queued
// answer of its kind fails the test, and so do answers left over at the end, so a test
// notices a box too many and a box too few.
//
// All texts are UTF-8, like the core's.
#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "gui/dialoge.h"

class SkriptDialoge : public TDialoge {
public:
    enum class Art { Nachricht, Frage, Eingabe, Ordner };

    // One opened box as the window asked for it.
    struct Aufruf {
        Art art;
        std::string text;    // message or question text, the query's prompt, the folder a chooser starts at
        std::string titel;   // question title, query caption, chooser title or start folder
        std::string vorgabe; // the query's initial text
        int maxLaenge = 0;   // the query's limit
        std::vector<std::string> abgelehnt;  // the reasons the query gave for refused texts
    };

    ~SkriptDialoge() override {
        if (PruefenAmEnde && !antworten_.empty())
            ADD_FAILURE() << antworten_.size() << " scripted answer(s) never asked for, the first for "
                          << ArtName(antworten_.front().art);
    }

    // ---- Script.
    SkriptDialoge& Ja() { return Antwort(Art::Frage, std::string(), true); }
    SkriptDialoge& Nein() { return Antwort(Art::Frage, std::string(), false); }
    // The query gets this text and OK; a text the query refuses is followed by the next
    // scripted answer of the query, as the user would try again. Typing stops at the limit.
    SkriptDialoge& Eingeben(const std::string& text) { return Antwort(Art::Eingabe, text, true); }
    SkriptDialoge& EingabeAbbrechen() { return Antwort(Art::Eingabe, std::string(), false); }
    SkriptDialoge& OrdnerWahl(const std::string& ordner) { return Antwort(Art::Ordner, ordner, true); }
    SkriptDialoge& OrdnerAbbrechen() { return Antwort(Art::Ordner, std::string(), false); }

    // ---- What was opened.
    std::vector<Aufruf> Aufrufe;
    bool PruefenAmEnde = true;

    std::vector<std::string> Nachrichten() const { return Texte(Art::Nachricht); }
    std::vector<std::string> Fragen() const { return Texte(Art::Frage); }
    std::vector<Aufruf> Von(Art art) const {
        std::vector<Aufruf> r;
        for (const auto& a : Aufrufe)
            if (a.art == art) r.push_back(a);
        return r;
    }
    bool OffeneAntworten() const { return !antworten_.empty(); }
    void Vergessen() { Aufrufe.clear(); }

    // ---- TDialoge.
    void Nachricht(const std::string& text) override { Aufrufe.push_back({Art::Nachricht, text, {}, {}, 0, {}}); }

    bool Frage(const std::string& text, const std::string& titel) override {
        Aufrufe.push_back({Art::Frage, text, titel, {}, 0, {}});
        auto a = Naechste(Art::Frage, "question \"" + text + "\"");
        return a && a->ok;
    }

    bool Eingabe(const std::string& titel, const std::string& prompt, std::string& text,
                 const TEingaberegeln& regeln) override {
        Aufrufe.push_back({Art::Eingabe, prompt, titel, text, regeln.MaxLaenge, {}});
        const std::size_t aufruf = Aufrufe.size() - 1;
        for (;;) {
            auto a = Naechste(Art::Eingabe, "input query \"" + titel + "\"");
            if (!a || !a->ok) return false;
            const std::string getippt = Gekuerzt(a->wert, regeln.MaxLaenge);
            const std::string grund = regeln.Pruefen ? regeln.Pruefen(getippt) : std::string();
            if (grund.empty()) {
                text = getippt;
                return true;
            }
            Aufrufe[aufruf].abgelehnt.push_back(grund);
        }
    }

    bool OrdnerWaehlen(const std::string& titel, std::string& ordner) override {
        Aufrufe.push_back({Art::Ordner, ordner, titel, {}, 0, {}});
        auto a = Naechste(Art::Ordner, "folder browser");
        if (!a || !a->ok) return false;
        ordner = a->wert;
        return true;
    }

private:
    struct Geplant {
        Art art;
        std::string wert;
        bool ok;
    };

    SkriptDialoge& Antwort(Art art, std::string wert, bool ok) {
        antworten_.push_back({art, std::move(wert), ok});
        return *this;
    }

    std::optional<Geplant> Naechste(Art art, const std::string& was) {
        if (antworten_.empty()) {
            ADD_FAILURE() << "unexpected " << was << ": no answer scripted";
            return std::nullopt;
        }
        if (antworten_.front().art != art) {
            ADD_FAILURE() << "unexpected " << was << ": the next scripted answer is for "
                          << ArtName(antworten_.front().art);
            return std::nullopt;
        }
        Geplant g = antworten_.front();
        antworten_.pop_front();
        return g;
    }

    std::vector<std::string> Texte(Art art) const {
        std::vector<std::string> r;
        for (const auto& a : Aufrufe)
            if (a.art == art) r.push_back(a.text);
        return r;
    }

    static const char* ArtName(Art art) {
        switch (art) {
            case Art::Nachricht: return "a message";
            case Art::Frage: return "a question";
            case Art::Eingabe: return "the input query";
            case Art::Ordner: return "the folder browser";
        }
        return "?";
    }

    // The first code units of utf8 that the limit lets through, as the edit stops typing;
    // a character beyond the BMP that would pass the limit is not taken at all.
    static std::string Gekuerzt(const std::string& utf8, int grenze) {
        if (grenze <= 0) return utf8;
        std::string r;
        int einheiten = 0;
        for (std::size_t i = 0; i < utf8.size();) {
            const unsigned char c = static_cast<unsigned char>(utf8[i]);
            const std::size_t laenge = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
            const int noetig = laenge == 4 ? 2 : 1;
            if (einheiten + noetig > grenze) break;
            r.append(utf8, i, laenge);
            einheiten += noetig;
            i += laenge;
        }
        return r;
    }

    std::deque<Geplant> antworten_;
};
