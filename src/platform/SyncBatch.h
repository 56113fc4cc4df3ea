#pragma once

#include "Result.h"

#include <QString>

#include <set>

// A run of writes that syncs once, at its end. While a batch is open on this
// thread, writeFileSafely writes each file's data out to the disk before the
// rename, as it must, but leaves the rest of the sync to the batch: the
// file's size and the folder's new entry, and the flush of the disk's cache
// that each sync would cost. finish() syncs every file and folder written,
// once however often it was written: on Linux one sync of each file system
// does it all, elsewhere a sync of each file and folder.
//
// A power cut during the batch may lose its writes: a file is then as it was
// before the batch, or the new one, whose data went out before its name
// changed. Batches nest: an inner batch joins
// the outer one, which syncs for both.
class SyncBatch
{
public:
    SyncBatch();
    // Finishes a batch that was not finished; a failure then goes unreported.
    ~SyncBatch();
    SyncBatch(const SyncBatch &) = delete;
    SyncBatch &operator=(const SyncBatch &) = delete;

    // Syncs what the batch was left and closes it; the first failure names
    // its file or folder, and everything else is synced all the same.
    Result<> finish();

    // The batch open on this thread, or nullptr.
    static SyncBatch *current();

    // What finish() must sync, noted by the safe writer and by whoever makes
    // a folder; a batch that joined another notes it there.
    void deferFile(const QString &path) { syncing().m_files.insert(path); }
    void deferFolder(const QString &folder) { syncing().m_folders.insert(folder); }
    qsizetype deferredCount() const;

private:
    // The batch that syncs for this one.
    SyncBatch &syncing();
    Result<> syncFileSystems() const;
    Result<> syncEach() const;

    bool m_open = false; // false for a batch that joined another, or finished
    std::set<QString> m_files;
    std::set<QString> m_folders;
};
