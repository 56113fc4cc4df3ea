#pragma once

#include "CheckReport.h"
#include "SharedWidths.h"

#include <QString>
#include <QStringList>

#include <functional>

// The batch check of an installation: every language the editor can open,
// against the reference the editor would choose, with the editor's rules.
// Reads only; nothing is written.
struct CheckOptions
{
    QString installation; // the client's folder
    QString toolFolder; // ConfigParameter.xml, OR_supportLanguageInfo.xml, CheckLength.ini
    QStringList languages; // display names; empty: every present language
    QString reference; // display name; empty: the editor's choice for each language
    int jobs = 0; // threads; 0: one per core
    // Each thread measures with a measurer of its own; by default the
    // editor's, in its measuring font (a QGuiApplication must exist).
    MeasurerFactory measurer;
    // Called after each language, from whichever thread checked it, one call
    // at a time.
    std::function<void(int checked, int total, const QString &language)> progress;
};

struct CheckOutcome
{
    // Why nothing was checked: the installation cannot be read, or an option
    // names no language of it. Empty when the report holds the check.
    QString error;
    CheckReport report;
};

CheckOutcome runCheck(const CheckOptions &options);

// The editor's measurer in its measuring font.
std::unique_ptr<TextMeasurer> editorMeasurer();
