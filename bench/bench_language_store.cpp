// Times the language store against the physical limit measured in the same
// run, with 10,000 reference keys: loading a language against reading its
// file and splitting it into lines, and creating, resetting and writing a
// language file against writing its bytes once. Each figure is the best of
// several runs, in both modes.

#include "BenchTiming.h"
#include "SyntheticLanguageFiles.h"
#include "config/LanguageCatalogue.h"
#include "platform/SafeFileWriter.h"
#include "store/LanguageStore.h"

#include <QDir>
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

// Times work on the file at path against writing the bytes it left there once.
bool timeWrite(const char *what, const QString &path, const std::function<void()> &prepare,
               const std::function<Result<>()> &work)
{
    const double measured = bestOf(prepare, [&] { require(work()); });
    const QByteArray bytes = readFile(path);
    const double baseline = bestOf(prepare, [&] { require(writeFileSafely(path, bytes)); });
    return reportRatio(what, measured, "baseline", baseline, 10);
}

bool runMode(const QString &folder, bool utf8Mode, const LanguageCatalogue &catalogue)
{
    const QString german = u"German (Germany)"_s;
    const QString germanPath = folder + u'/' + german + u".ini"_s;
    const QByteArray germanBytes = SyntheticLanguageFiles::languageFile(KeyCount);
    const auto restoreGerman = [&] { require(writeFileSafely(germanPath, germanBytes)); };
    restoreGerman();

    LanguageStore store(catalogue);
    store.setUtf8Mode(utf8Mode);
    if (!store.Open(folder) || store.ReferenceKeyTable().size() != size_t(KeyCount)) {
        std::puts("error: the reference file could not be loaded");
        return false;
    }
    std::printf("%s mode, %d reference keys:\n", utf8Mode ? "UTF-8" : "wide", KeyCount);

    LanguageFile loaded;
    // Emptying the caller's map of the previous run is not part of a load.
    const double load
        = bestOf([&] { loaded = {}; },
                 [&] { require(store.LoadLanguage(german, loaded.values, loaded.extraKeys)); });
    qsizetype lineCount = 0;
    const double readAndSplit
        = bestOf([&] { lineCount = readFile(germanPath).split('\n').size(); });
    // The split also gives the header and the empty text after the last line end.
    if (loaded.values.size() != size_t(KeyCount) || lineCount != KeyCount + 2) {
        std::puts("error: the language file did not load whole");
        return false;
    }
    bool ok = reportRatio("LoadLanguage", load, "read and split", readAndSplit, 3);

    const auto removeGerman = [&] { QFile::remove(germanPath); };
    ok = timeWrite("CreateLanguageFile", germanPath, removeGerman,
                   [&] { return store.CreateLanguageFile(german); })
        && ok;
    ok = timeWrite("ResetLanguageFile", germanPath, restoreGerman,
                   [&] { return store.ResetLanguageFile(german); })
        && ok;

    ValueMap values;
    for (const auto &[ordinal, key] : store.ReferenceKeyTable())
        values.emplace(ordinal,
                       u"Edited: "_s + SyntheticLanguageFiles::referenceValue(int(ordinal)));
    ok = timeWrite("WriteValues", germanPath, restoreGerman,
                   [&] { return store.WriteValues(values, german); })
        && ok;
    return ok;
}

} // namespace

int main()
{
    noteUnoptimisedBuild();
    QTemporaryDir dir;
    const QString folder = dir.filePath(u"language"_s);
    if (!QDir().mkpath(folder)
        || !writeFileSafely(folder + u'/' + LanguageStore::ReferenceName + u".ini"_s,
                            SyntheticLanguageFiles::referenceFile(KeyCount))) {
        std::puts("error: the reference file could not be written");
        return 2;
    }
    const LanguageCatalogue catalogue = LanguageCatalogue::builtIn();
    bool ok = true;
    for (const bool utf8Mode : { true, false })
        ok = runMode(folder, utf8Mode, catalogue) && ok;
    return ok ? 0 : 1;
}
