#pragma once

#include "store/EntryOrdinal.h"

#include <functional>

class Installation;

// What the translation editor needs from the main window: the installation,
// the keys its save removes from the language's file, and the entry list that
// takes the values a save has written.
struct EditorContext
{
    Installation &installation;
    KeySet redundantKeys;
    std::function<void(const ValueMap &)> updateListValues;
};
