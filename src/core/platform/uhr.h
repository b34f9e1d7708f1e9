#pragma once
#include "core/datum.h"

namespace plattform {

// The current local date and time, milliseconds included.
TDateTime JetztLokal();

}  // namespace plattform
