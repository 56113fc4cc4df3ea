#include "WriteFault.h"

#include "FailDevice.h"
#include "TestFiles.h"
#include "platform/SafeFileWriter.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/resource.h>
#endif
#ifdef Q_OS_LINUX
#include <sys/mount.h>
#endif

using namespace Qt::StringLiterals;

namespace {

// Room for the folder's files, each taking whole pages, before the filler.
qint64 tmpfsSize(const QString &folder)
{
    constexpr qint64 page = 4096;
    qint64 size = 64 * 1024;
    QDirIterator it(folder, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        size += (it.nextFileInfo().size() / page + 1) * page;
    return size;
}

// Writes until not one more byte fits.
void fill(const QString &folder)
{
    QFile filler(folder + u"/.filler"_s);
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return;
    const QByteArray block(4096, 'f');
    for (qint64 size = block.size(); size > 0; size /= 2) {
        while (filler.write(block.constData(), size) == size) { }
    }
}

} // namespace

const QList<WriteFault::Kind> WriteFault::AllKinds = {
    ReadOnlyFile, ReadOnlyFolder, FolderInPlace, FullDisk, FileSizeLimit, FullDevice, ShortWrites,
};

const char *WriteFault::name(Kind kind)
{
    switch (kind) {
    case ReadOnlyFile:
        return "read-only file";
    case ReadOnlyFolder:
        return "read-only folder";
    case FolderInPlace:
        return "folder in place";
    case FullDisk:
        return "full disk";
    case FileSizeLimit:
        return "file-size limit";
    case FullDevice:
        return "full device";
    case ShortWrites:
        return "short writes";
    }
    return "";
}

WriteFault::WriteFault(Kind kind, const QString &path)
    : m_kind(kind)
    , m_path(path)
    , m_folder(QFileInfo(path).absolutePath())
{
    switch (kind) {
    case ReadOnlyFile:
        TestFiles::makeReadOnly(m_path);
        break;
    case ReadOnlyFolder:
        TestFiles::makeReadOnly(m_folder);
        break;
    case FolderInPlace:
        QFile::remove(m_path);
        TestFiles::write(m_path + u"/inside.txt"_s, "kept");
        break;
    case FullDisk:
        mountFullTmpfs();
        break;
    case FileSizeLimit:
#ifndef Q_OS_UNIX
        m_unavailable = u"this system has no file-size limit."_s;
#endif
        break;
    case FullDevice:
        overrideDevice(0, FailDevice::Unlimited);
        break;
    case ShortWrites:
        overrideDevice(5, 2);
        break;
    }
}

WriteFault::~WriteFault()
{
    if (m_kind == ReadOnlyFile)
        TestFiles::makeWritable(m_path);
    else if (m_kind == ReadOnlyFolder)
        TestFiles::makeWritable(m_folder);
#ifdef Q_OS_LINUX
    if (m_mounted)
        umount2(QFile::encodeName(m_folder).constData(), MNT_DETACH);
#endif
}

void WriteFault::overrideDevice(qint64 capacity, qint64 chunk)
{
    const QString path = QFileInfo(m_path).absoluteFilePath();
    m_device = std::make_unique<WriteDeviceOverride>(
        [path, capacity, chunk](QIODevice &temporary,
                                const QString &target) -> std::unique_ptr<QIODevice> {
            if (QFileInfo(target).absoluteFilePath() != path)
                return nullptr;
            return std::make_unique<FailDevice>(temporary, capacity, chunk);
        });
}

// The folder's files are copied into the tmpfs that then covers the folder,
// so the operation finds them where they were.
void WriteFault::mountFullTmpfs()
{
#ifdef Q_OS_LINUX
    const QTemporaryDir staging;
    TestFiles::copyTree(m_folder, staging.path());
    const QByteArray options = "mode=0755,size=" + QByteArray::number(tmpfsSize(m_folder));
    if (mount("tmpfs", QFile::encodeName(m_folder).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
              options.constData())
        != 0) {
        m_unavailable
            = u"a tmpfs cannot be mounted here (%1); it needs root or CAP_SYS_ADMIN."_s.arg(
                QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }
    m_mounted = true;
    TestFiles::copyTree(staging.path(), m_folder);
    fill(m_folder);
#else
    m_unavailable = u"mounting a tmpfs needs Linux."_s;
#endif
}

WriteFault::SizeLimit::SizeLimit(bool active)
    : m_active(active)
{
#ifdef Q_OS_UNIX
    if (!m_active)
        return;
    m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit {};
    getrlimit(RLIMIT_FSIZE, &limit);
    m_previousLimit = limit.rlim_cur;
    limit.rlim_cur = 1;
    setrlimit(RLIMIT_FSIZE, &limit);
#endif
}

WriteFault::SizeLimit::~SizeLimit()
{
#ifdef Q_OS_UNIX
    if (!m_active)
        return;
    rlimit limit {};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = rlim_t(m_previousLimit);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, m_previousHandler);
#endif
}
