#pragma once

#include "CheckReport.h"

#include <QByteArray>

// The three forms of a check's report, as UTF-8 bytes.
namespace Reports {

// One line per finding in the compiler form
// "FILE:LINE: error|warning: ATTRIBUTE: message" (no attribute for a file as a
// whole), then a table with one row per language and a closing line.
QByteArray text(const CheckReport &report);

// One JSON object: installation, reference, languages, findings.
QByteArray json(const CheckReport &report);

// JUnit XML: one test suite per language, one test case per entry (or file)
// with findings; findings that fail at failLevel are failures, the others
// the test case's output.
QByteArray junit(const CheckReport &report, FailLevel failLevel);

// "170 (62.7%)": the entries translated and their share, rounded down.
QString translatedText(const LanguageSummary &language);

// A finding's line of the text form, without line end.
QString findingLine(const Finding &finding);

} // namespace Reports
