#pragma once
#include <windows.h>

namespace plattform {

// A Win32 file handle that closes on every path.
class Griff {
public:
    explicit Griff(HANDLE h) : h_(h) {}
    ~Griff() {
        if (h_ != INVALID_HANDLE_VALUE) CloseHandle(h_);
    }
    Griff(const Griff&) = delete;
    Griff& operator=(const Griff&) = delete;
    HANDLE h() const { return h_; }
    bool Gueltig() const { return h_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE h_;
};

}  // namespace plattform
