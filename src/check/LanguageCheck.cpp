#include "LanguageCheck.h"

#include "CheckedInstallation.h"
#include "CheckedRow.h"
#include "Consistency.h"
#include "FindingMessages.h"
#include "IniKeyLines.h"
#include "ReferenceTexts.h"
#include "WebLanguageRead.h"
#include "editor/TranslationChecks.h"
#include "platform/ProfileCodec.h"

#include <QFileInfo>
#include <QHash>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

class LanguageCheck
{
public:
    explicit LanguageCheck(const LanguageCheckInput &input)
        : m_input(input)
        , m_installation(input.installation)
        , m_name(m_installation.catalogue().NameAt(input.language))
    {
    }

    LanguageCheckResult run();

private:
    // Where a finding is listed: by file, then line, then kind.
    struct Placed
    {
        int fileOrder;
        Finding finding;
    };

    void add(const QString &file, int fileOrder, int line, const QString &attribute,
             FindingKind kind, const QString &message)
    {
        m_findings.push_back({ fileOrder, { m_name, file, line, attribute, kind, message } });
    }
    void add(const CheckedRow &row, FindingKind kind, const QString &message)
    {
        add(row.file, row.fileOrder, row.line, row.attribute, kind, message);
    }

    void readIniRows();
    void readWebRows();
    void checkRows();
    void checkConsistency();

    const LanguageCheckInput &m_input;
    const CheckedInstallation &m_installation;
    const QString m_name;
    std::vector<CheckedRow> m_rows;
    std::vector<Placed> m_findings;
    LanguageSummary m_summary;
};

void LanguageCheck::readIniRows()
{
    const LanguageStore &store = m_installation.languageStore();
    const AttributeMap &keys = store.ReferenceKeyTable();
    const QString fileName = m_installation.languageFileName(m_name);
    const QString path = m_installation.folder() + u'/' + fileName;

    // A file that does not exist is one start-up creates, which the index
    // findings tell; its entries are all missing.
    const QFileInfo info(path);
    std::optional<QByteArray> bytes;
    LanguageFile loaded;
    if (!info.exists()) {
        m_summary.problem = u"the language file is missing"_s;
    } else {
        bytes = readPlainFile(path);
        if (!bytes || !store.LoadLanguage(m_name, loaded.values, loaded.extraKeys)) {
            bytes.reset();
            m_summary.problem = u"the language file cannot be read"_s;
            add(fileName, 0, 1, {}, FindingKind::Missing,
                m_summary.problem + u"; its %1 entries read as empty"_s.arg(keys.size()));
        }
    }

    QHash<QString, int> lineOfKey; // upper case -> the line the load took
    QHash<QString, int> skippedLineOfKey; // upper case -> a line the load passed over
    int sectionHeader = 1;
    if (bytes) {
        // Only UTF-8 loads pass over lines that are not UTF-8.
        const bool strict = store.utf8Mode()
            && ProfileCodec::detect(*bytes).encoding() == ProfileCodec::Encoding::Utf8;
        sectionHeader = std::max(1, sectionLine(*bytes, LanguageStore::TextSection));
        for (const IniKeyLine &line : readKeyLines(*bytes, LanguageStore::TextSection)) {
            const QString upper = line.key.toUpper();
            if (strict && !line.validUtf8) {
                if (!skippedLineOfKey.contains(upper))
                    skippedLineOfKey.insert(upper, line.line);
            } else if (const auto first = lineOfKey.constFind(upper); first != lineOfKey.cend()) {
                add(fileName, 0, line.line, line.key, FindingKind::Extra,
                    u"the key is set again; only line %1 is read"_s.arg(*first));
            } else {
                lineOfKey.insert(upper, line.line);
            }
        }
        for (const QString &key : loaded.extraKeys) {
            add(fileName, 0, lineOfKey.value(key.toUpper(), 1), key, FindingKind::Extra,
                u"the reference has no such attribute; Save removes this line"_s);
        }
    }

    for (const auto &[ordinal, key] : keys) {
        CheckedRow row { ordinal, key, {}, false, fileName, sectionHeader, 0 };
        if (const auto value = loaded.values.find(ordinal); value != loaded.values.end()) {
            row.value = value->second;
            row.present = true;
            row.line = lineOfKey.value(key, 1);
        } else if (bytes) {
            QString why = u"the file has no line for this attribute"_s;
            if (const auto line = lineOfKey.constFind(key); line != lineOfKey.cend()) {
                row.line = *line;
                why = u"the reference file lists this attribute again; this line fills only"
                      " the first"_s;
            } else if (const auto skipped = skippedLineOfKey.constFind(key);
                       skipped != skippedLineOfKey.cend()) {
                row.line = *skipped;
                why = u"the line is not valid UTF-8, so the value reads as empty"_s;
            }
            add(row, FindingKind::Missing, why);
        }
        m_rows.push_back(std::move(row));
    }
}

