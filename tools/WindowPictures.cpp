// Starts every window of Lexivo on a copy of the demo installation and saves
// a picture of each: the main window with a language selected, the editor
// with rows of every status, the overview of the languages, the add-language
// dialog, the preview and the waiting panel.

#include "app/CAddNewLanDlg.h"
#include "app/CLexivoApp.h"
#include "app/CLexivoDlg.h"
#include "app/MainWindowControls.h"
#include "config/ClientConfig.h"
#include "controls/CViewDlg.h"
#include "controls/CWaitingDlg.h"
#include "controls/DialogTemplate.h"
#include "controls/MessageBoxes.h"
#include "editorwindow/CAmendLanguageMapDlg.h"
#include "overview/COverviewDlg.h"
#include "platform/FolderCopy.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QTableView>
#include <QTemporaryDir>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

bool save(QWidget *window, const QString &folder, const QString &name)
{
    const QString path = QDir(folder).filePath(name + u".png"_s);
    const bool saved = window->grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <demo folder> <picture folder>\n", argv[0]);
        return 2;
    }
    // Absolute: the current folder becomes the installation's copy.
    const QString demo = QDir().absoluteFilePath(QString::fromLocal8Bit(argv[1]));
    const QString pictures = QDir().absoluteFilePath(QString::fromLocal8Bit(argv[2]));
    QDir().mkpath(pictures);
    QTemporaryDir installation;
    if (!copyFolderTree(demo + u"/installation"_s, installation.path()))
        return 1;
    QDir::setCurrent(installation.path());
    MessageBoxes::setAnswerer([](const MessageBoxes::Shown &) { return true; });

    const ClientConfig config = ClientConfig::load(demo);
    CLexivoApp::prepare();
    CLexivoDlg main(config);
    if (!main.OnInitDialog())
        return 1;
    main.show();
    auto *languages = control<QComboBox>(&main, MainWindowControl::Languages);
    // As the user chooses it: the list loads a language that is activated.
    const int german = languages->findText(u"German (Germany)"_s);
    languages->setCurrentIndex(german);
    emit languages->activated(german);
    bool saved = save(&main, pictures, u"main-window"_s);

    CAmendLanguageMapDlg editor(main.editorContext(), &main);
    editor.setSourceList(main.entryList().entries());
    editor.setEditedLanguage(languages->currentData().toInt());
    editor.OnInitDialog();
    editor.resize(1100, 720);
    editor.show();
    // A committed value shows the "MODIFIED" look beside the checks' marks.
    editor.SelectRow(1);
    editor.CommitValue();
    editor.SelectRow(0);
    saved = save(&editor, pictures, u"editor"_s) && saved;

    CViewDlg preview(&editor);
    preview.attributeText = u"IDS_TAB_SETTINGS"_s;
    preview.valueText = u"Systemeinstellungen"_s;
    preview.sampleText = editor.lengthLimits().at(u"IDS_TAB_SETTINGS"_s);
    preview.show();
    saved = save(&preview, pictures, u"preview"_s) && saved;

    COverviewDlg overview({ installation.path(), demo, config.catalogue, [](int) { return true; } },
                          &main);
    overview.show();
    QEventLoop checking;
    QObject::connect(&overview, &COverviewDlg::checked, &checking, &QEventLoop::quit);
    checking.exec();
    overview.findChild<QTableView *>(u"languages"_s)
        ->selectRow(overview.model().rowOf(u"German (Germany)"_s));
    saved = save(&overview, pictures, u"overview"_s) && saved;

    PresentLanguages present = main.installation().presentLanguages();
    CAddNewLanDlg add(config.catalogue, present, &main);
    add.show();
    saved = save(&add, pictures, u"add-language"_s) && saved;

    WaitingPanel waiting(&main, u"Loading data, please wait ..."_s);
    saved = save(waiting.dialog(), pictures, u"waiting-panel"_s) && saved;
    return saved ? 0 : 1;
}
