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
    enum class Art { Nachricht, Frage, Eingabe, Ordner, Datei };

    // One opened box as the window asked for it.
    struct Aufruf {
        Art art;
        std::string text;    // message or question text, the query's prompt, the folder a chooser starts at
        std::string titel;   // question title, query caption, chooser title or start folder
        std::string vorgabe; // the query's initial text
    };

    ~SkriptDialoge() override {
        if (PruefenAmEnde && !antworten_.empty())
            ADD_FAILURE() << antworten_.size() << " scripted answer(s) never asked for, the first for "
                          << ArtName(antworten_.front().art);
    }

    // ---- Script.
    SkriptDialoge& Ja() { return Antwort(Art::Frage, std::string(), true); }
    SkriptDialoge& Nein() { return Antwort(Art::Frage, std::string(), false); }
    // The query gets this text and OK.
    SkriptDialoge& Eingeben(const std::string& text) { return Antwort(Art::Eingabe, text, true); }
    SkriptDialoge& EingabeAbbrechen() { return Antwort(Art::Eingabe, std::string(), false); }
    SkriptDialoge& OrdnerWahl(const std::string& ordner) { return Antwort(Art::Ordner, ordner, true); }
    SkriptDialoge& OrdnerAbbrechen() { return Antwort(Art::Ordner, std::string(), false); }
    SkriptDialoge& DateiWahl(const std::string& datei) { return Antwort(Art::Datei, datei, true); }
    SkriptDialoge& DateiAbbrechen() { return Antwort(Art::Datei, std::string(), false); }

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
    void Nachricht(const std::string& text) override { Aufrufe.push_back({Art::Nachricht, text, {}, {}}); }

    bool Frage(const std::string& text, const std::string& titel) override {
        Aufrufe.push_back({Art::Frage, text, titel, {}});
        auto a = Naechste(Art::Frage, "question \"" + text + "\"");
        return a && a->ok;
    }

    bool Eingabe(const std::string& titel, const std::string& prompt, std::string& text) override {
        Aufrufe.push_back({Art::Eingabe, prompt, titel, text});
        auto a = Naechste(Art::Eingabe, "input query \"" + titel + "\"");
        if (!a || !a->ok) return false;
        text = a->wert;
        return true;
    }

    bool OrdnerWaehlen(const std::string& titel, std::string& ordner) override {
        Aufrufe.push_back({Art::Ordner, ordner, titel, {}});
        auto a = Naechste(Art::Ordner, "folder browser");
        if (!a || !a->ok) return false;
        ordner = a->wert;
        return true;
    }

    bool DateiOeffnen(const std::string& startordner, std::string& dateiname) override {
        Aufrufe.push_back({Art::Datei, {}, startordner, {}});
        auto a = Naechste(Art::Datei, "file-open dialog");
        if (!a || !a->ok) return false;
        dateiname = a->wert;
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
            case Art::Datei: return "the file-open dialog";
        }
        return "?";
    }

    std::deque<Geplant> antworten_;
};
