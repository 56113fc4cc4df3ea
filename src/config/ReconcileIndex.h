#pragma once

#include "LanguageCatalogue.h"
#include "PresentLanguages.h"
#include "platform/Result.h"

#include <QString>

#include <functional>
#include <vector>

// What the index reconciliation works on. The creators make a language's INI
// file (given its display name) and its web folder (given its key name);
// both also write their own index line. Their failures go unreported.
struct ReconcileInput
{
    QString languageFolder; // absolute
    QString webFolder; // absolute
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

// One change of the reconciliation.
struct ReconcileAction
{
    enum class Kind {
        CreateIndex, // an empty LanguageIndex.ini
        WriteIndexEntry, // code=value into section
        CreateWebLanguage, // the web folder of key name value
        CreateLanguageFile, // the INI file of display name value
    };

    Kind kind = Kind::CreateIndex;
    QString section;
    QString code;
    QString value;

    friend bool operator==(const ReconcileAction &, const ReconcileAction &) = default;
};

struct ReconcilePlan
{
    enum class IndexState {
        Usable,
        Missing, // to be created
        Unreadable, // not a readable file: nothing can be done
        ReadOnly, // readable, but cannot be written: nothing is done
    };

    IndexState index = IndexState::Usable;
    // In the order they are made; every index entry is written before the
    // first web folder or file is created.
    std::vector<ReconcileAction> actions;
    // The languages present once the actions are done.
    PresentLanguages presentLanguages;
};

// What the reconciliation would do, found by reading alone: nothing is
// written and the creators of input are not called. The plan is made also
// for an index that is unusable, from what can be read.
ReconcilePlan PlanReconciliation(const ReconcileInput &input);

// Brings LanguageIndex.ini, the INI files and (with web languages) the web
// folders into step by carrying out the plan. Nothing is ever removed: a
// language known by any one of them gets the others.
ReconcileResult ReconcileIndex(const ReconcileInput &input);

// The message for an index that can be neither opened nor created.
QString indexUnusableMessage();

// Start-up's message when the language folder, its reference file or (with
// web languages) the English web folder is missing.
QString mainFileMissingMessage();