void LanguageCheck::readWebRows()
{
    const WebLanguageStore &web = m_installation.webStore();
    const QString keyName = m_installation.catalogue().KeyAt(m_input.language);
    const WebLanguageRead read = readWebLanguage(web, keyName);

    std::vector<int> itemsOfFile(web.fileList().size());
    for (const auto &entry : web.webItems())
        ++itemsOfFile[entry.second.fileNumber];
    QStringList fileNames;
    for (int file = 0; file < web.fileList().size(); ++file)
        fileNames.append(webFileName(web, keyName, file));

    // A missing folder is one start-up creates, which the index findings tell.
    for (size_t file = 0; file < read.files.size(); ++file) {
        const WebFileRead &state = read.files[file];
        if (itemsOfFile[file] == 0 || state.state == WebFileRead::State::Read)
            continue;
        const QString why = state.state == WebFileRead::State::Missing
            ? u"the web file is missing"_s
            : u"the web file cannot be read: "_s + state.problem;
        add(fileNames.at(file), 1 + int(file), state.line, {}, FindingKind::Web,
            why + u"; its %1 items read as empty"_s.arg(itemsOfFile[file]));
    }

    size_t position = 0;
    for (const auto &[ordinal, item] : web.webItems()) {
        const WebItemRead &found = read.items[position++];
        const bool fileRead
            = read.folderExists && read.files[item.fileNumber].state == WebFileRead::State::Read;
        CheckedRow row { ordinal,
                         QString::fromUtf8(item.id),
                         found.value,
                         found.found,
                         fileNames.at(item.fileNumber),
                         found.found ? found.line
                                     : (fileRead ? read.files[item.fileNumber].line : 1),
                         1 + item.fileNumber };
        if (!found.found && fileRead)
            add(row, FindingKind::Web, u"the file has no item with this id; it reads as empty"_s);
        m_rows.push_back(std::move(row));
    }
}

void LanguageCheck::checkRows()
{
    const LengthLimits &limits = m_installation.limits();
    const TextMeasurer &measurer = m_input.measurer;
    const ReferenceTexts &reference = m_input.referenceTexts;
    for (size_t i = 0; i < m_rows.size(); ++i) {
        const CheckedRow &row = m_rows[i];
        const EditorRow editorRow { row.ordinal, row.attribute, row.value, reference.texts[i], {} };
        const SymbolCounts valueSymbols = formatSymbols(row.ordinal, row.value);
        if (const std::optional<EntryStatus> failure
            = failedCheck(editorRow, valueSymbols, reference.symbols[i], limits, measurer)) {
            if (*failure == EntryStatus::Error) {
                ++m_summary.error;
                add(row, FindingKind::Error,
                    FindingMessages::formatSymbols(valueSymbols, reference.symbols[i],
                                                   reference.texts[i]));
            } else {
                ++m_summary.tooLong;
                add(row, FindingKind::TooLong,
                    FindingMessages::tooLong(row.value, limits.at(row.attribute), measurer));
            }
        }
        if (!row.present) {
            ++m_summary.missing;
        } else if (isBlank(row.attribute, row.value)) {
            ++m_summary.blank;
            add(row, FindingKind::Blank, u"the value is blank"_s);
        }
    }
}

void LanguageCheck::checkConsistency()
{
    using FindingMessages::quoted;
    const std::vector<QString> &referenceTexts = m_input.referenceTexts.texts;
    for (const Inconsistency &found : findInconsistencies(m_rows, referenceTexts)) {
        const CheckedRow &row = m_rows[found.row];
        const CheckedRow &other = m_rows[found.other];
        ++m_summary.inconsistent;
        add(row, FindingKind::Inconsistent,
            u"the reference %1 is translated %2 here but %3 at %4 (%5:%6)"_s.arg(
                quoted(referenceTexts[found.row]), quoted(row.value), quoted(other.value),
                other.attribute, other.file, QString::number(other.line)));
    }
}

LanguageCheckResult LanguageCheck::run()
{
    readIniRows();
    if (m_installation.webLanguages())
        readWebRows();
    Q_ASSERT(m_rows.size() == m_input.referenceTexts.texts.size());
    checkRows();
    checkConsistency();

    const LanguageCatalogue &catalogue = m_installation.catalogue();
    m_summary.name = m_name;
    m_summary.file = m_installation.languageFileName(m_name);
    m_summary.reference = catalogue.NameAt(m_input.reference);
    m_summary.entries = int(m_rows.size());
    m_summary.translated = m_summary.entries - m_summary.blank - m_summary.missing;
    m_summary.extra
        = int(std::count_if(m_findings.cbegin(), m_findings.cend(),
                            [](const Placed &p) { return p.finding.kind == FindingKind::Extra; }));

    std::stable_sort(m_findings.begin(), m_findings.end(), [](const Placed &a, const Placed &b) {
        if (a.fileOrder != b.fileOrder)
            return a.fileOrder < b.fileOrder;
        if (a.finding.line != b.finding.line)
            return a.finding.line < b.finding.line;
        return a.finding.kind < b.finding.kind;
    });
    LanguageCheckResult result { std::move(m_summary), {} };
    result.findings.reserve(m_findings.size());
    for (Placed &placed : m_findings)
        result.findings.push_back(std::move(placed.finding));
    return result;
}

} // namespace

LanguageCheckResult checkLanguage(const LanguageCheckInput &input)
{
    return LanguageCheck(input).run();
}
