#include "FuzzCheck.h"
#include "FuzzScratch.h"
#include "IniText.h"
#include "ProfileScript.h"
#include "platform/ProfileFile.h"
#include "platform/TextCodec.h"

#include <QStringList>

#include <algorithm>
#include <string_view>

// Reads and writes INI files of arbitrary bytes, in every encoding, through
// the profile-string layer, and holds it to what its callers rely on:
// - a file nobody writes comes back byte for byte;
// - a section read gives the section's entry lines exactly as they stand;
// - a run of operations on one ProfileFile gives, after every step, the bytes
//   of the single calls applied one by one to the file;
// - a write without line breaks changes one line, inserts one or appends a
//   section and leaves every other byte, and a written key reads back with
//   its value.

namespace {

using Line = IniText::Line;

bool isEntryLine(const QString &line)
{
    return Line { line.toStdU16String(), {} }.isEntry() && !line.contains(u'\r')
        && !line.contains(u'\n');
}

QStringList decoded(const QList<QByteArray> &lines)
{
    QStringList texts;
    for (const QByteArray &line : lines)
        texts.append(decodeUtf8(line));
    return texts;
}

// A section's lines as code units, read through the operations that pass the
// file's text through unchanged: narrow for UTF-8, wide for UTF-16.
QStringList unitsOfSection(const ProfileFile &file, const IniText &text, const std::u16string &name)
{
    if (text.isUtf16())
        return file.sectionLines(IniText::wide(name));
    QStringList lines;
    for (const QByteArray &line : file.sectionLinesNarrow(IniText::narrow(name)))
        lines.append(QString::fromLatin1(line));
    return lines;
}

// The wide and the narrow read agree wherever the name survives conversion.
void checkWideMatchesNarrow(const ProfileFile &file, const IniText &text,
                            const std::u16string &units)
{
    const QString name = text.isUtf16() ? IniText::wide(units) : decodeUtf8(IniText::narrow(units));
    const bool exact
        = text.isUtf16() ? name.isValidUtf16() : name.toUtf8() == IniText::narrow(units);
    if (!exact)
        return;
    QStringList wide = file.sectionLines(name);
    for (QString &line : wide)
        line = decodeUtf8(line.toUtf8()); // what the narrow read makes of it
    FUZZ_CHECK(wide == decoded(file.sectionLinesNarrow(name.toUtf8())));
}

// Every section read gives entry lines only, the same whether the file reads
// them from its bytes or from the document that edits build (twin holds the
// same bytes the other way); the first section, which no earlier one can
// shadow, gives exactly its own.
void checkReads(const ProfileFile &file, const ProfileFile &twin, const IniText &text)
{
    constexpr int MaxSections = 32;
    const QList<Line> &lines = text.lines();
    int sections = 0;
    for (auto header = lines.begin(); header != lines.end() && sections < MaxSections; ++header) {
        if (!header->isHeader())
            continue;
        const std::u16string name = IniText::headerName(header->text);
        const QStringList read = unitsOfSection(file, text, name);
        FUZZ_CHECK(std::all_of(read.begin(), read.end(), isEntryLine));
        FUZZ_CHECK(read == unitsOfSection(twin, text, name));
        if (sections++ == 0) {
            QStringList own;
            for (auto line = header + 1; line != lines.end() && !line->isHeader(); ++line) {
                if (line->isEntry())
                    own.append(IniText::wide(line->text));
            }
            FUZZ_CHECK(read == own);
        }
        checkWideMatchesNarrow(file, text, name);
    }
}

bool hasLineBreak(const ProfileOp &op)
{
    const QString text = op.wide(op.section) + op.wide(op.key) + op.wide(op.value);
    return text.contains(u'\r') || text.contains(u'\n');
}

int lineEnds(std::u16string_view units)
{
    return int(std::max(std::count(units.begin(), units.end(), u'\r'),
                        std::count(units.begin(), units.end(), u'\n')));
}

// Apart from one stretch, every unit stays where it was; that stretch loses
// at most one line and gains at most an ending for an unterminated last line
// and a new section of one entry. (Lines are not compared: removing a line
// may let a CR and a LF around it read back as one line end.)
void checkOtherUnitsKept(const IniText &before, const IniText &after)
{
    FUZZ_CHECK(before.mark() == after.mark() && before.trailer() == after.trailer());
    const std::u16string &old = before.units();
    const std::u16string &now = after.units();
    const auto head = std::size_t(
        std::mismatch(old.begin(), old.end(), now.begin(), now.end()).first - old.begin());
    std::size_t tail = 0;
    while (tail < old.size() - head && tail < now.size() - head
           && old[old.size() - 1 - tail] == now[now.size() - 1 - tail])
        ++tail;
    FUZZ_CHECK(lineEnds(std::u16string_view(old).substr(head, old.size() - head - tail)) <= 1);
    FUZZ_CHECK(lineEnds(std::u16string_view(now).substr(head, now.size() - head - tail)) <= 3);
}

QString matchKey(QStringView line)
{
    QStringView key = line.first(line.contains(u'=') ? line.indexOf(u'=') : line.size());
    while (key.startsWith(u' ') || key.startsWith(u'\t'))
        key = key.sliced(1);
    while (key.endsWith(u' ') || key.endsWith(u'\t'))
        key.chop(1);
    return key.toString().toUpper();
}

// A key that cannot be mistaken for another line's, written to the first
// section of its name, is the first of its name there and holds the value.
void checkReadsBack(const ProfileFile &file, const ProfileOp &op, bool utf16)
{
    const QString key = matchKey(op.wide(op.key));
    if (op.wide(op.key).contains(u'=') || op.wide(op.section).contains(u']') || key.startsWith(u';')
        || key.startsWith(u'[') || !key.isValidUtf16() || key.contains(QChar::ReplacementCharacter))
        return;
    const QStringList lines = op.kind == ProfileOp::WriteNarrow
        ? decoded(file.sectionLinesNarrow(op.section))
        : file.sectionLines(op.wide(op.section));
    const auto written = std::find_if(lines.begin(), lines.end(),
                                      [&](const QString &line) { return matchKey(line) == key; });
    FUZZ_CHECK(written != lines.end());
    const QString value = op.wide(op.value);
    FUZZ_CHECK(written->sliced(written->indexOf(u'=') + 1)
               == (utf16 ? value : decodeUtf8(value.toUtf8())));
}

void checkOp(ProfileFile &batch, const ProfileOp &op)
{
    const QByteArray before = batch.contents();
    op.applyTo(batch);
    const QByteArray after = batch.contents();

    const QString once = FuzzScratch::write(QStringLiteral("once.ini"), before);
    FUZZ_CHECK(op.applyOnce(once));
    FUZZ_CHECK(FuzzScratch::read(once) == after);

    if (hasLineBreak(op))
        return;
    const IniText text(after);
    checkOtherUnitsKept(IniText(before), text);
    if (op.kind != ProfileOp::Delete)
        checkReadsBack(batch, op, text.isUtf16());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const ProfileScript script(QByteArrayView(data, qsizetype(size)));
    const QString path = FuzzScratch::write(QStringLiteral("batch.ini"), script.file);
    ProfileFile batch(path);
    FUZZ_CHECK(batch.state() == ProfileFile::State::Loaded);
    FUZZ_CHECK(batch.contents() == script.file);
    ProfileFile edited(path);
    // No section has a line break in its name: this builds the document and
    // changes nothing.
    edited.deleteKey(QStringLiteral("\n"), {});
    FUZZ_CHECK(edited.contents() == script.file);
    checkReads(batch, edited, IniText(script.file));

    for (const ProfileOp &op : script.ops)
        checkOp(batch, op);
    FUZZ_CHECK(batch.save());
    FUZZ_CHECK(FuzzScratch::read(path) == batch.contents());
    checkReads(batch, ProfileFile(path), IniText(batch.contents()));
    return 0;
}
