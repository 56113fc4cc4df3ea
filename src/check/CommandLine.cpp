#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QIODevice>

using namespace Qt::StringLiterals;

namespace CommandLine {

void say(QIODevice &stream, const QString &text)
{
    stream.write((text + u'\n').toUtf8());
}

int usageError(QIODevice &err, const QString &error, const QString &command)
{
    say(err, u"lexivo-check: "_s + error);
    say(err, u"Try \"%1 --help\"."_s.arg(command));
    return 2;
}

QCommandLineOption toolFilesOption()
{
    return QCommandLineOption(u"tool-files"_s,
                              u"Read ConfigParameter.xml, OR_supportLanguageInfo.xml and"
                              " CheckLength.ini from this folder instead of the program's."_s,
                              u"folder"_s);
}

std::optional<QString> toolFolder(const QCommandLineParser &parser,
                                  const QCommandLineOption &option, QString *error)
{
    const QString folder
        = parser.isSet(option) ? parser.value(option) : QCoreApplication::applicationDirPath();
    if (!QFileInfo(folder).isDir()) {
        *error = u"%1 is not a folder."_s.arg(QDir::toNativeSeparators(parser.value(option)));
        return std::nullopt;
    }
    return folder;
}

} // namespace CommandLine
