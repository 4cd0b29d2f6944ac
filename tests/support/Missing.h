#pragma once
// A test that needs something of the machine's set-up (a tool, a font, a
// second file system) skips without it; with MORVANE_NO_SKIP=1 (CI) it fails
// instead, so a machine whose set-up went wrong is not read as a pass.
// Header-only and widget-free: the core tests use it too.
//
//   if (QStandardPaths::findExecutable("ffmpeg").isEmpty())
//       SKIP_OR_FAIL_MISSING("ffmpeg is not installed");
//
// Skips that no set-up can meet (root's writes past permission bits) stay
// GTEST_SKIP.

#include <QtGlobal>

#include <gtest/gtest.h>

namespace Missing {

inline bool mustFail() { return qEnvironmentVariableIntValue("MORVANE_NO_SKIP") != 0; }

} // namespace Missing

// Returns from the calling test (or its SetUp), as GTEST_SKIP does.
#define SKIP_OR_FAIL_MISSING(message)                                                                        \
    do {                                                                                                     \
        if (::Missing::mustFail())                                                                           \
            GTEST_FAIL() << message << " (MORVANE_NO_SKIP is set: a missing set-up fails)";                  \
        else                                                                                                 \
            GTEST_SKIP() << message;                                                                         \
    } while (false)
