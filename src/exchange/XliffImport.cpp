#include "XliffImport.h"

#include "LanguageTags.h"
#include "XliffNames.h"
#include "XliffReader.h"
#include "config/LanguageCatalogue.h"
#include "editor/TranslationChecks.h"

#include <QDir>
#include <QFile>
#include <QHash>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 MaxFileSize = 256 * 1024 * 1024;

// Rows by attribute, the first row of an attribute winning.
using RowIndex = QHash<QString, int>;

void addRow(RowIndex &index, const QString &attribute, int row)
{
    if (!index.contains(attribute))
        index.insert(attribute, row);
}

class Planner
{
public:
    explicit Planner(const ImportTarget &target);

    Result<ImportPlan> run(const XliffDocument &document);

private:
    int findRow(const XliffUnit &unit, const XliffFile &file) const;
    void plan(const XliffUnit &unit, const XliffFile &file, ImportUnit &planned);
    // Why value cannot be stored in the row, or empty.
    QString rejection(const EditorRow &row, const QString &value) const;
    QString languageOf(const QString &tag) const;

    const ImportTarget &m_target;
    RowIndex m_iniRows;
    std::vector<RowIndex> m_webRows; // by web file number
    RowIndex m_anyRow;
    QHash<EntryOrdinal, int> m_firstLine; // rows already given: the line of their unit
};

Planner::Planner(const ImportTarget &target)
    : m_target(target)
    , m_webRows(size_t(target.layout.webFiles.size()))
{
    for (int row = 0; row < target.rows.size(); ++row) {
        const EditorRow &editorRow = target.rows[row];
        const int file = target.layout.fileOf(editorRow.ordinal);
        addRow(file < 0 ? m_iniRows : m_webRows[size_t(file)], editorRow.attribute, row);
        addRow(m_anyRow, editorRow.attribute, row);
    }
}

int Planner::findRow(const XliffUnit &unit, const XliffFile &file) const
{
    QString original = file.original;
    if (original.startsWith(u"./"_s))
        original.remove(0, 2);
    const qsizetype webFile = m_target.layout.webFiles.indexOf(original);
    const RowIndex &scope = webFile >= 0 ? m_webRows[size_t(webFile)] : m_iniRows;
    for (const RowIndex *index : { &scope, &m_anyRow }) {
        for (const QString *name : { &unit.id, &unit.resname }) {
            if (!name->isEmpty()) {
                if (const auto found = index->constFind(*name); found != index->cend())
                    return *found;
            }
        }
    }
    return -1;
}

QString Planner::rejection(const EditorRow &row, const QString &value) const
{
    if (value.size() > MaxImportedLength) {
        return u"the target is %1 characters long, more than the %2 that Lexivo takes"_s.arg(
            QString::number(value.size()), QString::number(MaxImportedLength));
    }
    // A web file is XML and keeps a line break; a language file holds one
    // line per entry.
    const bool web = isWebOrdinal(row.ordinal);
    for (const QChar c : value) {
        if ((c == u'\n' || c == u'\r') && !web)
            return u"the target holds a line break, which a language file cannot hold"_s;
        if (c.category() == QChar::Other_Control && c != u'\t' && c != u'\n' && c != u'\r') {
            return u"the target holds the control character U+%1"_s.arg(
                QString::number(c.unicode(), 16).toUpper().rightJustified(4, u'0'));
        }
    }
    return {};
}

