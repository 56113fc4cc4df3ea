#pragma once

#include "editor/FormatSymbols.h"

#include <QString>

#include <vector>

class CheckedInstallation;

// A reference language's text and format symbols for every entry, in the
// installation's entry order, counted once and shared by every language
// checked against it. With no reference every text is empty.
struct ReferenceTexts
{
    std::vector<QString> texts;
    std::vector<SymbolCounts> symbols;
};

// reference: a catalogue row, or -1 for none.
ReferenceTexts loadReferenceTexts(const CheckedInstallation &installation, int reference);
