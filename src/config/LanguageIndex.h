#pragma once

#include "platform/Result.h"

#include <QString>
#include <QStringList>

// LanguageIndex.ini lists the installation's languages in two sections:
// "languages" (code=display name) and "xmllanguages" (code=key name).
namespace LanguageIndex {

inline const QString FileName = QStringLiteral("LanguageIndex.ini");
inline const QString LanguagesSection = QStringLiteral("languages");
inline const QString WebLanguagesSection = QStringLiteral("xmllanguages");

// The keys of a section in file order: each entry's text before its last "=",
// trimmed; entries without "=" or with an empty key are skipped. A missing
// index has none; one that cannot be read is a failure.
Result<QStringList> readKeys(const QString &indexPath, const QString &section);

// The key of one section entry as above; empty when the entry has none.
QString entryKey(const QString &entry);

} // namespace LanguageIndex