void Planner::plan(const XliffUnit &unit, const XliffFile &file, ImportUnit &planned)
{
    planned.file = file.original;
    planned.id = unit.id;
    planned.line = unit.line;
    const int row = findRow(unit, file);
    if (row < 0) {
        planned.outcome = ImportOutcome::UnknownId;
        planned.reason = unit.id.isEmpty() && unit.resname.isEmpty()
            ? u"the unit has no id"_s
            : u"no entry of the reference has this id"_s;
        return;
    }
    const EditorRow &editorRow = m_target.rows[row];
    planned.ordinal = editorRow.ordinal;
    planned.attribute = editorRow.attribute;
    planned.previous = editorRow.value;
    if (const auto first = m_firstLine.constFind(editorRow.ordinal); first != m_firstLine.cend()) {
        planned.outcome = ImportOutcome::Duplicate;
        planned.reason = u"the unit at line %1 gives this entry already; that one counts"_s.arg(
            QString::number(*first));
        return;
    }
    m_firstLine.insert(editorRow.ordinal, unit.line);

    if (!unit.hasTarget) {
        planned.outcome = ImportOutcome::Untranslated;
        planned.reason = u"the unit has no target"_s;
        return;
    }
    planned.value = unit.target;
    // A tool leaves a unit that nobody translated blank or marked so; that
    // never empties a value, and a blank one is reported as still to be
    // translated even where the value is blank as well.
    if (isBlank(editorRow.attribute, unit.target)) {
        planned.outcome = ImportOutcome::Untranslated;
        planned.reason = u"the target is blank"_s;
        return;
    }
    if (unit.target == editorRow.value) {
        planned.outcome = ImportOutcome::Unchanged;
        return;
    }
    if (unit.state == Xliff::NeedsTranslation) {
        planned.outcome = ImportOutcome::Untranslated;
        planned.reason = u"the file marks the target as needing translation"_s;
        return;
    }
    planned.reason = rejection(editorRow, unit.target);
    planned.outcome = planned.reason.isEmpty() ? ImportOutcome::Imported : ImportOutcome::Rejected;
}

QString Planner::languageOf(const QString &tag) const
{
    const int row = m_target.catalogue ? rowOfTag(*m_target.catalogue, tag) : -1;
    return row < 0 ? tag : u"%1 (%2)"_s.arg(m_target.catalogue->NameAt(row), tag);
}

Result<ImportPlan> Planner::run(const XliffDocument &document)
{
    if (std::none_of(document.units.cbegin(), document.units.cend(),
                     [](const XliffUnit &unit) { return unit.hasTarget; })) {
        return ResultError(document.units.empty()
                               ? u"The file holds no translation units."_s
                               : u"The file holds no translations: none of its %1 units has a"
                                 " target."_s.arg(document.units.size()));
    }
    ImportPlan plan;
    for (const XliffFile &file : document.files) {
        if (file.targetLanguage.isEmpty())
            continue;
        if (plan.targetLanguage.isEmpty())
            plan.targetLanguage = file.targetLanguage;
        if (plan.wrongLanguage.isEmpty()
            && !tagMatchesCode(file.targetLanguage, m_target.languageCode)) {
            plan.wrongLanguage = u"The file is a translation into %1, not into %2."_s.arg(
                languageOf(file.targetLanguage),
                u"%1 (%2)"_s.arg(m_target.languageName, languageTag(m_target.languageCode)));
        }
    }
    plan.units.resize(document.units.size());
    for (size_t i = 0; i < document.units.size(); ++i) {
        const XliffUnit &unit = document.units[i];
        this->plan(unit, document.files[size_t(unit.file)], plan.units[i]);
    }
    return plan;
}

} // namespace

int ImportPlan::count(ImportOutcome outcome) const
{
    return int(std::count_if(units.cbegin(), units.cend(), [outcome](const ImportUnit &unit) {
        return unit.outcome == outcome;
    }));
}

std::vector<std::pair<EntryOrdinal, QString>> ImportPlan::changes() const
{
    std::vector<std::pair<EntryOrdinal, QString>> values;
    for (const ImportUnit &unit : units) {
        if (unit.outcome == ImportOutcome::Imported)
            values.emplace_back(unit.ordinal, unit.value);
    }
    return values;
}

Result<ImportPlan> planImport(const QByteArray &xliff, const ImportTarget &target)
{
    const Result<XliffDocument> document = readXliff(xliff);
    if (!document)
        return ResultError(document.error());
    return Planner(target).run(*document);
}

Result<ImportPlan> planImportFile(const QString &path, const ImportTarget &target)
{
    const QString name = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ResultError(u"\"%1\" could not be read: %2."_s.arg(name, file.errorString()));
    if (file.size() > MaxFileSize)
        return ResultError(u"\"%1\" is too large for a translation file (%2 MB)."_s.arg(
            name, QString::number(file.size() / (1024 * 1024))));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return ResultError(u"\"%1\" could not be read: %2."_s.arg(name, file.errorString()));
    return planImport(bytes, target);
}
