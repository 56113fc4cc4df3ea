#pragma once

#include "CheckReport.h"
#include "store/EntryOrdinal.h"

class CheckedInstallation;
struct ReferenceTexts;
class TextMeasurer;

// One language of an installation checked against its reference: every entry
// the editor would list, with the editor's own checks, and the files behind
// them. Only reads; safe to run for several languages at once, each with a
// measurer of its own.
struct LanguageCheckInput
{
    const CheckedInstallation &installation;
    int language; // catalogue row
    int reference; // catalogue row; -1 for none
    const ReferenceTexts &referenceTexts; // of that reference
    const TextMeasurer &measurer;
};

struct LanguageCheckResult
{
    LanguageSummary summary;
    std::vector<Finding> findings; // the language's INI file by line, then its web files
};

LanguageCheckResult checkLanguage(const LanguageCheckInput &input);
