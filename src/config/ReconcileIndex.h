#pragma once

#include "LanguageCatalogue.h"
#include "platform/Result.h"

#include <QString>

#include <functional>
#include <set>

// The catalogue rows of the languages that exist in the installation.
using PresentLanguages = std::set<int>;

// What the index reconciliation works on. The creators make a language's INI
// file (given its display name) and its web folder (given its key name);
// both also write their own index line. Their failures go unreported.
struct ReconcileInput
{
    QString languageFolder; // absolute
    QString webFolder;      // absolute
    bool needWebLanguage = true;
    const LanguageCatalogue *catalogue = nullptr;
    std::function<Result<>(const QString &displayName)> createLanguageFile;
    std::function<Result<>(const QString &keyName)> createWebLanguage;
};

struct ReconcileResult
{
    // False when LanguageIndex.ini can be neither opened nor created; nothing
    // else was done then.
    bool indexUsable = false;
    PresentLanguages presentLanguages;
};

// Brings LanguageIndex.ini, the INI files and (with web languages) the web
// folders into step. Nothing is ever removed: a language known by any one of
// them gets the others.
ReconcileResult ReconcileIndex(const ReconcileInput &input);

// The message for an index that can be neither opened nor created.
QString indexUnusableMessage();
