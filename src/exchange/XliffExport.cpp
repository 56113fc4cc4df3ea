#include "XliffExport.h"

#include "LanguageTags.h"
#include "XliffNames.h"
#include "XmlMarkup.h"
#include "config/LanguageCatalogue.h"
#include "editor/FormatSymbols.h"
#include "editor/TranslationChecks.h"
#include "platform/SafeFileWriter.h"

#include <map>
#include <set>

using namespace Qt::StringLiterals;

namespace {

// A run of text that is one symbol, or symbols overlapping.
struct Code
{
    qsizetype start;
    qsizetype end;
};

QList<Code> codesOf(EntryOrdinal ordinal, QStringView text)
{
    QList<Code> codes;
    for (const SymbolSpan &span : symbolSpans(ordinal, text)) {
        qsizetype end = span.start + span.length;
        // "%" before a character beyond the BMP takes half of it: a <ph>
        // takes all of it, since half a character cannot be written.
        if (end < text.size() && text[end].isLowSurrogate() && text[end - 1].isHighSurrogate())
            ++end;
        if (!codes.isEmpty() && span.start < codes.last().end)
            codes.last().end = std::max(codes.last().end, end);
        else
            codes.append({ span.start, end });
    }
    return codes;
}

class Writer
{
public:
    Writer(const XliffExportInput &input, ExportChoice choice, const TextMeasurer *measurer)
        : m_input(input)
        , m_choice(choice)
        , m_measurer(measurer)
    {
    }

    XliffExport run();

private:
    bool chosen(const EditorRow &row) const;
    void writeFile(const QString &original, const QList<const EditorRow *> &rows);
    void writeUnit(const EditorRow &row);
    // Text with its codes as <ph>; ids names the codes of the source, by
    // text, and a target's code takes the first one of its text not yet taken.
    void writeInline(EntryOrdinal ordinal, const QString &text, QStringList &ids, bool source);

