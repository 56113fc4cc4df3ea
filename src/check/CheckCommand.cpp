#include "CheckCommand.h"

#include "CheckEngine.h"
#include "CommandLine.h"
#include "ExchangeCommand.h"
#include "Reports.h"
#include "platform/SafeFileWriter.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QIODevice>

using namespace Qt::StringLiterals;

namespace {

enum class Format { Text, Json, Junit };

struct Command
{
    CheckOptions options;
    Format format = Format::Text;
    FailLevel failLevel = FailLevel::Error;
    QString output;
};

using CommandLine::say;

// The options, or a usage error for err.
std::optional<Command> parse(QCommandLineParser &parser, const QStringList &arguments,
                             QString *error)
{
    const QCommandLineOption format(u"format"_s, u"Report as text (default), json or junit."_s,
                                    u"format"_s, u"text"_s);
    const QCommandLineOption output({ u"o"_s, u"output"_s },
                                    u"Write the report to file instead of the standard output."_s,
                                    u"file"_s);
    const QCommandLineOption language(u"language"_s,
                                      u"Check only this language (its display name); repeat for"
                                      " more. Default: every language of the installation."_s,
                                      u"name"_s);
    const QCommandLineOption reference(
        u"reference"_s, u"Check against this language instead of the editor's choice."_s,
        u"name"_s);
    const QCommandLineOption failOn(u"fail-on"_s,
                                    u"Exit with 1 on findings of this level or graver: error"
                                    " (ERROR and TOO LONG, default), blank (also blank and missing"
                                    " entries), warning (everything) or never."_s,
                                    u"level"_s, u"error"_s);
    const QCommandLineOption toolFiles = CommandLine::toolFilesOption();
    const QCommandLineOption jobs(u"jobs"_s, u"Threads to check with (default: one per core)."_s,
                                  u"count"_s);
    parser.setApplicationDescription(
        u"Checks every language of a client installation the way the translation editor does,"
        " and never writes to it.\n"
        "Exit status: 0 when nothing at or above the --fail-on level was found, 1 when"
        " something was, 2 for a usage error or an installation that cannot be read.\n\n"_s
        + exchangeCommandsHelp());
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({ format, output, language, reference, failOn, toolFiles, jobs });
    parser.addPositionalArgument(u"installation"_s,
                                 u"The client's folder (default: the current folder)."_s,
                                 u"[installation]"_s);
    if (!parser.parse(arguments)) {
        *error = parser.errorText();
        return std::nullopt;
    }
    if (parser.isSet(u"help"_s) || parser.isSet(u"version"_s))
        return Command {};

    Command command;
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1) {
        *error = u"Only one installation folder can be checked at a time."_s;
        return std::nullopt;
    }
    command.options.installation = positional.value(0, QDir::currentPath());
    command.options.languages = parser.values(language);
    command.options.reference = parser.value(reference);
    command.output = parser.value(output);

    const QString formatName = parser.value(format);
    const std::map<QString, Format> formats { { u"text"_s, Format::Text },
                                              { u"json"_s, Format::Json },
                                              { u"junit"_s, Format::Junit } };
    if (!formats.count(formatName)) {
        *error = u"Unknown format \"%1\": use text, json or junit."_s.arg(formatName);
        return std::nullopt;
    }
    command.format = formats.at(formatName);

    const std::optional<FailLevel> level = failLevelFromName(parser.value(failOn));
    if (!level) {
        *error = u"Unknown level \"%1\": use error, blank, warning or never."_s.arg(
            parser.value(failOn));
        return std::nullopt;
    }
    command.failLevel = *level;

    const std::optional<QString> folder = CommandLine::toolFolder(parser, toolFiles, error);
    if (!folder)
        return std::nullopt;
    command.options.toolFolder = *folder;
    if (parser.isSet(jobs)) {
        bool ok = false;
        command.options.jobs = parser.value(jobs).toInt(&ok);
        if (!ok || command.options.jobs < 1) {
            *error = u"--jobs takes a number of threads, 1 or more."_s;
            return std::nullopt;
        }
    }
    return command;
}

// What start-up would silently do without the tool's own files.
void noteMissingToolFiles(const QString &folder, QIODevice &err)
{
    const QDir tool(folder);
    if (!tool.exists(u"ConfigParameter.xml"_s)) {
        say(err,
            u"lexivo-check: note: no ConfigParameter.xml in %1; checking as the client's"
            " defaults are (web languages, wide language files)."_s.arg(
                QDir::toNativeSeparators(tool.absolutePath())));
    }
    if (!tool.exists(u"CheckLength.ini"_s)) {
        say(err,
            u"lexivo-check: note: no CheckLength.ini in %1; no width is checked."_s.arg(
                QDir::toNativeSeparators(tool.absolutePath())));
    }
}

// One line, rewritten in place; blanks cover what a longer line left.
class ProgressLine
{
public:
    explicit ProgressLine(QIODevice &err)
        : m_err(err)
    {
    }

    void show(int checked, int total, const QString &language)
    {
        write(
            u"Checked %1/%2: %3"_s.arg(QString::number(checked), QString::number(total), language));
    }
    void clear() { write({}); }

private:
    void write(const QString &text)
    {
        const qsizetype width = std::max(text.size(), m_shown);
        m_err.write(
            (u'\r' + text.leftJustified(width) + (text.isEmpty() ? u"\r"_s : QString())).toUtf8());
        m_shown = text.size();
    }

    QIODevice &m_err;
    qsizetype m_shown = 0;
};

QByteArray reportBytes(const Command &command, const CheckReport &report)
{
    switch (command.format) {
    case Format::Json:
        return Reports::json(report);
    case Format::Junit:
        return Reports::junit(report, command.failLevel);
    case Format::Text:
        break;
    }
    return Reports::text(report);
}

} // namespace

int runCheckCommand(const QStringList &arguments, QIODevice &out, QIODevice &err, bool showProgress)
{
    if (isExchangeCommand(arguments))
        return runExchangeCommand(arguments, out, err, editorMeasurer);
    QCommandLineParser parser;
    QString error;
    std::optional<Command> command = parse(parser, arguments, &error);
    if (!command)
        return CommandLine::usageError(err, error, u"lexivo-check"_s);
    if (parser.isSet(u"help"_s)) {
        out.write(parser.helpText().toUtf8());
        return CheckExit::Passed;
    }
    if (parser.isSet(u"version"_s)) {
        say(out, u"lexivo-check "_s + QCoreApplication::applicationVersion());
        return CheckExit::Passed;
    }

    noteMissingToolFiles(command->options.toolFolder, err);
    ProgressLine progress(err);
    if (showProgress) {
        command->options.progress
            = [&progress](int checked, int total, const LanguageSummary &language) {
                  progress.show(checked, total, language.name);
              };
    }
    const CheckOutcome outcome = runCheck(command->options);
    if (showProgress)
        progress.clear();
    if (!outcome.error.isEmpty()) {
        say(err, u"lexivo-check: "_s + outcome.error);
        return CheckExit::NotChecked;
    }

    const QByteArray bytes = reportBytes(*command, outcome.report);
    if (command->output.isEmpty()) {
        out.write(bytes);
    } else if (const Result<> written = writeFileSafely(command->output, bytes); !written) {
        say(err, u"lexivo-check: "_s + written.error());
        return CheckExit::NotChecked;
    }
    return outcome.report.failsAt(command->failLevel) ? CheckExit::Failed : CheckExit::Passed;
}
