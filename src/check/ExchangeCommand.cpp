#include "ExchangeCommand.h"

#include "CheckCommand.h"
#include "CheckedInstallation.h"
#include "CommandLine.h"
#include "FindingMessages.h"
#include "editor/ReferenceChoice.h"
#include "editor/TextMeasurer.h"
#include "editor/TranslationChecks.h"
#include "exchange/XliffExport.h"
#include "exchange/XliffImport.h"

#include <QCommandLineParser>
#include <QDir>
#include <QIODevice>

using namespace Qt::StringLiterals;
using CommandLine::say;

namespace {

const QString ExportName = u"export-xliff"_s;
const QString ImportName = u"import-report"_s;

// The installation and the two languages a command works on.
struct Opened
{
    std::unique_ptr<CheckedInstallation> installation;
    int language = -1;
    int reference = -1;

    const WebLanguageStore *webStore() const
    {
        return installation->webLanguages() ? &installation->webStore() : nullptr;
    }
};

class ExchangeCommand
{
public:
    ExchangeCommand(const QStringList &arguments, QIODevice &out, QIODevice &err,
                    const MeasurerFactory &measurer)
        : m_name(arguments.value(1))
        , m_out(out)
        , m_err(err)
        , m_measurer(measurer)
        // The command's name goes, so that the parser sees its options alone.
        , m_arguments(QStringList { arguments.value(0) } + arguments.mid(2))
    {
    }

    int run();

private:
    bool isExport() const { return m_name == ExportName; }
    int usageError(const QString &error) const
    {
        return CommandLine::usageError(m_err, error, u"lexivo-check "_s + m_name);
    }
    int failure(const QString &error) const
    {
        say(m_err, u"lexivo-check: "_s + error);
        return CheckExit::NotChecked;
    }
    // Nullopt after telling why on err.
    std::optional<Opened> open(const QString &installation, const QString &toolFolder) const;
    int exportXliff(const Opened &opened) const;
    int reportImport(const Opened &opened, const QString &file) const;

