#pragma once

#include "CheckReport.h"
#include "SharedWidths.h"

#include <QString>
#include <QStringList>

#include <atomic>
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
    // Called after each language with its summary, from whichever thread
    // checked it, one call at a time.
    std::function<void(int checked, int total, const LanguageSummary &language)> progress;
    // False: the report keeps only the summaries. A large installation's
    // findings take hundreds of megabytes, more than a view of the counts
    // should hold.
    bool keepFindings = true;
    // Set from any thread to stop: the languages under way are finished, no
    // other is started, and the outcome's error says the check was cancelled.
    const std::atomic<bool> *cancel = nullptr;
};

struct CheckOutcome
{
    // Why nothing was checked: the installation cannot be read, an option
    // names no language of it, or the check was cancelled. Empty when the
    // report holds the check.
    QString error;
    CheckReport report;
};

CheckOutcome runCheck(const CheckOptions &options);

// The error of a cancelled check.
QString checkCancelledMessage();

// The editor's measurer in its measuring font.
std::unique_ptr<TextMeasurer> editorMeasurer();
