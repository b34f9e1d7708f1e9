#pragma once
#include <functional>
#include <thread>

namespace plattform {

// Starts a thread that runs arbeit; the returned jthread joins it when it is destroyed.
// Raises std::system_error as std::thread does when the system refuses a thread (a limit
// on processes or memory), and when the fault plan says so for Operation::FadenStarten.
std::jthread FadenStarten(std::function<void()> arbeit);

}  // namespace plattform
