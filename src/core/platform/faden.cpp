#include "core/platform/faden.h"

#include <system_error>

#include "core/platform/fehlerplan.h"

namespace plattform {

std::jthread FadenStarten(std::function<void()> arbeit) {
    // What pthread_create's EAGAIN becomes in std::thread.
    if (SollFehlschlagen(Operation::FadenStarten))
        throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
    return std::jthread(std::move(arbeit));
}

}  // namespace plattform
