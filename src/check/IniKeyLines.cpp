#include "IniKeyLines.h"

#include "config/LanguageIndex.h"
#include "platform/ProfileSyntax.h"
#include "platform/TextCodec.h"

#include <QFile>
#include <QFileInfo>

using namespace ProfileSyntax;

namespace {

// The key as the loaders take it: an ASCII key trimmed as bytes is trimmed as
// text, and only other keys need decoding.
QString keyOf(const ProfileCodec &codec, QByteArrayView line)
{
    if (codec.encoding() == ProfileCodec::Encoding::Utf16Le)
        return LanguageIndex::entryKey(codec.toWide(line));
    const qsizetype equals = line.lastIndexOf('=');
    if (equals < 0)
        return {};
    const QByteArrayView key = line.first(equals);
    for (const char c : key) {
        if (quint8(c) >= 0x80)
            return decodeUtf8(key).trimmed();
    }
    return QString::fromLatin1(key.trimmed());
}

// Gives visit every line of the section with its number, and its header's.
template<typename Visit> void visitSection(QByteArrayView file, QStringView section, Visit &&visit)
{
    const ProfileCodec codec = ProfileCodec::detect(file);
    const QByteArrayView body = file.sliced(codec.mark().size());
    const QByteArrayView text = codec.units(body, 0, codec.unitCount(body));
    QByteArray wantedStorage;
    QByteArray nameStorage;
    const QByteArray sectionBytes = codec.fromWide(section);
    const QByteArrayView wanted = codec.matchKey(trimmed(codec, sectionBytes), wantedStorage);
    enum class Place { Before, Inside, After } place = Place::Before;
    int number = 0;
    splitLines(codec, text, [&](const ProfileLine &line) {
        ++number;
        if (place == Place::After)
            return;
        if (line.kind == LineKind::Header) {
            if (place == Place::Inside)
                place = Place::After;
            else if (codec.matchKey(sectionName(codec, line.text), nameStorage) == wanted) {
                place = Place::Inside;
                visit(codec, line, number);
            }
        } else if (place == Place::Inside && line.kind == LineKind::Entry) {
            visit(codec, line, number);
        }
    });
}

} // namespace

std::optional<QByteArray> readPlainFile(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

std::vector<IniKeyLine> readKeyLines(QByteArrayView file, QStringView section)
{
    std::vector<IniKeyLine> lines;
    visitSection(file, section,
                 [&](const ProfileCodec &codec, const ProfileLine &line, int number) {
                     if (line.kind != LineKind::Entry)
                         return;
                     QString key = keyOf(codec, line.text);
                     if (key.isEmpty())
                         return;
                     const bool valid = codec.encoding() == ProfileCodec::Encoding::Utf16Le
                         || line.text.isValidUtf8();
                     lines.push_back({ std::move(key), number, valid });
                 });
    return lines;
}

int sectionLine(QByteArrayView file, QStringView section)
{
    int header = 0;
    visitSection(file, section, [&](const ProfileCodec &, const ProfileLine &line, int number) {
        if (line.kind == LineKind::Header)
            header = number;
    });
    return header;
}
