#pragma once
#include <gtest/gtest.h>

#include "core/platform/pfad.h"

// Ends a test that needs POSIX (permission bits, '\' in file names, utimensat) as
// skipped when it runs on Windows or under Wine.
#define NUR_UNTER_POSIX()                                              \
    do {                                                              \
        if (!plattform::IstPosix()) GTEST_SKIP() << "nur unter POSIX"; \
    } while (false)

// Ends a test that checks against the real Win32 functions (registry, code-page
// conversion) as skipped on POSIX.
#define NUR_UNTER_WINDOWS()                                              \
    do {                                                                \
        if (plattform::IstPosix()) GTEST_SKIP() << "nur unter Windows"; \
    } while (false)
