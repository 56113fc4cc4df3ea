#pragma once

#include <QList>
#include <QMetaType>
#include <QString>

#include <memory>

class WriteDeviceOverride;

// Makes every write to one file fail in one way while the object lives, so
// that tests can show that a failed write changes nothing and is reported.
// The fault is undone when the object is destroyed, also after a failed check.
class WriteFault
{
public:
    enum Kind {
        ReadOnlyFile, // the file loses its write bits
        ReadOnlyFolder, // the file's folder loses its write bits
        FolderInPlace, // a folder holding a file stands where the file is
        FullDisk, // the file's folder is a tiny tmpfs without a free byte
        FileSizeLimit, // a file-size limit of one byte, only while during() runs
        // The same two on every machine, through a device the safe writer is
        // handed for the file:
        FullDevice, // takes no byte
        ShortWrites, // takes a few bytes, two at a time, then is full
    };

    static const QList<Kind> AllKinds;
    static const char *name(Kind kind);

    // Sets the fault up for the file at path; its folder must exist.
    WriteFault(Kind kind, const QString &path);
    ~WriteFault();
    WriteFault(const WriteFault &) = delete;
    WriteFault &operator=(const WriteFault &) = delete;

    // Empty when the fault is in force; otherwise why this machine cannot make
    // it (mounting needs privileges that CI or a developer may not have).
    QString unavailable() const { return m_unavailable; }

    // Runs operation with the fault in force and returns what it returns.
    template<typename Operation> auto during(Operation &&operation) const
    {
        const SizeLimit limit(m_kind == FileSizeLimit);
        return operation();
    }

private:
    // Lowers the file-size limit and ignores SIGXFSZ, so that writes past one
    // byte fail with EFBIG instead of ending the process; restores both.
    class SizeLimit
    {
    public:
        explicit SizeLimit(bool active);
        ~SizeLimit();

    private:
        bool m_active;
        unsigned long long m_previousLimit = 0;
        void (*m_previousHandler)(int) = nullptr;
    };

    void mountFullTmpfs();

    void overrideDevice(qint64 capacity, qint64 chunk);

    Kind m_kind;
    QString m_path;
    QString m_folder;
    QString m_unavailable;
    bool m_mounted = false;
    std::unique_ptr<WriteDeviceOverride> m_device;
};

Q_DECLARE_METATYPE(WriteFault::Kind)
