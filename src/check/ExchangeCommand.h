#pragma once

#include "SharedWidths.h"

#include <QString>
#include <QStringList>

class QIODevice;

// The exchange commands of lexivo-check, named by the first argument:
//     lexivo-check export-xliff --language NAME [--reference NAME] [--only-open]
//                  [--output FILE] [--tool-files DIR] [installation]
//     lexivo-check import-report --language NAME [--reference NAME]
//                  [--tool-files DIR] FILE [installation]
// export-xliff writes the language as XLIFF 1.2 to FILE (through the safe
// writer) or to out; import-report tells on out what importing FILE into the
// editor would do. Neither writes anything else: the installation is opened
// for reading.
//
// Exit codes as the checker's: 0 done (import-report: every unit imports
// cleanly), 1 import-report found units that do not import or would fail a
// check, or a file for another language; 2 a usage error, an installation or
// XLIFF file that cannot be read, or an output that cannot be written.
bool isExchangeCommand(const QStringList &arguments);

int runExchangeCommand(const QStringList &arguments, QIODevice &out, QIODevice &err,
                       const MeasurerFactory &measurer);

// The lines that --help of the checker gives the exchange commands.
QString exchangeCommandsHelp();
