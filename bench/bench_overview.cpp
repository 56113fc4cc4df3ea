// Times the overview on the reference load (10,000 keys, 60 languages, 3,000
// web items in 40 files, a CheckLength.ini sample for every key and web item):
// until every language is listed, beside the whole check without the window;
// the longest the window's thread was kept from its events meanwhile, which
// is how long the window can seem frozen; and closing it while it checks.

#include "BenchTiming.h"
#include "SyntheticInstallation.h"
#include "check/CheckEngine.h"
#include "config/ClientConfig.h"
#include "editor/ClientFonts.h"
#include "overview/COverviewDlg.h"
#include "platform/SafeFileWriter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <tuple>

using namespace Qt::StringLiterals;
using namespace BenchTiming;

namespace {

const QByteArray Configuration
    = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<clientConfig>\n\t<content>\n"
      "\t\t<needWebLanguage>true</needWebLanguage>\n\t\t<toolType>new</toolType>\n"
      "\t</content>\n</clientConfig>\n";

struct Watched
{
    double listed = 0; // ms until the check ended
    double longestStall = 0; // ms
};

// Opens the overview and runs the event loop until its check ends, with a
// timer that notes the longest gap between two of its ticks.
Watched watchOverview(const OverviewSource &source)
{
    Watched watched;
    QElapsedTimer clock;
    clock.start();
    COverviewDlg overview(source);
    overview.show();
    QEventLoop loop;
    QObject::connect(&overview, &COverviewDlg::checked, &loop, &QEventLoop::quit);
    QTimer ticks;
    ticks.setTimerType(Qt::PreciseTimer);
    qint64 lastTick = clock.nsecsElapsed();
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        watched.longestStall = std::max(watched.longestStall, (now - lastTick) / 1e6);
        lastTick = now;
    });
    ticks.start(1);
    loop.exec();
    watched.listed = clock.nsecsElapsed() / 1e6;
    return watched;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    substituteClientFonts();
    noteUnoptimisedBuild();

    QTemporaryDir installation;
    QTemporaryDir tool;
    const LanguageCatalogue catalogue = LanguageCatalogue::builtIn();
    if (!SyntheticInstallation::write(installation.path(), catalogue)
        || !writeFileSafely(tool.filePath(u"ConfigParameter.xml"_s), Configuration)
        || !writeFileSafely(tool.filePath(u"CheckLength.ini"_s),
                            SyntheticInstallation::lengthLimits(10000, 3000))) {
        std::printf("error: the reference load could not be written\n");
        return 1;
    }
    const OverviewSource source { installation.path(), tool.path(), catalogue,
                                  [](int) { return true; } };

    CheckOptions options;
    options.installation = installation.path();
    options.toolFolder = tool.path();
    options.keepFindings = false;
    const double check = bestOf([&] { std::ignore = runCheck(options); }, 3);

    constexpr int Runs = 3;
    Watched best { 1e9, 1e9 };
    for (int run = 0; run < Runs; ++run) {
        const Watched watched = watchOverview(source);
        best.listed = std::min(best.listed, watched.listed);
        best.longestStall = std::min(best.longestStall, watched.longestStall);
    }
    bool withinBudget = reportRatio("overview until every language is listed", best.listed,
                                    "the check alone", check, 2);
    withinBudget
        = reportBudget("longest the overview's window waited for its thread", best.longestStall, 50)
        && withinBudget;

    // Closed as soon as the check has begun: the languages under way finish.
    const double closing = bestOf(
        [&] {
            COverviewDlg overview(source);
            overview.show();
            QCoreApplication::processEvents();
        },
        Runs);
    withinBudget = reportBudget("opening and closing the overview while it checks", closing, 500)
        && withinBudget;
    return withinBudget ? 0 : 1;
}
