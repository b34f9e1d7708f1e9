#pragma once
#include <QObject>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "core/autospeichern.h"
#include "core/bibliothek.h"
#include "core/geloeschte.h"

class QTimer;
class TOrdnerverfolgung;

// Keeps the window on its folders while it is open: the library folder's changes reach the
// list file by file, and with the automatic save on, each new game the game writes into
// Playback is saved into the library once it is whole. Everything runs on the window's
// thread in small steps: a watch reports names, and only those files are looked at, a few
// dozen per turn of the event loop, so a thousand files dropped in at once keep the window
// answering.
class TLiveBibliothek : public QObject {
    Q_OBJECT
public:
    struct TOrdner {
        std::string Bibliothek;  // the library folder, with separator; empty: nothing to watch
        std::vector<std::string> Playback;  // every installation's Playback folder, with separator
        bool AutoSpeichern = true;
        TAutoSpeicher::TNamensgeber Namensgeber;
    };

    explicit TLiveBibliothek(QObject* parent = nullptr);
    ~TLiveBibliothek() override;

    // What ReplaysLaden fills before Starten, and what the import's "already in the library"
    // asks.
    TBibliothek& Bibliothek() { return bibliothek_; }
    TGeloeschte& Geloeschte() { return geloeschte_; }

    // Watches the folders, taking the library as the last scan left Bibliothek(); stops the
    // watches of an earlier start. Files already in Playback are left to the import question.
    void Starten(const TOrdner& ordner);
    void Anhalten();
    bool Beobachtet() const { return static_cast<bool>(bibliothekswache_.verfolgung); }
    // Playback folders watched for new games.
    std::size_t PlaybackWachen() const { return playbackwachen_.size(); }

    // Looks at these library files in the next turn, without waiting for the watch: after a
    // command of this window changed them.
    void Ansehen(const std::vector<std::string>& namen);
    // Everything reported so far, dealt with now; for tests, which move the clock through the
    // fault plan instead of waiting.
    void JetztAbholen();
    // Writes the replay index when it is behind what the list shows; on closing.
    void IndexSichern();

    // The list's changes, in the order they came; what the window makes of them.
    std::function<void(std::vector<TBibliotheksaenderung>&)> OnAenderungen;
    // Each automatic save that put a copy into the library or failed.
    std::function<void(const TSpeicherung&)> OnGespeichert;

    // Files looked at per turn of the event loop.
    static constexpr std::size_t kProSchritt = 48;
    // The index is written this long after the last change, not at each.
    static constexpr int kIndexNachMillisekunden = 10000;

private:
    struct TWache {
        std::unique_ptr<TOrdnerverfolgung> verfolgung;
        QObject* melder = nullptr;
        QTimer* termin = nullptr;
        std::unique_ptr<TAutoSpeicher> speicher;  // a Playback folder's; none for the library
    };
    void PlaybackWachenStarten(const TOrdner& ordner);
    void WacheEinrichten(TWache& wache);
    void WacheBeenden(TWache& wache);
    void Abholen(TWache& wache);
    void TerminSetzen(TWache& wache);
    void Vormerken(const std::vector<std::string>& namen);
    void Abarbeiten();
    void PlaybackAnsehen(TWache& wache, const std::vector<std::string>& namen);

    TBibliothek bibliothek_;
    TGeloeschte geloeschte_;
    TWache bibliothekswache_;
    std::vector<std::unique_ptr<TWache>> playbackwachen_;
    std::vector<std::string> playbackOrdner_;  // what playbackwachen_ watch, for the library of
    std::string bibliotheksOrdner_;
    bool autoSpeichern_ = false;
    std::deque<std::string> offen_;  // library names waiting to be looked at
    std::unordered_set<std::string> offenMenge_;
    QTimer* schritt_;
    QTimer* index_;
};
