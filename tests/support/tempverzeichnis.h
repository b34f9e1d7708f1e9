#pragma once
#include <filesystem>
#include <string>

// The program's paths are UTF-8 on Windows and bytes on POSIX; std::filesystem takes a
// narrow string in the ANSI code page on Windows. These two cross for tests that make and
// read files with names in other scripts.
std::filesystem::path FsPfad(const std::string& utf8);
std::string Utf8Pfad(const std::filesystem::path& pfad);

// A fresh, empty folder under the system's temporary directory for one test. The
// destructor removes it with everything in it (permission bits set by the test included).
class TempVerzeichnis {
public:
    TempVerzeichnis();
    ~TempVerzeichnis();
    TempVerzeichnis(const TempVerzeichnis&) = delete;
    TempVerzeichnis& operator=(const TempVerzeichnis&) = delete;

    // The folder with a trailing '/', ready for joining by concatenation.
    const std::string& Pfad() const { return pfad_; }

    // Writes a file below the folder (name relative to Pfad()) and returns its full path.
    std::string DateiSchreiben(const std::string& name, const std::string& inhalt) const;

private:
    std::string pfad_;
};
