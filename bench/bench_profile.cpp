// Times the profile-string layer against the physical limit measured in the
// same run: creating a 10,000-key file key by key against writing its bytes
// once, and reading its section against reading the file and splitting it
// into lines. Each figure is the best of several runs.

#include "BenchTiming.h"
#include "platform/ProfileFile.h"
#include "platform/SafeFileWriter.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <limits>

using namespace Qt::StringLiterals;
using namespace BenchTiming;

namespace {

constexpr int KeyCount = 10000;
constexpr int Runs = 25;

qint64 timed(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed();
}

struct Times
{
    double layer = 0; // milliseconds
    double limit = 0;
};

// Best times of Runs runs, the layer and the limit taking turns so that both
// meet the same load on the machine; prepare runs untimed before each.
Times bestOf(const std::function<void()> &prepare, const std::function<void()> &layer,
             const std::function<void()> &limit)
{
    qint64 bestLayer = std::numeric_limits<qint64>::max();
    qint64 bestLimit = bestLayer;
    for (int run = 0; run < Runs; ++run) {
        prepare();
        bestLayer = std::min(bestLayer, timed(layer));
        prepare();
        bestLimit = std::min(bestLimit, timed(limit));
    }
    return { bestLayer / 1e6, bestLimit / 1e6 };
}

bool report(const char *what, const char *limitName, Times times, double ratioLimit)
{
    return reportRatio(what, times.layer, limitName, times.limit, ratioLimit);
}

} // namespace

int main()
{
    noteUnoptimisedBuild();
    QTemporaryDir dir;
    const QString path = dir.filePath(u"bench.ini"_s);
    const QString section = u"text"_s;
    QStringList keys, values;
    for (int i = 0; i < KeyCount; ++i) {
        keys.append(u"IDS_ENTRY_%1"_s.arg(i, 5, 10, QLatin1Char('0')));
        values.append(u"Reference text %1 of the language, \u4e2d\u6587 included"_s.arg(i));
    }
    const auto fill = [&](ProfileFile &file) {
        for (int i = 0; i < KeyCount; ++i)
            file.writeKey(section, keys[i], values[i]);
    };
    QByteArray bytes;
    {
        ProfileFile file(path);
        fill(file);
        bytes = file.contents();
    }

    const auto removeFile = [&] { QFile::remove(path); };
    const auto create = [&] {
        ProfileFile file(path);
        fill(file);
        require(file.save());
    };
    const auto writeOnce = [&] { require(writeFileSafely(path, bytes)); };
    const Times creating = bestOf(removeFile, create, writeOnce);

    qsizetype sectionLines = 0;
    const auto readSection = [&] { sectionLines = ProfileFile(path).sectionLines(section).size(); };
    qsizetype splitLines = 0;
    const auto readAndSplit = [&] {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            splitLines = file.readAll().split('\n').size();
    };
    const Times reading = bestOf([] {}, readSection, readAndSplit);
    // The split also gives the header and the empty text after the last line end.
    if (sectionLines != KeyCount || splitLines != KeyCount + 2) {
        std::puts("error: the file does not hold every key");
        return 2;
    }

    std::printf("file: %d keys, %lld bytes\n", KeyCount, static_cast<long long>(bytes.size()));
    const bool createOk = report("create 10000 keys", "write once", creating, 10);
    const bool readOk = report("read section", "read and split", reading, 3);
    return createOk && readOk ? 0 : 1;
}
