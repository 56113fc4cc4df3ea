#include "CheckFixture.h"

#include "FixedTextMeasurer.h"
#include "TestFiles.h"
#include "check/Reports.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

namespace {

QByteArray webFile(const QList<std::pair<QByteArray, QByteArray>> &items)
{
    QByteArray bytes = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<languageInfo>\n\t<items>\n";
    for (const auto &[id, text] : items)
        bytes += "\t\t<item id=\"" + id + "\">" + text + "</item>\n";
    return bytes + "\t</items>\n</languageInfo>\n";
}

} // namespace

CheckFixture::CheckFixture()
{
    setConfiguration(true, true);
    // The catalogue without web languages, in the built-in order.
    TestFiles::write(m_dir.filePath(u"tools/OR_supportLanguageInfo.xml"_s),
                     "<LanguageInfo>\n"
                     "<item id=\"0x0804\" filePath=\"Chinese (PRC)\"/>\n"
                     "<item id=\"0x0409\" filePath=\"English (United States)\"/>\n"
                     "<item id=\"0x0407\" filePath=\"German (Germany)\"/>\n"
                     "<item id=\"0x040c\" filePath=\"French (France)\"/>\n"
                     "</LanguageInfo>\n");
    TestFiles::write(m_dir.filePath(u"tools/CheckLength.ini"_s),
                     "[text]\nIDS_NAME=Name\nIDS_SAVE=Save...\nweb.title=Live\n");

    write(u"language/LanguageIndex.ini"_s,
          "[languages]\n0x0804=Chinese (PRC)\n0x0409=English (United States)\n"
          "0x0407=German (Germany)\n0x040c=French (France)\n"
          "[xmllanguages]\n0x0804=zh-cn\n0x0409=en-us\n0x0407=German_Germany\n");
    write(u"language/English (United States).ini"_s,
          "[text]\nIDS_OK=OK\nIDS_COUNT=%d files\nIDS_NAME=Name\nIDS_SAVE=Save\nIDS_CLOSE=Close\n");
    write(u"language/Chinese (PRC).ini"_s,
          "\xEF\xBB\xBF[text]\nIDS_OK=\xE7\xA1\xAE\xE5\xAE\x9A\nIDS_COUNT=%d \xE4\xB8\xAA\n"
          "IDS_NAME=\xE5\x90\x8D\xE7\xA7\xB0\nIDS_SAVE=\xE4\xBF\x9D\xE5\xAD\x98\n"
          "IDS_CLOSE=\xE5\x85\xB3\n");
    write(u"language/German (Germany).ini"_s,
          "[text]\nIDS_OK=OK\nIDS_COUNT=%s Dateien\nIDS_NAME=Benennung\nIDS_SAVE=\n"
          "IDS_OLD=Alt\nIDS_OK=Okay\n");

    write(u"Web/LanguageInfo/en-us/a.xml"_s,
          webFile(
              { { "web.title", "Live" }, { "web.name", "Name" }, { "web.count", "{0} cameras" } }));
    write(u"Web/LanguageInfo/zh-cn/a.xml"_s,
          webFile({ { "web.title", "\xE5\xAE\x9E" },
                    { "web.name", "\xE5\x90\x8D\xE7\xA7\xB0" },
                    { "web.count", "{0} \xE5\x8F\xB0" } }));
    write(u"Web/LanguageInfo/German_Germany/a.xml"_s,
          webFile({ { "web.title", "Live" }, { "web.name", "Bezeichnung" } }));
}

QString CheckFixture::path(const QString &relative) const
{
    return installation() + u'/' + relative;
}

void CheckFixture::write(const QString &relative, const QByteArray &bytes) const
{
    TestFiles::write(path(relative), bytes);
}

void CheckFixture::remove(const QString &relative) const
{
    const QString target = path(relative);
    if (QFileInfo(target).isDir())
        QDir(target).removeRecursively();
    else
        QFile::remove(target);
}

void CheckFixture::setConfiguration(bool needWebLanguage, bool newTool) const
{
    TestFiles::write(m_dir.filePath(u"tools/ConfigParameter.xml"_s),
                     "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<clientConfig>\n\t<content>\n"
                     "\t\t<needWebLanguage>"
                         + QByteArray(needWebLanguage ? "true" : "false")
                         + "</needWebLanguage>\n\t\t<toolType>"
                         + QByteArray(newTool ? "new" : "classic")
                         + "</toolType>\n\t</content>\n</clientConfig>\n");
}

CheckOutcome CheckFixture::check(CheckOptions options) const
{
    options.installation = installation();
    if (options.toolFolder.isEmpty())
        options.toolFolder = tools();
    if (!options.measurer)
        options.measurer = [] { return std::make_unique<FixedTextMeasurer>(); };
    if (options.jobs == 0)
        options.jobs = 1;
    return runCheck(options);
}

QStringList CheckFixture::lines(const CheckOutcome &outcome)
{
    QStringList lines;
    for (const Finding &finding : outcome.report.findings)
        lines.append(Reports::findingLine(finding));
    return lines;
}
