#pragma once

#include "Result.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

// One INI file held in memory, read and written the way the client's Windows
// programs read and write it through their profile-string functions:
//
// - sections match without regard to case, the first of two equal sections wins;
// - a section read gives every line of the section that is neither blank nor a
//   comment, in file order, exactly as it stands (no trimming);
// - a key write replaces the first line of the section whose key matches
//   (text before the first "=", trimmed, compared without regard to case),
//   or inserts key=value after the section's last key line, or appends the
//   section at the end of the file; every other byte stays as it was;
// - a file starting with FF FE is UTF-16LE, one starting with EF BB BF is UTF-8
//   with a byte-order mark, any other file is UTF-8; a rewrite keeps the
//   encoding, the mark and the line ends; a new file gets no mark and LF.
//
// Wide operations take and give QString; narrow operations take and give
// bytes in UTF-8, passed through unchanged for a UTF-8 file.
//
// A run of writes is applied in memory and reaches the disk once, through
// save(), with exactly the bytes that saving after every write would give.
class ProfileFile
{
public:
    enum class State {
        Missing, // no file: reads give nothing, save() creates it
        Loaded, // read whole
        Unreadable, // exists but could not be read: never written over
    };

    // Reads the file at path once. Nothing is cached across objects.
    explicit ProfileFile(const QString &path);
    ~ProfileFile();
    ProfileFile(ProfileFile &&) noexcept;
    ProfileFile &operator=(ProfileFile &&) noexcept;

    QString path() const;
    State state() const;
    // Nothing when the file was read whole, else why not: it is missing or
    // could not be read.
    Result<> wasRead() const;
    // True unless the file is UTF-16: its narrow lines are then its own bytes.
    bool holdsUtf8() const;

    // Lines of the section (see above). A missing section gives an empty list.
    QStringList sectionLines(const QString &section) const;
    QList<QByteArray> sectionLinesNarrow(const QByteArray &section) const;

    // The same lines handed to visit one by one, without a list; a wide line
    // is the visitor's to keep, the narrow lines of a UTF-8 file are views of
    // the file's bytes, copied nowhere.
    void visitSectionLines(const QString &section,
                           const std::function<void(QString &&line)> &visit) const;
    void visitSectionLinesNarrow(const QByteArray &section,
                                 const std::function<void(QByteArrayView line)> &visit) const;

    // Key writes and the key delete, applied in memory.
    void writeKey(const QString &section, const QString &key, const QString &value);
    void writeKeyNarrow(const QByteArray &section, const QByteArray &key, const QByteArray &value);
    void deleteKey(const QString &section, const QString &key);

    // True when a write or delete changed the content since loading or saving.
    bool isModified() const;

    // Writes the content through writeFileSafely when it was modified; every
    // key write counts as a change, even one that leaves the bytes as they were.
    // A failure, and the file on disk unchanged, when it cannot be written or
    // was Unreadable (writes to an Unreadable file are ignored).
    Result<> save();

    // The bytes save() would write.
    QByteArray contents() const;

private:
    struct Data;
    std::unique_ptr<Data> d;
};

// The single-call operations: each reads the file, applies one change and
// writes it back at once, like the Windows functions they stand in for. A
// missing file reads as no lines; one that exists but cannot be read is a
// failure.
namespace Profile {
Result<QStringList> readSection(const QString &path, const QString &section);
Result<QList<QByteArray>> readSectionNarrow(const QString &path, const QByteArray &section);
Result<> writeString(const QString &path, const QString &section, const QString &key,
                     const QString &value);
Result<> writeStringNarrow(const QString &path, const QByteArray &section, const QByteArray &key,
                           const QByteArray &value);
Result<> deleteKey(const QString &path, const QString &section, const QString &key);
} // namespace Profile
