#pragma once

#include <QStringView>

// The names of XLIFF 1.2 that both the writer and the reader use.
namespace Xliff {
inline constexpr QStringView Root = u"xliff";
inline constexpr QStringView Version = u"1.2";
inline constexpr QStringView Namespace = u"urn:oasis:names:tc:xliff:document:1.2";
inline constexpr QStringView Translated = u"translated";
inline constexpr QStringView NeedsTranslation = u"needs-translation";
} // namespace Xliff
