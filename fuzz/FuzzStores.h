#pragma once

#include "config/LanguageCatalogue.h"
#include "store/LanguageStore.h"

#include <QByteArray>

// A language folder in the scratch folder with reference as its reference
// file, opened once in each mode. Both stores stay open for the whole run:
// every opening takes new ordinals from the process-wide counter, which
// must not run into the web range.
struct FuzzStores
{
    explicit FuzzStores(const QByteArray &reference);

    LanguageCatalogue catalogue;
    LanguageStore wide { catalogue };
    LanguageStore utf8 { catalogue };
};
