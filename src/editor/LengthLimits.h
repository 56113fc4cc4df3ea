#pragma once

#include <QString>

#include <map>

// Attribute -> sample text whose rendered width is the room for the
// attribute's translation. Ordered and looked up exactly (case-sensitive).
using LengthLimits = std::map<QString, QString>;

// Section "text" of a CheckLength.ini: on each line the key is the text
// before the last "=" and the sample the text after it, both trimmed; lines
// without "=" or with an empty key are skipped and the first line of a key
// counts. A missing or unreadable file gives no limits.
LengthLimits LoadLengthLimits(const QString &path);

// CheckLength.ini in the tool folder; empty when that folder is unknown.
QString lengthLimitsPath(const QString &toolFolder);
