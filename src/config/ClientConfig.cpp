#include "ClientConfig.h"

#include "xml/XmlPathDocument.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <optional>
#include <string>
#include <tuple>

const QByteArray ClientConfig::NoticeForNewTool
    = QByteArrayLiteral("Notice: Symbols like %1 %2 %3 %d  (  )  \\  \"  [  ]   \"%1\"  \"123456\""
                        "  ( %1 )   ( %1 %2 )   '%1'   %1 / %2 must be kept");

const QByteArray ClientConfig::NoticeForClassicTool = QByteArrayLiteral(
    "Notice: Symbols like %d, %s, %ld, %d, %% , \\n and {digital number} must be kept"
    " and not changed.");

namespace {

// The element's text, or nothing when the element is missing.
std::optional<std::string> elementText(XmlPathDocument &document, const char *path)
{
    const tinyxml2::XMLElement *element = document.FindElement(path);
    if (!element)
        return std::nullopt;
    return XmlPathDocument::ElementText(element);
}

} // namespace

ClientConfig ClientConfig::load(const QString &executableFolder)
{
    ClientConfig config;
    config.toolFolder = executableFolder;
    if (!executableFolder.isEmpty()) {
        XmlPathDocument document;
        // A missing or malformed file leaves every default, unreported.
        std::ignore
            = document.Load(QString(executableFolder + u"/ConfigParameter.xml").toStdString());
        if (elementText(document, "clientConfig/content/needWebLanguage") == "false")
            config.needWebLanguage = false;
        if (elementText(document, "clientConfig/content/toolType") == "new")
            config.newTool = true;
        const std::string title
            = elementText(document, "clientConfig/content/title").value_or("Lexivo");
        config.title = QByteArray::fromStdString(title);
    }
    config.notice = config.newTool ? NoticeForNewTool : NoticeForClassicTool;
    if (config.needWebLanguage)
        config.catalogue = LanguageCatalogue::builtIn();
    else if (!executableFolder.isEmpty())
        config.catalogue
            = LanguageCatalogue::fromSupportFile(executableFolder + u"/OR_supportLanguageInfo.xml");
    return config;
}

QString executableFolder()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    const QFileInfo self(QStringLiteral("/proc/self/exe"));
    return self.exists() ? QFileInfo(self.symLinkTarget()).absolutePath() : QString();
}
