// Times reading and writing a language's web texts (3,000 items in 40 files)
// against loading, and loading and saving, each of its files once with
// XmlPathDocument in the same run. Each figure is the best of several runs.

#include "BenchTiming.h"
#include "SyntheticWebTree.h"
#include "config/LanguageCatalogue.h"
#include "store/WebLanguageStore.h"
#include "xml/XmlPathDocument.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <limits>

using namespace Qt::StringLiterals;
using namespace BenchTiming;

namespace {

constexpr int ItemCount = 3000;
constexpr int FileCount = 40;
constexpr double BudgetMs = 200;

} // namespace

int main()
{
    noteUnoptimisedBuild();
    QTemporaryDir dir;
    const QString web = dir.filePath(u"Web/LanguageInfo"_s);
    const QString language = dir.filePath(u"language"_s);
    const QString keyName = u"zh-cn"_s;
    const LanguageCatalogue catalogue = LanguageCatalogue::builtIn();
    WebLanguageStore store(catalogue);
    if (!QDir().mkpath(language) || !SyntheticWebTree::write(web, { keyName }, ItemCount, FileCount)
        || !store.Open(web, language) || store.webItems().size() != ItemCount
        || store.fileList().size() != FileCount) {
        std::puts("error: the synthetic web folder could not be made or opened");
        return 2;
    }
    std::vector<std::string> files;
    for (const QString &path : store.fileList())
        files.push_back(QDir::cleanPath(web + u'/' + keyName + u'/' + path).toStdString());

    ValueMap loaded;
    const double load = bestOf([&] {
        loaded = ValueMap();
        require(store.LoadWebValues(keyName, loaded));
    });
    const double loadFiles = bestOf([&] {
        for (const std::string &file : files)
            require(XmlPathDocument().Load(file));
    });

    ValueMap edited = loaded;
    for (auto &[ordinal, value] : edited)
        value += u" (edited)"_s;
    const double write = bestOf([&] { require(store.WriteWebValues(keyName, edited)); });
    const double loadSaveFiles = bestOf([&] {
        for (const std::string &file : files) {
            XmlPathDocument document;
            require(document.Load(file));
            require(document.Save());
        }
    });
    if (loaded.size() != ItemCount || loaded.begin()->second.isEmpty()) {
        std::puts("error: the web texts were not read or written");
        return 2;
    }

    std::printf("web folder: %d items in %d files\n", ItemCount, FileCount);
    const bool loadOk
        = reportBudget("LoadWebValues", load, BudgetMs, "load each file once", loadFiles);
    const bool writeOk = reportBudget("WriteWebValues", write, BudgetMs,
                                      "load and save each file once", loadSaveFiles);
    return loadOk && writeOk ? 0 : 1;
}
