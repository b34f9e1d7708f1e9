#pragma once
// A long random walk through the main window's commands on a real TfrmMain over folders of
// its own: the transfers, the trash, drops, refresh, both renames, the template, ticks,
// search, sort and the current row, beside changes from outside that reach the list
// through the live library, faults and a second process's steps. After every step:
//   - no replay's content lost from library, Playback folders and trash together;
//   - no file with a ".rec" name incomplete, and no game the user deleted saved again;
//   - once the live library took in what happened, the rows are exactly the library's
//     files, each once, and the highlighted row, the panel and the replay a command acts
//     on are one replay;
//   - each command's message counts what happened.
// Steps come from the core walk's seeded generator; time is the fault plan's clock, and
// the folder watch's reports are fetched, not waited for.
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "gui/dialoge.h"
#include "support/heimordner.h"
#include "support/tempverzeichnis.h"
#include "wanderung.h"
#include "wanderung_pruefung.h"

class TfrmMain;

// Answers every box as the walk planned it: questions with ja, the input query with the
// first of eingaben it takes (else Abbrechen). Keeps what it was shown.
class TWanderdialoge : public TDialoge {
public:
    bool ja = true;
    std::vector<std::string> eingaben;
    std::vector<std::string> nachrichten, fragen, eingabeTexte;

    void Nachricht(const std::string& text) override { nachrichten.push_back(text); }
    bool Frage(const std::string& text, const std::string&) override {
        fragen.push_back(text);
        return ja;
    }
    bool Eingabe(const std::string&, const std::string& prompt, std::string& text,
                 const TEingaberegeln& regeln) override;
    bool OrdnerWaehlen(const std::string&, std::string&) override { return false; }
    void Vergessen();
};

class TFensterwanderung {
public:
    using Bytes = wanderung::Bytes;
    using Bestand = wanderung::Bestand;

    TFensterwanderung();
    ~TFensterwanderung();
    TFensterwanderung(const TFensterwanderung&) = delete;
    TFensterwanderung& operator=(const TFensterwanderung&) = delete;

    static int Schrittarten();
    static std::string Name(const TSchritt& schritt);
    // Takes one step and checks; empty when all holds, else what did not.
    std::string Gehen(const TSchritt& schritt);
    const std::map<std::string, int>& Statistik() const { return statistik_; }

    struct TSchrittart;

private:
    using Schrittfunktion = void (TFensterwanderung::*)(const TSchritt&);
    static Schrittfunktion Schritt(const TSchritt& schritt);

    // The steps (fensterwanderung_schritte.cpp). Changes from outside, time, faults and a
    // second process's hooks; then the window's commands, each leaving the check of its
    // message in pruefung_.
    void Dazu(const TSchritt& s);
    void Weg(const TSchritt& s);
    void Neu(const TSchritt& s);
    void Waechst(const TSchritt& s);
    void Zeit(const TSchritt& s);
    void Fehlerplan(const TSchritt& s);
    void Haken(const TSchritt& s);
    void Liefern(const TSchritt& s);
    void Aktualisieren(const TSchritt& s);
    void Importieren(const TSchritt& s);
    void ReplaysKopieren(const TSchritt& s);
    void Loeschen(const TSchritt& s);
    void Ablegen(const TSchritt& s);
    void Umbenennen(const TSchritt& s);
    void DateiUmbenennen(const TSchritt& s);
    void Vorlage(const TSchritt& s);
    void Ankreuzen(const TSchritt& s);
    void Suchen(const TSchritt& s);
    void Sortieren(const TSchritt& s);
    void Zeile(const TSchritt& s);

    // Runs a command of the window with the planned faults and hooks, then reads the
    // folders as the command left them, before the live library takes anything in.
    void Befehl(const std::string& name, const std::function<void()>& befehl);
    void Dazwischen(int aktion);
    // The live library takes in everything the watches reported, as the event loop would.
    void Abholen();

    // The window as the user sees it (fensterwanderung_pruefung.cpp).
    std::vector<int> SichtbareZeilen() const;
    std::string DateiInZeile(int zeile) const;
    std::vector<std::string> Angekreuzt(bool sichtbar) const;
    std::string PanelDatei() const;
    // What a command acting on the ticked replays, or on the current one, takes.
    std::vector<std::string> Befehlsziel() const;
    std::string FensterPruefen() const;
    std::string DateienPruefen(const Bestand& vorher, const Bestand& nachher);
    std::string Beschreiben(const Bytes& inhalt) const;
    // The count a message gives for one of its lines ("3 Replays wurden kopiert."), by the
    // line's words for one and for many; -1 where no line says it.
    static int Anzahl(const std::string& text, const std::string& einer, const std::string& viele);

    // The folders.
    std::vector<std::string> Ordner() const;
    const std::string& Ort(int wahl) const;  // library or a Playback folder
    std::string Waehlen(const std::string& ordner, int wahl) const;
    // Every file of the folders, and what went to a trash the walk cannot read.
    Bestand Lesen() const;
    void DraussenSchreiben(const std::string& pfad, const Bytes& inhalt);
    void DraussenEntfernen(const std::string& pfad);

    TempVerzeichnis temp_;
    Heimordner heim_;
    std::string spiel_, playback_[2], bib_, draussen_, papierkorb_;
    std::vector<Bytes> vorrat_;
    std::set<Bytes> vollstaendig_;
    std::map<std::string, Bytes> draussenGeschrieben_;
    std::map<std::string, std::unique_ptr<wanderung::TWachsend>> wachsend_;
    wanderung::TWanderuhr uhr_;
    TWanderdialoge dlg_;
    std::unique_ptr<TfrmMain> fenster_;

    // What one step did beside the window's own work.
    struct TProtokoll : wanderung::TVerbleib {
        int draussen = 0;
        bool fehler = false;
        bool befehl = false;
        bool abgeholt = false;  // the live library took in what the step left
    } protokoll_;
    std::vector<std::function<void()>> plaene_;
    const Bestand* vorher_ = nullptr;  // the folders before the step
    std::optional<Bestand> direkt_;  // the folders right after the command
    std::function<std::string(const Bestand& vorher, const Bestand& direkt)> pruefung_;
    std::set<Bytes> geloescht_;  // contents the user deleted to the trash
    std::set<Bytes> imPapierkorb_;  // where the system's trash is not a folder the walk reads
    std::set<std::string> erlaubteReste_;  // temporary files an interrupted step may leave
    bool gesehen_ = true;  // the live library took in every change from outside
    std::map<std::string, int> statistik_;
};
