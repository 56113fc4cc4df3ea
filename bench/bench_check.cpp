// Times lexivo-check's whole check of the reference load (10,000 keys, 60
// languages, 3,000 web items in 40 files, a CheckLength.ini sample for every
// key and web item) beside the work it cannot do without: loading every
// language once and measuring every distinct value and sample once, on one
// thread. Best of several runs.

#include "BenchTiming.h"
#include "SyntheticInstallation.h"
#include "check/CheckEngine.h"
#include "config/ClientConfig.h"
#include "editor/ClientFonts.h"
#include "editor/LengthLimits.h"
#include "editor/TextMeasurer.h"
#include "platform/SafeFileWriter.h"
#include "store/LanguageStore.h"
#include "store/WebLanguageStore.h"

#include <QDir>
#include <QGuiApplication>
#include <QSet>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <tuple>

using namespace Qt::StringLiterals;
using namespace BenchTiming;

namespace {

constexpr int Runs = 5;
const SyntheticInstallation::Size Load;

const QByteArray Configuration
    = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<clientConfig>\n\t<content>\n"
      "\t\t<needWebLanguage>true</needWebLanguage>\n\t\t<toolType>new</toolType>\n"
      "\t</content>\n</clientConfig>\n";

// Every language's INI and web values, loaded once each.
QList<ValueMap> loadEveryLanguage(const QString &folder, const ClientConfig &config)
{
    LanguageStore languages(config.catalogue);
    languages.setUtf8Mode(true);
    WebLanguageStore web(config.catalogue);
    // The generated installation opens; the check itself reports if not.
    std::ignore = languages.Open(folder + u"/language"_s);
    std::ignore = web.Open(folder + u"/Web/LanguageInfo"_s, folder + u"/language"_s);
    QList<ValueMap> loaded;
    for (int row = 0; row < Load.languageCount; ++row) {
        ValueMap values;
        KeySet extraKeys;
        std::ignore = languages.LoadLanguage(config.catalogue.NameAt(row), values, extraKeys);
        std::ignore = web.LoadWebValues(config.catalogue.KeyAt(row), values);
        loaded.append(std::move(values));
    }
    return loaded;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    substituteClientFonts();
    noteUnoptimisedBuild();

    QTemporaryDir installation;
    QTemporaryDir tool;
    ClientConfig config;
    config.catalogue = LanguageCatalogue::builtIn();
    if (!SyntheticInstallation::write(installation.path(), config.catalogue, Load)
        || !writeFileSafely(tool.filePath(u"ConfigParameter.xml"_s), Configuration)
        || !writeFileSafely(
            tool.filePath(u"CheckLength.ini"_s),
            SyntheticInstallation::lengthLimits(Load.referenceKeys, Load.webItems))) {
        std::printf("error: the reference load could not be written\n");
        return 1;
    }

    CheckOptions options;
    options.installation = installation.path();
    options.toolFolder = tool.path();
    CheckOutcome outcome;
    const double check = bestOf([&] { outcome = runCheck(options); }, Runs);
    if (!outcome.error.isEmpty()) {
        std::printf("error: %s\n", qPrintable(outcome.error));
        return 1;
    }

    // The physical limit: each language loaded once, each distinct text that
    // the check measures (every value and every sample) measured once.
    QList<ValueMap> loaded;
    const double loading
        = bestOf([&] { loaded = loadEveryLanguage(installation.path(), config); }, Runs);
    QSet<QString> distinct;
    for (const ValueMap &values : std::as_const(loaded)) {
        for (const auto &entry : values)
            distinct.insert(entry.second);
    }
    for (const auto &[attribute, sample] : LoadLengthLimits(tool.filePath(u"CheckLength.ini"_s)))
        distinct.insert(sample);
    const double measuring = bestOf(
        [&] {
            FontTextMeasurer measurer(measuringFont());
            for (const QString &text : std::as_const(distinct))
                measurer.width(text);
        },
        Runs);

    std::printf("checked: %d languages, %zu findings, %d threads\n",
                int(outcome.report.languages.size()), outcome.report.findings.size(),
                QThread::idealThreadCount());
    std::printf("load every language once: %.1f ms; measure %lld distinct texts once: %.1f ms\n",
                loading, qlonglong(distinct.size()), measuring);
    const bool ratioOk = reportRatio(
        "the whole check", check, "loading and measuring once, one thread", loading + measuring, 3);
    const bool budgetOk = reportBudget("the whole check", check, 3000);
    return ratioOk && budgetOk ? 0 : 1;
}
