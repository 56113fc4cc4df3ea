#pragma once

#include "Result.h"

#include <QByteArray>
#include <QString>

// The one place where Lexivo writes files. The bytes go to a temporary file
// beside the target, are flushed, and the temporary file is renamed over the
// target, so a crash or a full disk never leaves half a file. A target that
// exists keeps its permissions.
//
// A target that is read-only (no write bit for its owner, or not writable by
// this process), a folder in the target's place, a missing or read-only
// folder: the target stays exactly as it was and the result is a failure
// whose sentence names the file.
Result<> writeFileSafely(const QString &path, const QByteArray &contents);

// True when writeFileSafely could replace or create the file at path.
bool isFileWritable(const QString &path);
