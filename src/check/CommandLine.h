#pragma once

#include <QCommandLineOption>
#include <QString>

#include <optional>

class QCommandLineParser;
class QIODevice;

// What the commands of lexivo-check share.
namespace CommandLine {

// One line on a stream.
void say(QIODevice &stream, const QString &text);

// A usage error on err with the hint to the help of command
// ("lexivo-check" or "lexivo-check export-xliff"); returns the exit code 2.
int usageError(QIODevice &err, const QString &error, const QString &command);

// --tool-files: the folder of ConfigParameter.xml, OR_supportLanguageInfo.xml
// and CheckLength.ini.
QCommandLineOption toolFilesOption();

// The option's folder, or the executable's when it is not given; nullopt,
// with the error set, when it is no folder.
std::optional<QString> toolFolder(const QCommandLineParser &parser,
                                  const QCommandLineOption &option, QString *error);

} // namespace CommandLine
