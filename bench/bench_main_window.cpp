// Times what a user waits for in the main window on the reference load
// (10,000 keys, 60 languages, 3,000 web items in 40 files): start-up until
// the language list is filled, selecting a language until its entries are
// listed, opening the editor on them and switching its reference, each beside
// reading the files involved once. Best of several runs.

#include "BenchTiming.h"
#include "SyntheticInstallation.h"
#include "app/CLexivoDlg.h"
#include "app/MainWindowControls.h"
#include "config/ClientConfig.h"
#include "controls/CWaitingDlg.h"
#include "controls/DialogTemplate.h"
#include "editorwindow/CAmendLanguageMapDlg.h"
#include "editorwindow/EditorControls.h"
#include "platform/SafeFileWriter.h"

#include <QApplication>
#include <QComboBox>
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

qint64 readAll(const QStringList &files)
{
    qint64 bytes = 0;
    for (const QString &path : files)
        bytes += readFile(path).size();
    return bytes;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    CWaitingDlg::registerMessages();
    QTemporaryDir folder;
    QTemporaryDir tools;
    ClientConfig config;
    config.toolFolder = tools.path();
    config.newTool = true;
    config.catalogue = LanguageCatalogue::builtIn();
    if (!SyntheticInstallation::write(folder.path(), config.catalogue)) {
        std::printf("error: the reference load could not be written\n");
        return 1;
    }
    QDir::setCurrent(folder.path());
    if (!writeFileSafely(tools.filePath(u"CheckLength.ini"_s),
                         SyntheticInstallation::lengthLimits(10000))) {
        std::printf("error: the length limits could not be written\n");
        return 1;
    }

    const QString english = u"English (United States)"_s;
    const QStringList startupFiles
        = SyntheticInstallation::languageFiles(folder.path(), english, u"en-us"_s)
        << folder.filePath(u"language/LanguageIndex.ini"_s);
    const double startup = bestOf([&] {
        CLexivoDlg dialog(config);
        dialog.OnInitDialog();
        dialog.show();
        QCoreApplication::processEvents();
    });
    bool withinBudget
        = reportBudget("start-up to the language list", startup, 1000, "reading its files once",
                       bestOf([&] { readAll(startupFiles); }));

    const QString german = u"German (Germany)"_s;
    CLexivoDlg dialog(config);
    dialog.OnInitDialog();
    dialog.show();
    auto *languages = control<QComboBox>(&dialog, MainWindowControl::Languages);
    const int germanItem = languages->findText(german);
    // As a user's choice: the list follows "activated", which choosing the
    // language already shown also emits.
    const double selection = bestOf([&] {
        languages->setCurrentIndex(germanItem);
        emit languages->activated(germanItem);
        QCoreApplication::processEvents();
    });
    const QStringList germanFiles
        = SyntheticInstallation::languageFiles(folder.path(), german, u"German_Germany"_s);
    withinBudget = reportBudget("selecting a language until its list is filled", selection, 200,
                                "reading its files once", bestOf([&] { readAll(germanFiles); }))
        && withinBudget;
    // A figure for an empty list would time nothing.
    const int listed = dialog.entryList().rowCount();
    std::printf("entries listed: %d\n", listed);
    withinBudget = listed > 0 && withinBudget;

    // The editor on every row with both checks, and a change of its reference.
    std::unique_ptr<CAmendLanguageMapDlg> editor;
    const double opening = bestOf([&] {
        editor = std::make_unique<CAmendLanguageMapDlg>(dialog.editorContext(), &dialog);
        editor->setSourceList(dialog.entryList().entries());
        editor->setEditedLanguage(dialog.selectedLanguage());
        editor->OnInitDialog();
        editor->show();
        QCoreApplication::processEvents();
    });
    withinBudget = reportBudget("opening the editor with both checks on every row", opening, 500,
                                "reading its files once", bestOf([&] { readAll(germanFiles); }))
        && withinBudget;
    auto *references = control<QComboBox>(editor.get(), EditorControl::ReferenceLanguage);
    const int englishItem = references->findText(english);
    const double switching = bestOf([&] {
                                 references->setCurrentIndex(englishItem == 0 ? 1 : 0);
                                 references->setCurrentIndex(englishItem);
                                 QCoreApplication::processEvents();
                             })
        / 2;
    withinBudget = reportBudget("switching the editor's reference", switching, 500,
                                "reading its files once", bestOf([&] { readAll(startupFiles); }))
        && withinBudget;
    const int editorRows = editor->rows().rowCount();
    std::printf("editor rows: %d\n", editorRows);
    withinBudget = editorRows > 0 && withinBudget;
    return withinBudget ? 0 : 1;
}
