#include "ProfileFile.h"

#include "ProfileDocument.h"
#include "SafeFileWriter.h"

#include <QDir>
#include <QFile>

#include <optional>

struct ProfileFile::Data
{
    QString path;
    State state = State::Missing;
    // The bytes as read; the editable document is built at the first change,
    // so a file that is only read is never taken apart line by line.
    QByteArray bytes;
    ProfileCodec codec;
    std::optional<ProfileDocument> document;
    bool modified = false;

    ProfileDocument &editable()
    {
        if (!document)
            document.emplace(bytes);
        return *document;
    }

    void visitEntries(QByteArrayView section,
                      const std::function<void(QByteArrayView)> &visit) const
    {
        if (!document)
            return ProfileDocument::visitEntries(bytes, codec, section, visit);
        for (const QByteArrayView line : document->entries(section))
            visit(line);
    }
};

ProfileFile::ProfileFile(const QString &path)
    : d(std::make_unique<Data>())
{
    d->path = path;
    QFile file(path);
    if (!file.exists())
        return;
    d->state = State::Unreadable;
    if (!file.open(QIODevice::ReadOnly))
        return;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return;
    d->codec = ProfileCodec::detect(bytes);
    d->bytes = std::move(bytes);
    d->state = State::Loaded;
}

ProfileFile::~ProfileFile() = default;
ProfileFile::ProfileFile(ProfileFile &&) noexcept = default;
ProfileFile &ProfileFile::operator=(ProfileFile &&) noexcept = default;

QString ProfileFile::path() const
{
    return d->path;
}

ProfileFile::State ProfileFile::state() const
{
    return d->state;
}

Result<> ProfileFile::wasRead() const
{
    const QString name = QDir::toNativeSeparators(d->path);
    switch (d->state) {
    case State::Loaded:
        return ResultOk;
    case State::Missing:
        return ResultError(QStringLiteral("\"%1\" does not exist.").arg(name));
    case State::Unreadable:
        break;
    }
    return ResultError(QStringLiteral("\"%1\" could not be read.").arg(name));
}

bool ProfileFile::holdsUtf8() const
{
    return d->codec.encoding() == ProfileCodec::Encoding::Utf8;
}

void ProfileFile::visitSectionLines(const QString &section,
                                    const std::function<void(QString &&)> &visit) const
{
    const ProfileCodec &codec = d->codec;
    d->visitEntries(codec.fromWide(section),
                    [&](QByteArrayView line) { visit(codec.toWide(line)); });
}

void ProfileFile::visitSectionLinesNarrow(const QByteArray &section,
                                          const std::function<void(QByteArrayView)> &visit) const
{
    const ProfileCodec &codec = d->codec;
    if (codec.encoding() == ProfileCodec::Encoding::Utf8)
        return d->visitEntries(section, visit);
    d->visitEntries(codec.fromNarrow(section),
                    [&](QByteArrayView line) { visit(codec.toNarrow(line)); });
}

QStringList ProfileFile::sectionLines(const QString &section) const
{
    QStringList lines;
    visitSectionLines(section, [&lines](QString &&line) { lines.append(std::move(line)); });
    return lines;
}

QList<QByteArray> ProfileFile::sectionLinesNarrow(const QByteArray &section) const
{
    QList<QByteArray> lines;
    visitSectionLinesNarrow(section,
                            [&lines](QByteArrayView line) { lines.append(line.toByteArray()); });
    return lines;
}

void ProfileFile::writeKey(const QString &section, const QString &key, const QString &value)
{
    if (d->state == State::Unreadable)
        return;
    const ProfileCodec &codec = d->codec;
    d->editable().setValue(codec.fromWide(section), codec.fromWide(key), codec.fromWide(value));
    d->modified = true;
}

void ProfileFile::writeKeyNarrow(const QByteArray &section, const QByteArray &key,
                                 const QByteArray &value)
{
    if (d->state == State::Unreadable)
        return;
    const ProfileCodec &codec = d->codec;
    // A UTF-8 file takes narrow strings as they are, without copies.
    if (codec.encoding() == ProfileCodec::Encoding::Utf8)
        d->editable().setValue(section, key, value);
    else
        d->editable().setValue(codec.fromNarrow(section), codec.fromNarrow(key),
                               codec.fromNarrow(value));
    d->modified = true;
}

void ProfileFile::deleteKey(const QString &section, const QString &key)
{
    const ProfileCodec &codec = d->codec;
    if (d->editable().removeKey(codec.fromWide(section), codec.fromWide(key)))
        d->modified = true;
}

bool ProfileFile::isModified() const
{
    return d->modified;
}

Result<> ProfileFile::save()
{
    if (d->state == State::Unreadable) {
        return ResultError(QStringLiteral("\"%1\" could not be read, so it is not written over.")
                               .arg(QDir::toNativeSeparators(d->path)));
    }
    if (!d->modified)
        return ResultOk;
    if (Result<> written = writeFileSafely(d->path, contents()); !written)
        return written;
    d->modified = false;
    d->state = State::Loaded;
    return ResultOk;
}

QByteArray ProfileFile::contents() const
{
    return d->document ? d->document->contents() : d->bytes;
}

namespace Profile {

Result<QStringList> readSection(const QString &path, const QString &section)
{
    const ProfileFile file(path);
    if (file.state() == ProfileFile::State::Unreadable)
        return ResultError(file.wasRead().error());
    return file.sectionLines(section);
}

Result<QList<QByteArray>> readSectionNarrow(const QString &path, const QByteArray &section)
{
    const ProfileFile file(path);
    if (file.state() == ProfileFile::State::Unreadable)
        return ResultError(file.wasRead().error());
    return file.sectionLinesNarrow(section);
}

Result<> writeString(const QString &path, const QString &section, const QString &key,
                     const QString &value)
{
    ProfileFile file(path);
    file.writeKey(section, key, value);
    return file.save();
}

Result<> writeStringNarrow(const QString &path, const QByteArray &section, const QByteArray &key,
                           const QByteArray &value)
{
    ProfileFile file(path);
    file.writeKeyNarrow(section, key, value);
    return file.save();
}

Result<> deleteKey(const QString &path, const QString &section, const QString &key)
{
    ProfileFile file(path);
    file.deleteKey(section, key);
    return file.save();
}

} // namespace Profile
