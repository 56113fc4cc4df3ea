#include "SyntheticLanguageFiles.h"

#include <QStringList>

#include <numeric>

using namespace Qt::StringLiterals;

namespace SyntheticLanguageFiles {

namespace {

const QStringList Areas = { u"CAMERA"_s,  u"PLAYBACK"_s, u"ALARM"_s, u"USER"_s,
                            u"NETWORK"_s, u"STORAGE"_s,  u"PTZ"_s,   u"EXPORT"_s };

const QStringList EnglishTexts = {
    u"Camera %d is offline"_s,
    u"Recording stopped on channel %d"_s,
    u"User \"%s\" logged in"_s,
    u"Export %s to %s?"_s,
    u"Disk %d: %d%% used"_s,
    u"OK"_s,
    u"Are you sure you want to delete the selected preset?"_s,
    u"Motion detected"_s,
};

const QStringList TranslatedTexts = {
    u"Kamera %d ist offline"_s,
    u"Aufnahme auf Kanal %d beendet"_s,
    u"Benutzer \u201E%s\u201C hat sich angemeldet"_s,
    u"%s nach %s exportieren?"_s,
    u"\u78C1\u76D8 %d\uFF1A\u5DF2\u7528 %d%%"_s,
    u"OK"_s,
    u"Soll die gew\u00E4hlte Voreinstellung wirklich gel\u00F6scht werden?"_s,
    u"\u68C0\u6D4B\u5230\u79FB\u52A8"_s,
};

QByteArray fileOf(int keyCount, const auto &lineOf)
{
    QByteArray file = "[text]\n";
    for (int i = 0; i < keyCount; ++i)
        file += lineOf(i).toUtf8() + '\n';
    return file;
}

} // namespace

QString key(int index)
{
    return u"IDS_%1_%2"_s.arg(Areas.at(index % Areas.size())).arg(index, 5, 10, QChar(u'0'));
}

QString referenceValue(int index)
{
    return EnglishTexts.at(index % EnglishTexts.size());
}

QByteArray referenceFile(int keyCount)
{
    return fileOf(keyCount, [](int i) -> QString { return key(i) + u'=' + referenceValue(i); });
}

QByteArray languageFile(int keyCount, int seed)
{
    // Stepping by a prime that does not divide keyCount visits every index once.
    int step = 7919 + 2 * seed;
    while (keyCount > 0 && std::gcd(step, keyCount) != 1)
        step += 2;
    return "\xEF\xBB\xBF" + fileOf(keyCount, [&](int i) -> QString {
               const int index = int((qint64(i) * step) % keyCount);
               return key(index) + u'='
                   + TranslatedTexts.at((index + seed) % TranslatedTexts.size());
           });
}

} // namespace SyntheticLanguageFiles
