#pragma once

#include "Result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>
#include <memory>

class QIODevice;

// The one place where Lexivo writes files. The bytes go to a temporary file
// beside the target, are synced to the disk, and the temporary file is
// renamed over the target, whose folder is synced in turn: a crash, a power
// cut or a full disk never leaves half a file. A target that exists keeps
// its permissions; a link is followed and its target replaced.
//
// A target that is read-only (no write bit for its owner, or not writable by
// this process), a folder in the target's place, a missing or read-only
// folder, a write or a sync that fails: the target stays exactly as it was,
// no temporary file is left behind, and the result is a failure whose
// sentence names the file. (Should only the folder's sync fail, the new
// content is in place but the failure is reported all the same.)
//
// Inside a SyncBatch the syncs that can wait do so until the batch's end.
Result<> writeFileSafely(const QString &path, const QByteArray &contents);

// The same, with the content put on the temporary file by write; a failure
// of write gives the reason it tells.
Result<> writeFileSafely(const QString &path,
                         const std::function<Result<>(QIODevice &device)> &write);

// Makes the folder at path and any missing folder above it, each new entry
// synced as writeFileSafely syncs a file's. A failure names the folder.
Result<> makeFolders(const QString &path);

// True when writeFileSafely could replace or create the file at path.
bool isFileWritable(const QString &path);

// Writes every byte of bytes to device. A device may take fewer bytes than
// it is offered, as a disk that fills up takes what fits; only a write that
// takes none says why, so the rest is offered again. A failure's text is the
// device's reason.
Result<> writeAll(QIODevice &device, QByteArrayView bytes);

// The failure of writing the file at path, for a reason such as "the file
// is read-only.".
ResultError writeFailure(const QString &path, const QString &reason);

// A seam for tests: while an override lives, writeFileSafely on this thread
// writes the temporary file of every target through the device that wrap
// makes for it, when wrap makes one, so that a test can make a write fail
// after any number of bytes.
class WriteDeviceOverride
{
public:
    using Wrap
        = std::function<std::unique_ptr<QIODevice>(QIODevice &temporary, const QString &target)>;

    explicit WriteDeviceOverride(Wrap wrap);
    ~WriteDeviceOverride();
    WriteDeviceOverride(const WriteDeviceOverride &) = delete;
    WriteDeviceOverride &operator=(const WriteDeviceOverride &) = delete;

    // The device for the temporary file of target, or nullptr to write the
    // file itself.
    static std::unique_ptr<QIODevice> deviceFor(QIODevice &temporary, const QString &target);

private:
    Wrap m_wrap;
    WriteDeviceOverride *m_previous;
};
