#include "SafeFileWriter.h"

#include "FileSync.h"
#include "SyncBatch.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QScopeGuard>

#include <filesystem>
#include <system_error>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

thread_local WriteDeviceOverride *t_override = nullptr;

// Root may write anything, so the owner's write bit is what marks a file or
// folder read-only for Lexivo, as the read-only attribute does on Windows.
bool hasWriteAccess(const QFileInfo &info)
{
    return info.isWritable() && info.permissions().testFlag(QFileDevice::WriteOwner);
}

// The file a write replaces: a link's target, as links are followed. A loop
// of links leaves the link itself to be replaced.
QString resolvedTarget(const QString &path)
{
    QFileInfo info(path);
    for (int depth = 0; depth < 128 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.isSymLink() ? path : info.filePath();
}

QString randomSuffix()
{
    static constexpr char16_t Letters[] = u"abcdefghijklmnopqrstuvwxyz0123456789";
    QString suffix(6, Qt::Uninitialized);
    for (QChar &c : suffix)
        c = Letters[QRandomGenerator::global()->bounded(36)];
    return suffix;
}

// A new file beside target, named after it with an ending that no scan for
// ".ini" or ".xml" files takes for one of the program's files. Unbuffered:
// a buffer flushed by close() would fail without a word, which once put an
// empty or cut file in the target's place on a full disk. A new file gets
// the permissions any new file gets; the temporary file of a target that
// exists is readable by its owner alone until it has the target's.
bool openTemporary(QFile &temporary, const QString &target, bool replacing)
{
    constexpr QIODevice::OpenMode Mode
        = QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered;
    for (int attempt = 0; attempt < 16; ++attempt) {
        temporary.setFileName(target + u'.' + randomSuffix());
        const bool opened = replacing
            ? temporary.open(Mode, QFileDevice::ReadOwner | QFileDevice::WriteOwner)
            : temporary.open(Mode);
        if (!opened && temporary.exists())
            continue; // the name is taken
        if (opened && replacing && !temporary.setPermissions(QFileInfo(target).permissions()))
            temporary.remove();
        return temporary.isOpen();
    }
    return false;
}

} // namespace

ResultError writeFailure(const QString &path, const QString &reason)
{
    return ResultError(
        u"\"%1\" could not be written: %2"_s.arg(QDir::toNativeSeparators(path), reason));
}

// The new content is renamed over the target, so the folder must be writable
// even when the target already exists.
bool isFileWritable(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo target(path);
    if (target.exists() && (target.isDir() || !hasWriteAccess(target)))
        return false;
    const QFileInfo folder(target.absolutePath());
    return folder.isDir() && hasWriteAccess(folder);
}

Result<> writeFileSafely(const QString &path, const QByteArray &contents)
{
    return writeFileSafely(path,
                           [&contents](QIODevice &device) { return writeAll(device, contents); });
}

Result<> writeFileSafely(const QString &path,
                         const std::function<Result<>(QIODevice &device)> &write)
{
    auto fail = [&](const QString &reason) { return writeFailure(path, reason); };

    const QFileInfo info(path);
    if (path.isEmpty())
        return fail(u"no file name was given."_s);
    if (info.isDir())
        return fail(u"a folder of that name is in the way."_s);
    const QFileInfo folderInfo(info.absolutePath());
    if (!folderInfo.isDir())
        return fail(u"its folder does not exist."_s);
    if (info.exists() && !hasWriteAccess(info))
        return fail(u"the file is read-only."_s);
    if (!hasWriteAccess(folderInfo))
        return fail(u"its folder is read-only."_s);

    const QString target = resolvedTarget(path);
    const bool replacing = QFileInfo::exists(target);
    QFile temporary;
    if (!openTemporary(temporary, target, replacing))
        return fail(temporary.errorString());
    auto removeTemporary = qScopeGuard([&temporary] { temporary.remove(); });

    Result<> written;
    if (const std::unique_ptr<QIODevice> device = WriteDeviceOverride::deviceFor(temporary, target))
        written = write(*device);
    else
        written = write(temporary);
    if (!written)
        return fail(written.error());

    // The data reaches the disk before the rename can: a rename that got
    // there first would leave an empty file after a power cut. A batch syncs
    // the rest at its end.
    SyncBatch *batch = SyncBatch::current();
    const Result<> synced = batch ? FileSync::writeOut(temporary) : FileSync::syncFile(temporary);
    if (!synced)
        return fail(synced.error());
    if (batch)
        batch->deferFile(target);
    temporary.close();
    if (temporary.error() != QFileDevice::NoError)
        return fail(temporary.errorString());

    std::error_code renameError;
    std::filesystem::rename(temporary.fileName().toStdU16String(), target.toStdU16String(),
                            renameError);
    if (renameError)
        return fail(QString::fromLocal8Bit(renameError.message()));
    removeTemporary.dismiss();

    const QString folder = QFileInfo(target).absolutePath();
    if (batch) {
        batch->deferFolder(folder);
        return ResultOk;
    }
    if (Result<> folderSynced = FileSync::syncFolder(folder); !folderSynced)
        return fail(folderSynced.error());
    return ResultOk;
}

Result<> makeFolders(const QString &path)
{
    const QString folder = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    if (QFileInfo(folder).isDir())
        return ResultOk;
    const QString parent = QFileInfo(folder).absolutePath();
    if (parent != folder) {
        if (Result<> made = makeFolders(parent); !made)
            return made;
    }
    if (!QDir().mkdir(folder) && !QFileInfo(folder).isDir()) {
        return ResultError(
            u"The folder \"%1\" could not be made."_s.arg(QDir::toNativeSeparators(folder)));
    }
    // The parent holds the new folder's entry.
    SyncBatch batch;
    batch.deferFolder(parent);
    return batch.finish();
}

Result<> writeAll(QIODevice &device, QByteArrayView bytes)
{
    for (qsizetype written = 0; written < bytes.size();) {
        const qint64 count = device.write(bytes.data() + written, bytes.size() - written);
        if (count <= 0)
            return ResultError(device.errorString());
        written += count;
    }
    return ResultOk;
}

WriteDeviceOverride::WriteDeviceOverride(Wrap wrap)
    : m_wrap(std::move(wrap))
    , m_previous(std::exchange(t_override, this))
{
}

WriteDeviceOverride::~WriteDeviceOverride()
{
    t_override = m_previous;
}

std::unique_ptr<QIODevice> WriteDeviceOverride::deviceFor(QIODevice &temporary,
                                                          const QString &target)
{
    return t_override ? t_override->m_wrap(temporary, target) : nullptr;
}
