#pragma once

#include "EntryOrdinal.h"
#include "platform/Result.h"

#include <QString>

// The loading of a language file written straight from its rules, with
// plain string operations and a search through every reference key for each
// line: the oracle that LanguageStore::LoadLanguage, tuned for speed, is
// tested and fuzzed against. Far too slow for the program itself.
namespace PlainLanguageLoader {

// Adds the values of the file at path to values (a value already there
// stays; the first line of a key wins) and its keys that referenceKeys
// lacks to extraKeys, as LanguageStore::LoadLanguage does in the mode given.
// A failure, both unchanged, when the file cannot be read.
Result<> load(const QString &path, const AttributeMap &referenceKeys, bool utf8Mode,
              ValueMap &values, KeySet &extraKeys);

} // namespace PlainLanguageLoader
