#pragma once
#include "datum.h"

namespace plattform {

// The current local date and time, milliseconds included.
TDateTime JetztLokal();

}  // namespace plattform