    const QString m_name;
    QIODevice &m_out;
    QIODevice &m_err;
    const MeasurerFactory &m_measurer;
    const QStringList m_arguments;
    QCommandLineParser m_parser;
    const QCommandLineOption m_language { u"language"_s, u"The language (its display name)."_s,
                                          u"name"_s };
    const QCommandLineOption m_reference {
        u"reference"_s, u"Translate from this language instead of the editor's choice."_s, u"name"_s
    };
    const QCommandLineOption m_onlyOpen {
        u"only-open"_s, u"Export only blank entries and those that fail a check."_s
    };
    const QCommandLineOption m_output {
        { u"o"_s, u"output"_s },
        u"Write the XLIFF file to file instead of the standard output."_s,
        u"file"_s
    };
    const QCommandLineOption m_toolFiles = CommandLine::toolFilesOption();
};

int ExchangeCommand::run()
{
    m_parser.addHelpOption();
    m_parser.addOptions({ m_language, m_reference, m_toolFiles });
    if (isExport()) {
        m_parser.setApplicationDescription(
            u"Writes a language of a client installation as an XLIFF 1.2 file for translation"
            " tools, and writes nothing else.\n"
            "Exit status: 0 when the file was written, 2 for a usage error, an installation that"
            " cannot be read or a file that cannot be written."_s);
        m_parser.addOptions({ m_onlyOpen, m_output });
    } else {
        m_parser.setApplicationDescription(
            u"Tells what importing a translated XLIFF file into a language would do, and writes"
            " nothing.\n"
            "Exit status: 0 when every unit imports cleanly, 1 when a unit would not be imported"
            " or its value fails a check, or the file is for another language, 2 for a usage"
            " error or a file or installation that cannot be read."_s);
        m_parser.addPositionalArgument(u"file"_s, u"The XLIFF file."_s);
    }
    m_parser.addPositionalArgument(u"installation"_s,
                                   u"The client's folder (default: the current folder)."_s,
                                   u"[installation]"_s);
    if (!m_parser.parse(m_arguments))
        return usageError(m_parser.errorText());
    if (m_parser.isSet(u"help"_s)) {
        m_out.write(m_parser.helpText().replace(u"[options]"_s, m_name + u" [options]"_s).toUtf8());
        return CheckExit::Passed;
    }
    QStringList positional = m_parser.positionalArguments();
    QString file;
    if (!isExport()) {
        if (positional.isEmpty())
            return usageError(u"Name the XLIFF file to report on."_s);
        file = positional.takeFirst();
    }
    if (positional.size() > 1)
        return usageError(u"Only one installation folder can be named."_s);
    if (!m_parser.isSet(m_language))
        return usageError(u"Name the language with --language."_s);
    if (m_parser.values(m_language).size() > 1)
        return usageError(u"Name one language only."_s);
    QString error;
    const std::optional<QString> toolFolder
        = CommandLine::toolFolder(m_parser, m_toolFiles, &error);
    if (!toolFolder)
        return usageError(error);

    const std::optional<Opened> opened
        = open(positional.value(0, QDir::currentPath()), *toolFolder);
    if (!opened)
        return CheckExit::NotChecked;
    return isExport() ? exportXliff(*opened) : reportImport(*opened, file);
}

std::optional<Opened> ExchangeCommand::open(const QString &installation,
                                            const QString &toolFolder) const
{
    Opened opened;
    QString error;
    opened.installation = CheckedInstallation::open(installation, toolFolder, &error);
    if (!opened.installation) {
        std::ignore = failure(error);
        return std::nullopt;
    }
    const CheckedInstallation &checked = *opened.installation;
    const QString language = m_parser.value(m_language);
    opened.language = checked.presentLanguage(language);
    if (opened.language < 0) {
        std::ignore = failure(u"\"%1\" is not a language of this installation."_s.arg(language));
        return std::nullopt;
    }
    if (m_parser.isSet(m_reference)) {
        const QString reference = m_parser.value(m_reference);
        opened.reference = checked.presentLanguage(reference);
        if (opened.reference < 0 || opened.reference == opened.language) {
            std::ignore = failure(
                u"The reference \"%1\" is not another language of this installation."_s.arg(
                    reference));
            return std::nullopt;
        }
    } else {
        opened.reference = defaultReferenceLanguage(checked.catalogue(), checked.presentLanguages(),
                                                    opened.language);
        if (opened.reference < 0) {
            std::ignore = failure(u"The installation has no other language to translate from."_s);
            return std::nullopt;
        }
    }
    return opened;
}

int ExchangeCommand::exportXliff(const Opened &opened) const
{
    const CheckedInstallation &installation = *opened.installation;
    const LanguageCatalogue &catalogue = installation.catalogue();
    const XliffExportInput input
        = XliffExportInput::read(installation.languageStore(), opened.webStore(), catalogue,
                                 opened.language, opened.reference, installation.limits());
    const bool onlyOpen = m_parser.isSet(m_onlyOpen);
    const std::unique_ptr<TextMeasurer> measurer = onlyOpen ? m_measurer() : nullptr;
    const ExportChoice choice = onlyOpen ? ExportChoice::OpenEntries : ExportChoice::AllEntries;

    XliffExport exported;
    if (m_parser.isSet(m_output)) {
        Result<XliffExport> written
            = writeXliff(m_parser.value(m_output), input, choice, measurer.get());
        if (!written)
            return failure(written.error());
        exported = std::move(written).value();
    } else {
        exported = ::exportXliff(input, choice, measurer.get());
        m_out.write(exported.bytes);
    }
    for (const QString &leftOut : exported.leftOut)
        say(m_err, u"lexivo-check: warning: left out "_s + leftOut);
    return CheckExit::Passed;
}

int ExchangeCommand::reportImport(const Opened &opened, const QString &file) const
{
    const CheckedInstallation &installation = *opened.installation;
    const LanguageCatalogue &catalogue = installation.catalogue();
    const QString name = catalogue.NameAt(opened.language);
    const ImportTarget target { catalogue.CodeAt(opened.language), name,
                                ExchangeLayout::of(name, opened.webStore()),
                                readLanguageRows(installation.languageStore(), opened.webStore(),
                                                 catalogue, opened.language, opened.reference),
                                &catalogue };
    const Result<ImportPlan> plan = planImportFile(file, target);
    if (!plan)
        return failure(plan.error());

    const std::unique_ptr<TextMeasurer> measurer = m_measurer();
    const LengthLimits &limits = installation.limits();
    QHash<EntryOrdinal, QString> referenceOf;
    for (const EditorRow &row : target.rows)
        referenceOf.insert(row.ordinal, row.reference);
    const auto line = [&](int at, const QString &kind, const QString &text) {
        say(m_out, u"%1:%2: %3: %4"_s.arg(file, QString::number(at), kind, text));
    };

    bool clean = plan->wrongLanguage.isEmpty();
    if (!clean)
        say(m_out, u"%1: warning: %2"_s.arg(file, plan->wrongLanguage));
    int failing = 0;
    for (const ImportUnit &unit : plan->units) {
        using FindingMessages::quoted;
        switch (unit.outcome) {
        case ImportOutcome::Imported: {
            const EditorRow row {
                unit.ordinal, unit.attribute, unit.value, referenceOf.value(unit.ordinal), {}
            };
            const std::optional<EntryStatus> failure = failedCheck(row, limits, *measurer);
            if (!failure) {
                line(unit.line, u"imported"_s,
                     u"%1: %2 becomes %3"_s.arg(unit.attribute, quoted(unit.previous),
                                                quoted(unit.value)));
                break;
            }
            ++failing;
            clean = false;
            const QString why = *failure == EntryStatus::Error
                ? FindingMessages::formatSymbols(formatSymbols(row.ordinal, row.value),
                                                 formatSymbols(row.ordinal, row.reference),
                                                 row.reference)
                : FindingMessages::tooLong(row.value, limits.at(row.attribute), *measurer);
            line(unit.line, u"error"_s,
                 u"%1: %2 would be %3"_s.arg(unit.attribute, quoted(unit.value), why));
            break;
        }
        case ImportOutcome::Unchanged:
            break;
        case ImportOutcome::Untranslated:
            line(unit.line, u"untranslated"_s, unit.attribute + u": "_s + unit.reason);
            break;
        case ImportOutcome::UnknownId:
            clean = false;
            line(unit.line, u"unknown-id"_s, quoted(unit.id) + u": "_s + unit.reason);
            break;
        case ImportOutcome::Duplicate:
            clean = false;
            line(unit.line, u"duplicate"_s, unit.attribute + u": "_s + unit.reason);
            break;
        case ImportOutcome::Rejected:
            clean = false;
            line(unit.line, u"rejected"_s, unit.attribute + u": "_s + unit.reason);
            break;
        }
    }
    say(m_out,
        u"%1 units: %2 imported (%3 of them failing a check), %4 unchanged,"
        " %5 untranslated, %6 unknown ids, %7 duplicates, %8 rejected"_s.arg(
            QString::number(plan->units.size()),
            QString::number(plan->count(ImportOutcome::Imported)), QString::number(failing),
            QString::number(plan->count(ImportOutcome::Unchanged)),
            QString::number(plan->count(ImportOutcome::Untranslated)),
            QString::number(plan->count(ImportOutcome::UnknownId)),
            QString::number(plan->count(ImportOutcome::Duplicate)),
            QString::number(plan->count(ImportOutcome::Rejected))));
    return clean ? CheckExit::Passed : CheckExit::Failed;
}

} // namespace

bool isExchangeCommand(const QStringList &arguments)
{
    return arguments.size() > 1 && (arguments[1] == ExportName || arguments[1] == ImportName);
}

int runExchangeCommand(const QStringList &arguments, QIODevice &out, QIODevice &err,
                       const MeasurerFactory &measurer)
{
    return ExchangeCommand(arguments, out, err, measurer).run();
}

QString exchangeCommandsHelp()
{
    return u"Exchange with translation tools (\"lexivo-check <command> --help\" for more):\n"
           "  export-xliff --language <name> [--only-open] [--output <file>] [installation]\n"
           "      writes the language as an XLIFF 1.2 file.\n"
           "  import-report --language <name> <file> [installation]\n"
           "      tells what importing a translated XLIFF file would do."_s;
}
