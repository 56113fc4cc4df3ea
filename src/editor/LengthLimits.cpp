#include "LengthLimits.h"

#include "platform/ProfileFile.h"

#include <QDir>

using namespace Qt::StringLiterals;

LengthLimits LoadLengthLimits(const QString &path)
{
    LengthLimits limits;
    if (path.isEmpty())
        return limits;
    // A file that cannot be read sets no limits, unreported.
    const QStringList lines = Profile::readSection(path, u"text"_s).valueOr({});
    for (const QString &line : lines) {
        const qsizetype equals = line.lastIndexOf(u'=');
        if (equals < 0)
            continue;
        const QString key = line.first(equals).trimmed();
        if (key.isEmpty())
            continue;
        limits.try_emplace(key, line.sliced(equals + 1).trimmed());
    }
    return limits;
}

QString lengthLimitsPath(const QString &toolFolder)
{
    return toolFolder.isEmpty() ? QString() : QDir(toolFolder).filePath(u"CheckLength.ini"_s);
}
