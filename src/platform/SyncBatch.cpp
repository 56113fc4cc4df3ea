#include "SyncBatch.h"

#include "FileSync.h"
#include "SafeFileWriter.h"

#include <tuple>

namespace {

thread_local SyncBatch *t_current = nullptr;

} // namespace

SyncBatch::SyncBatch()
{
    if (t_current)
        return;
    t_current = this;
    m_open = true;
}

SyncBatch::~SyncBatch()
{
    // Nothing is left to report to once the batch's scope has ended.
    std::ignore = finish();
}

SyncBatch *SyncBatch::current()
{
    return t_current;
}

SyncBatch &SyncBatch::syncing()
{
    Q_ASSERT(m_open || t_current);
    return m_open || !t_current ? *this : *t_current;
}

qsizetype SyncBatch::deferredCount() const
{
    const SyncBatch &batch = m_open || !t_current ? *this : *t_current;
    return qsizetype(batch.m_files.size() + batch.m_folders.size());
}

Result<> SyncBatch::finish()
{
    if (!m_open)
        return ResultOk;
    m_open = false;
    t_current = nullptr;

    Result<> outcome = FileSync::CanSyncFileSystem ? syncFileSystems() : syncEach();
    m_files.clear();
    m_folders.clear();
    return outcome;
}

// Every file is in one of the folders.
Result<> SyncBatch::syncFileSystems() const
{
    Result<> outcome;
    std::set<quint64> synced;
    for (const QString &folder : m_folders) {
        Result<quint64> fileSystem = FileSync::fileSystemOf(folder);
        if (fileSystem && !synced.insert(*fileSystem).second)
            continue;
        Result<> done
            = fileSystem ? FileSync::syncFileSystem(folder) : ResultError(fileSystem.error());
        if (!done)
            outcome.keepFirstFailure(writeFailure(folder, done.error()));
    }
    return outcome;
}

// Files first: a folder's entry is worth keeping only with its data.
Result<> SyncBatch::syncEach() const
{
    Result<> outcome;
    for (const QString &file : m_files) {
        if (Result<> synced = FileSync::syncPath(file); !synced)
            outcome.keepFirstFailure(writeFailure(file, synced.error()));
    }
    for (const QString &folder : m_folders) {
        if (Result<> synced = FileSync::syncFolder(folder); !synced)
            outcome.keepFirstFailure(writeFailure(folder, synced.error()));
    }
    return outcome;
}
