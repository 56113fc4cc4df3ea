#pragma once

#include "config/ReconcileIndex.h"
#include "store/EntryOrdinal.h"

#include <functional>

class ClientConfig;
class LanguageStore;
class WebLanguageStore;

// What the translation editor needs from the main window: the stores, the
// settings, the languages present, and the entry list that takes the values
// a save has written.
struct EditorContext
{
    LanguageStore &languageStore;
    WebLanguageStore &webLanguageStore;
    const ClientConfig &config;
    const PresentLanguages &presentLanguages;
    std::function<void(const ValueMap &)> updateListValues;
};
