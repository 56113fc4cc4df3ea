#pragma once

#include <QStringList>

class QIODevice;

// The command line of lexivo-check:
//     lexivo-check [options] [installation folder]
// Writes the report to out (or to --output), messages to err, and a progress
// line to err while languages are checked when showProgress is set (err is a
// terminal). The tool's own files are read from the executable's folder
// unless --tool-files names another.
//
// Returns the exit code: 0 when nothing at or above the --fail-on level was
// found, 1 when something was, 2 for a usage error or an installation that
// cannot be read.
int runCheckCommand(const QStringList &arguments, QIODevice &out, QIODevice &err,
                    bool showProgress);

namespace CheckExit {
inline constexpr int Passed = 0;
inline constexpr int Failed = 1;
inline constexpr int NotChecked = 2;
} // namespace CheckExit
