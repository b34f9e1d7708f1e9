#pragma once
#include <sys/stat.h>

#include "core/platform/dateistempel.h"

namespace plattform {

// The stamp of what stat or fstat reported, for the files that already hold one.
Dateistempel StempelAusStat(const struct stat& st);

}  // namespace plattform
