#pragma once

#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

// What the batch checker found in an installation.

enum class FindingKind {
    Error, // the format symbols differ from the reference's: "ERROR" in the editor
    TooLong, // wider than the attribute's sample: "TOO LONG" in the editor
    Blank, // the file holds the entry with a blank value
    Missing, // the file lacks an attribute of the reference
    Extra, // a line the reference has no attribute for, or a repeated key
    Web, // a web file or item that is missing or cannot be read
    Index, // what start-up would create or change
    Inconsistent, // one reference text, translated differently elsewhere
};

// The option --fail-on: the least grave findings that fail a run.
enum class FailLevel {
    Error, // ERROR and TOO LONG
    Blank, // also blank and missing entries, web files and items
    Warning, // everything
    Never,
};

// "error", "too-long", "blank", "missing", "extra", "web", "index", "inconsistent".
QString kindName(FindingKind kind);
// "error" for ERROR and TOO LONG, "warning" for the rest.
QString severityName(FindingKind kind);
bool isError(FindingKind kind);
// Whether a finding of kind fails a run at level.
bool failsAt(FindingKind kind, FailLevel level);
std::optional<FailLevel> failLevelFromName(QStringView name);

struct Finding
{
    QString language; // display name; empty for the installation as a whole
    QString file; // relative to the installation, "/" between folders
    int line = 1; // of the entry; 1 for the file as a whole
    QString attribute; // empty when the finding concerns no one entry
    FindingKind kind = FindingKind::Error;
    QString message;

    friend bool operator==(const Finding &, const Finding &) = default;
};

// One row of the summary. translated + blank + missing == entries.
struct LanguageSummary
{
    QString name;
    QString file; // its INI file, relative to the installation
    QString reference; // display name; empty when no other language is present
    QString problem; // why its INI file was not read; empty when it was
    int entries = 0;
    int translated = 0;
    int blank = 0;
    int error = 0;
    int tooLong = 0;
    int missing = 0;
    int extra = 0;
    int inconsistent = 0;

    // The share translated in tenths of a percent, rounded down, so that an
    // incomplete language never shows as complete; 0 without entries.
    int translatedPerMille() const;

    friend bool operator==(const LanguageSummary &, const LanguageSummary &) = default;
};

struct CheckReport
{
    QString installation; // absolute path
    QString reference; // the reference of every language but itself
    std::vector<LanguageSummary> languages; // in catalogue order
    // The installation's own findings first, then each language's: its INI
    // file by line, then its web files in order.
    std::vector<Finding> findings;

    bool failsAt(FailLevel level) const;
};
