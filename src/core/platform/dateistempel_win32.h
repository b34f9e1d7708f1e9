#pragma once
#include <windows.h>

#include "core/platform/dateistempel.h"

namespace plattform {

// The stamp of what an open handle or a listing entry reported; both give the same
// fields, so a file found by FindFirstFileW compares equal to the same file opened.
Dateistempel StempelAusInfo(const BY_HANDLE_FILE_INFORMATION& info);
Dateistempel StempelAusFund(const WIN32_FIND_DATAW& fund);

}  // namespace plattform