    const XliffExportInput &m_input;
    const ExportChoice m_choice;
    const TextMeasurer *m_measurer;
    XmlMarkup m_xml;
    XliffExport m_export;
};

bool Writer::chosen(const EditorRow &row) const
{
    if (m_choice == ExportChoice::AllEntries || isBlank(row.attribute, row.value))
        return true;
    Q_ASSERT(m_measurer);
    return failedCheck(row, m_input.limits, *m_measurer).has_value();
}

XliffExport Writer::run()
{
    // Units by <file>: the INI file first, then the web files in order.
    std::map<int, QList<const EditorRow *>> rowsOfFile { { -1, {} } };
    // Ids are unique in a <file>: of two entries with one attribute (a
    // reference key written twice) the first is the one the editor fills.
    std::set<std::pair<int, QString>> attributes;
    for (const EditorRow &row : m_input.rows) {
        const int file = m_input.layout.fileOf(row.ordinal);
        if (row.attribute.isEmpty() || !attributes.emplace(file, row.attribute).second
            || !chosen(row))
            continue;
        if (!XmlMarkup::canCarry(row.value) || !XmlMarkup::canCarry(row.reference)) {
            m_export.leftOut.append(
                u"%1: the value or its reference holds a character that an XLIFF file cannot"
                " hold (a control character or an unpaired surrogate)"_s.arg(row.attribute));
            continue;
        }
        rowsOfFile[file].append(&row);
    }

    m_xml.declaration();
    m_xml.indent(0);
    m_xml.start(Xliff::Root, { { u"version", Xliff::Version }, { u"xmlns", Xliff::Namespace } });
    for (const auto &[file, rows] : rowsOfFile) {
        // The INI file is always there: a document needs one <file>.
        if (file < 0)
            writeFile(m_input.layout.iniFile, rows);
        else if (!rows.isEmpty())
            writeFile(m_input.layout.webFiles.value(file), rows);
    }
    m_xml.indent(0);
    m_xml.end(Xliff::Root);
    m_export.bytes = m_xml.bytes();
    return std::move(m_export);
}

void Writer::writeFile(const QString &original, const QList<const EditorRow *> &rows)
{
    const QString source = languageTag(m_input.sourceCode);
    const QString target = languageTag(m_input.targetCode);
    m_xml.indent(1);
    m_xml.start(u"file",
                { { u"original", original },
                  { u"source-language", source },
                  { u"target-language", target },
                  { u"datatype", u"plaintext" } });
    m_xml.indent(2);
    m_xml.start(u"body", {}, rows.isEmpty());
    for (const EditorRow *row : rows)
        writeUnit(*row);
    if (!rows.isEmpty()) {
        m_xml.indent(2);
        m_xml.end(u"body");
    }
    m_xml.indent(1);
    m_xml.end(u"file");
}

void Writer::writeUnit(const EditorRow &row)
{
    ++m_export.units;
    m_xml.indent(3);
    m_xml.start(
        u"trans-unit",
        { { u"id", row.attribute }, { u"resname", row.attribute }, { u"xml:space", u"preserve" } });
    QStringList ids;
    m_xml.indent(4);
    m_xml.start(u"source");
    writeInline(row.ordinal, row.reference, ids, true);
    m_xml.end(u"source");

    m_xml.indent(4);
    const bool blank = isBlank(row.attribute, row.value);
    const QStringView state = blank ? Xliff::NeedsTranslation : Xliff::Translated;
    m_xml.start(u"target", { { u"state", state } }, row.value.isEmpty());
    if (!row.value.isEmpty()) {
        writeInline(row.ordinal, row.value, ids, false);
        m_xml.end(u"target");
    }

    if (const auto sample = m_input.limits.find(row.attribute); sample != m_input.limits.end()) {
        m_xml.indent(4);
        m_xml.start(u"note");
        m_xml.text(u"Length limit: the translation must not be wider than the sample text \"%1\""
                   " as the client draws it."_s.arg(sample->second));
        m_xml.end(u"note");
    }
    m_xml.indent(3);
    m_xml.end(u"trans-unit");
}

void Writer::writeInline(EntryOrdinal ordinal, const QString &text, QStringList &ids, bool source)
{
    const QStringView ctype = isWebOrdinal(ordinal) ? u"x-placeholder" : u"x-printf";
    QList<bool> taken(ids.size(), false);
    qsizetype written = 0;
    for (const Code &code : codesOf(ordinal, text)) {
        m_xml.text(QStringView(text).sliced(written, code.start - written));
        const QString symbol = text.sliced(code.start, code.end - code.start);
        qsizetype id = -1;
        if (!source) {
            for (qsizetype i = 0; i < ids.size() && id < 0; ++i) {
                if (!taken[i] && ids[i] == symbol)
                    id = i;
            }
        }
        if (id < 0) {
            id = ids.size();
            ids.append(symbol);
            taken.append(false);
        }
        taken[id] = true;
        const QString number = QString::number(id + 1);
        m_xml.start(u"ph", { { u"id", number }, { u"ctype", ctype } });
        m_xml.text(symbol);
        m_xml.end(u"ph");
        written = code.end;
    }
    m_xml.text(QStringView(text).sliced(written));
}

} // namespace

XliffExportInput XliffExportInput::read(const LanguageStore &store,
                                        const WebLanguageStore *webStore,
                                        const LanguageCatalogue &catalogue, int language,
                                        int reference, LengthLimits limits)
{
    return { catalogue.CodeAt(reference), catalogue.CodeAt(language),
             ExchangeLayout::of(catalogue.NameAt(language), webStore),
             readLanguageRows(store, webStore, catalogue, language, reference), std::move(limits) };
}

XliffExport exportXliff(const XliffExportInput &input, ExportChoice choice,
                        const TextMeasurer *measurer)
{
    return Writer(input, choice, measurer).run();
}

Result<XliffExport> writeXliff(const QString &path, const XliffExportInput &input,
                               ExportChoice choice, const TextMeasurer *measurer)
{
    XliffExport exported = exportXliff(input, choice, measurer);
    if (Result<> written = writeFileSafely(path, exported.bytes); !written)
        return ResultError(written.error());
    return exported;
}
