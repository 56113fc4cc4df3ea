#include "ComboChoice.h"
#include "ModalDialogs.h"
#include "TestFiles.h"
#include "app/CAddNewLanDlg.h"
#include "app/CExportDlg.h"
#include "app/CLexivoDlg.h"
#include "app/MainWindowControls.h"
#include "config/ClientConfig.h"
#include "controls/DialogResults.h"
#include "controls/DialogTemplate.h"
#include "controls/FileDialogs.h"
#include "controls/MessageBoxes.h"
#include "editorwindow/CAmendLanguageMapDlg.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_LexivoDlg : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void mainFileMissing();
    void startsOnTheDemo();
    void selectingALanguageListsItsEntries();
    void buttonsFollowTheSelection();
    void enterAndEscapeAreSwallowed();
    void titleFromConfiguration_data();
    void titleFromConfiguration();
    void adjustItemOrder();
    void unusableIndexIsReported();
    void updateListValues();
    void choosingTheShownLanguageLoadsItAgain();
    void messageBoxesTakeTheirKeys_data();
    void messageBoxesTakeTheirKeys();
    void addLanguageDialogTakesItsKeys_data();
    void addLanguageDialogTakesItsKeys();
    void tabLeavesTheList();
    void sizesAndColumns();
    void exportForTranslation_data();
    void exportForTranslation();

private:
    std::unique_ptr<CLexivoDlg> startDialog(bool expectSuccess = true);
    QString path(const QString &relative) const { return m_dir->filePath(relative); }

    std::unique_ptr<QTemporaryDir> m_dir;
    ClientConfig m_config;
    QString m_previousDirectory;
    QList<MessageBoxes::Shown> m_messages;
};

void tst_LexivoDlg::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    TestFiles::copyTree(TestFiles::demoInstallation(), m_dir->path());
    m_previousDirectory = QDir::currentPath();
    QDir::setCurrent(m_dir->path());
    m_config = ClientConfig();
    m_config.newTool = true;
    m_config.catalogue = LanguageCatalogue::builtIn();
    m_messages.clear();
    MessageBoxes::setAnswerer([this](const MessageBoxes::Shown &shown) {
        m_messages.append(shown);
        return true;
    });
}

void tst_LexivoDlg::cleanup()
{
    MessageBoxes::setAnswerer({});
    QDir::setCurrent(m_previousDirectory);
    m_dir.reset();
}

std::unique_ptr<CLexivoDlg> tst_LexivoDlg::startDialog(bool expectSuccess)
{
    auto dialog = std::make_unique<CLexivoDlg>(m_config);
    const bool started = dialog->OnInitDialog();
    if (started != expectSuccess)
        return nullptr;
    if (started)
        dialog->show();
    return dialog;
}

// The rules of start-up are tested with the installation; here, that the
// user is told and the window does not start.
void tst_LexivoDlg::mainFileMissing()
{
    QFile::remove(path(u"language/English (United States).ini"_s));
    const auto dialog = startDialog(false);
    QVERIFY(dialog);
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages.first().text, mainFileMissingMessage());
    QCOMPARE(m_messages.first().caption, u"Lexivo"_s);
}

// The demo lists French in the index only: it gains its file and web folder,
// and every language appears in catalogue order.
void tst_LexivoDlg::startsOnTheDemo()
{
    const auto dialog = startDialog();
    QVERIFY(dialog);
    QVERIFY(QFileInfo::exists(path(u"language/French (France).ini"_s)));
    QVERIFY(QFileInfo::exists(path(u"Web/LanguageInfo/French_France/pages/live.xml"_s)));

    const auto *languages = control<QComboBox>(dialog.get(), MainWindowControl::Languages);
    QStringList names;
    QList<int> rows;
    for (int i = 0; i < languages->count(); ++i) {
        names.append(languages->itemText(i));
        rows.append(languages->itemData(i).toInt());
    }
    QCOMPARE(names,
             (QStringList { u"Chinese (PRC)"_s, u"English (United States)"_s, u"French (France)"_s,
                            u"German (Germany)"_s }));
    QCOMPARE(rows, (QList<int> { 0, 1, 50, 55 }));
    QCOMPARE(languages->currentIndex(), -1);
    QCOMPARE(dialog->entryList().rowCount(), 0);
    QCOMPARE(dialog->windowTitle(), QString());
}

void tst_LexivoDlg::selectingALanguageListsItsEntries()
{
    const auto dialog = startDialog();
    QVERIFY(dialog);
    auto *languages = control<QComboBox>(dialog.get(), MainWindowControl::Languages);
    chooseItem(languages, u"German (Germany)"_s);

    const auto &entries = dialog->entryList().entries();
    const qsizetype referenceKeys
        = dialog->installation().languageStore().ReferenceKeyTable().size();
    const qsizetype webItems
        = qsizetype(dialog->installation().webLanguageStore().webItems().size());
    QCOMPARE(entries.size(), referenceKeys + webItems);
    QCOMPARE(entries.first().attribute, u"IDS_OK"_s);
    QCOMPARE(entries.first().value, u"OK"_s);
    QVERIFY(isWebOrdinal(entries.last().ordinal));
    for (qsizetype row = 1; row < entries.size(); ++row)
        QVERIFY(entries.at(row - 1).ordinal < entries.at(row).ordinal);

    // A key the reference lacks is not listed.
    const bool listed = std::any_of(entries.cbegin(), entries.cend(), [](const auto &entry) {
        return entry.attribute == u"IDS_OBSOLETE_HINT";
    });
    QVERIFY(!listed);
}

void tst_LexivoDlg::buttonsFollowTheSelection()
{
    const auto dialog = startDialog();
    QVERIFY(dialog);
    auto *languages = control<QComboBox>(dialog.get(), MainWindowControl::Languages);
    auto *modify = control<QPushButton>(dialog.get(), MainWindowControl::Modify);
    auto *adjust = control<QPushButton>(dialog.get(), MainWindowControl::AdjustOrder);
    QVERIFY(!modify->isEnabled());
    QVERIFY(!adjust->isEnabled());

    chooseItem(languages, u"German (Germany)"_s);
    QVERIFY(modify->isEnabled());
    QVERIFY(adjust->isEnabled());

    chooseItem(languages, u"English (United States)"_s);
    QVERIFY(modify->isEnabled());
    QVERIFY(!adjust->isEnabled());
}

void tst_LexivoDlg::enterAndEscapeAreSwallowed()
{
    const auto dialog = startDialog();
    QVERIFY(dialog);
    auto *languages = control<QComboBox>(dialog.get(), MainWindowControl::Languages);
    languages->setCurrentIndex(1);
    auto *entries = control<QTableView>(dialog.get(), MainWindowControl::Entries);
    for (QWidget *target : { static_cast<QWidget *>(entries), static_cast<QWidget *>(languages),
                             static_cast<QWidget *>(dialog.get()) }) {
        QTest::keyClick(target, Qt::Key_Escape);
        QTest::keyClick(target, Qt::Key_Return);
        QTest::keyClick(target, Qt::Key_Enter);
    }
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->result(), 0);
    QCOMPARE(languages->currentIndex(), 1);
}

void tst_LexivoDlg::titleFromConfiguration_data()
{
    QTest::addColumn<bool>("newTool");
    QTest::addColumn<QByteArray>("title");
    QTest::addColumn<QString>("shown");

    QTest::newRow("new tool, UTF-8 title") << true << QByteArray("客户端 Tool") << u"客户端 Tool"_s;
    QTest::newRow("new tool, invalid UTF-8") << true << QByteArray("\xff\xfe") << QString();
    QTest::newRow("classic tool keeps the caption") << false << QByteArray("Other") << u"Lexivo"_s;
}

void tst_LexivoDlg::titleFromConfiguration()
{
    QFETCH(bool, newTool);
    QFETCH(QByteArray, title);
    QFETCH(QString, shown);

    m_config.newTool = newTool;
    m_config.title = title;
    const auto dialog = startDialog();
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), shown);
}

void tst_LexivoDlg::adjustItemOrder()
{
    const auto dialog = startDialog();
    QVERIFY(dialog);
    auto *languages = control<QComboBox>(dialog.get(), MainWindowControl::Languages);
    chooseItem(languages, u"German (Germany)"_s);
    QTest::mouseClick(control<QPushButton>(dialog.get(), MainWindowControl::AdjustOrder),
                      Qt::LeftButton);
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages.first().text,
             u"German (Germany).ini has been saved as German (Germany)_adjust.ini according to "
             "the item order of the english language."_s);
    QVERIFY(QFileInfo::exists(path(u"language/German (Germany)_adjust.ini"_s)));

    // A copy that cannot be written is reported.
    TestFiles::makeReadOnly(path(u"language/German (Germany)_adjust.ini"_s));
    QTest::mouseClick(control<QPushButton>(dialog.get(), MainWindowControl::AdjustOrder),
                      Qt::LeftButton);
    TestFiles::makeWritable(path(u"language/German (Germany)_adjust.ini"_s));
    QCOMPARE(m_messages.size(), 2);
    QVERIFY(m_messages.last().text.contains(u"German (Germany)_adjust.ini"_s));
}

void tst_LexivoDlg::unusableIndexIsReported()
{
    TestFiles::makeReadOnly(path(u"language/LanguageIndex.ini"_s));
    const auto dialog = startDialog();
    TestFiles::makeWritable(path(u"language/LanguageIndex.ini"_s));
    QVERIFY(dialog);
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages.first().text,
             u"LanguageIndex.ini\n Download data fails, make sure the file can read and write."_s);
    QCOMPARE(control<QComboBox>(dialog.get(), MainWindowControl::Languages)->count(), 0);
}

void tst_LexivoDlg::updateListValues()
{
    const auto dialog = startDialog();
    QVERIFY(dialog);
    auto *languages = control<QComboBox>(dialog.get(), MainWindowControl::Languages);
    chooseItem(languages, u"German (Germany)"_s);
    const auto before = dialog->entryList().entries();

    const EntryOrdinal first = before.at(0).ordinal;
    const EntryOrdinal web = before.last().ordinal;
    dialog->UpdateListValues(
        { { first, u"Neu"_s }, { web, u"Web neu"_s }, { web + 1000, u"x"_s } });

    const auto after = dialog->entryList().entries();
    QCOMPARE(after.at(0).value, u"Neu"_s);
    QCOMPARE(after.last().value, u"Web neu"_s);
    for (qsizetype row = 1; row + 1 < after.size(); ++row)
        QCOMPARE(after.at(row).value, before.at(row).value);
}

void tst_LexivoDlg::choosingTheShownLanguageLoadsItAgain()
{
    const auto dialog = startDialog();
    QVERIFY(dialog);
    auto *languages = control<QComboBox>(dialog.get(), MainWindowControl::Languages);
    chooseItem(languages, u"German (Germany)"_s);
    const EntryOrdinal first = dialog->entryList().entries().at(0).ordinal;
    dialog->UpdateListValues({ { first, u"Nicht gespeichert"_s } });
    chooseItem(languages, u"German (Germany)"_s);
    QCOMPARE(dialog->entryList().entries().at(0).value, u"OK"_s);
}

void tst_LexivoDlg::messageBoxesTakeTheirKeys_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::newRow("Enter") << Qt::Key_Return;
    QTest::newRow("Escape") << Qt::Key_Escape;
}

// A real box over the main window, answered from the keyboard.
void tst_LexivoDlg::messageBoxesTakeTheirKeys()
{
    QFETCH(Qt::Key, key);
    const auto dialog = startDialog();
    QVERIFY(dialog);
    MessageBoxes::setAnswerer({});
    chooseItem(control<QComboBox>(dialog.get(), MainWindowControl::Languages),
               u"German (Germany)"_s);

    bool pressed = false;
    bool stayedOpen = false;
    whenModal<QMessageBox>(this, [&](QMessageBox *box) {
        pressed = pressKeyOn(box, key);
        QTimer::singleShot(LostKeyMilliseconds, box, [&stayedOpen, box] {
            stayedOpen = true;
            box->close();
        });
    });
    QTest::mouseClick(control<QPushButton>(dialog.get(), MainWindowControl::AdjustOrder),
                      Qt::LeftButton);
    QVERIFY(pressed);
    QVERIFY(!stayedOpen);
}

void tst_LexivoDlg::addLanguageDialogTakesItsKeys_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<int>("result");
    QTest::newRow("Enter adds") << Qt::Key_Return << int(DialogResult::Done);
    QTest::newRow("Escape cancels") << Qt::Key_Escape << int(DialogResult::Left);
}

void tst_LexivoDlg::addLanguageDialogTakesItsKeys()
{
    QFETCH(Qt::Key, key);
    QFETCH(int, result);
    const auto dialog = startDialog();
    QVERIFY(dialog);

    int ended = -1;
    whenModal<CAddNewLanDlg>(this, [&](CAddNewLanDlg *add) {
        connect(add, &QDialog::finished, this, [&ended](int code) { ended = code; });
        whenModal<CAmendLanguageMapDlg>(this,
                                        [](CAmendLanguageMapDlg *editor) { editor->reject(); });
        QVERIFY(pressKeyOn(add, key));
        QTimer::singleShot(LostKeyMilliseconds, add, [add] { add->done(0); }); // the key was lost
    });
    QTest::mouseClick(control<QPushButton>(dialog.get(), MainWindowControl::AddLanguage),
                      Qt::LeftButton);
    QCOMPARE(ended, result);
}

void tst_LexivoDlg::tabLeavesTheList()
{
    const auto dialog = startDialog();
    QVERIFY(dialog);
    chooseItem(control<QComboBox>(dialog.get(), MainWindowControl::Languages),
               u"German (Germany)"_s);
    auto *entries = control<QTableView>(dialog.get(), MainWindowControl::Entries);
    entries->selectRow(3);
    entries->setFocus();
    QVERIFY(pressKeyOn(dialog.get(), Qt::Key_Tab));
    QCOMPARE(QApplication::focusWidget(),
             control<QPushButton>(dialog.get(), MainWindowControl::Modify));
    QCOMPARE(entries->currentIndex().row(), 3);
}

// The window never gets smaller than its table size; the columns share the
// empty list's width at start and keep a width the user gives them.
void tst_LexivoDlg::sizesAndColumns()
{
    const auto dialog = startDialog();
    QVERIFY(dialog);
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    const QSize tableSize = dialog->size();
    QCOMPARE(dialog->minimumSize(), tableSize);

    auto *entries = control<QTableView>(dialog.get(), MainWindowControl::Entries);
    QVERIFY(!entries->horizontalScrollBar()->isVisible());
    const int width = entries->viewport()->width();
    QCOMPARE(entries->columnWidth(0), width / 3);
    QCOMPARE(entries->columnWidth(1), width * 2 / 3);

    entries->setColumnWidth(0, 80);
    dialog->resize(tableSize + QSize(300, 200));
    QTRY_COMPARE(entries->width(), width + 300 + 2 * entries->frameWidth());
    QCOMPARE(entries->columnWidth(0), 80);
    dialog->resize(10, 10);
    QCOMPARE(dialog->size(), tableSize);
}

void tst_LexivoDlg::exportForTranslation_data()
{
    QTest::addColumn<bool>("onlyOpen");
    QTest::newRow("every entry") << false;
    QTest::newRow("blank and failing entries") << true;
}

// From the context menu, on the language shown: which entries, then where.
void tst_LexivoDlg::exportForTranslation()
{
    QFETCH(bool, onlyOpen);
    const auto dialog = startDialog();
    QVERIFY(dialog);
    const auto actions = dialog->actions();
    QAction *exporting = *std::find_if(actions.begin(), actions.end(), [](QAction *action) {
        return action->text() == u"Export for translation…";
    });
    QVERIFY(!exporting->isEnabled());
    chooseItem(control<QComboBox>(dialog.get(), MainWindowControl::Languages),
               u"German (Germany)"_s);
    QVERIFY(exporting->isEnabled());

    const QString file = path(u"de.xlf"_s);
    FileDialogs::setChooser([&](const QString &) { return file; });
    whenModal<CExportDlg>(this, [&](CExportDlg *choice) {
        choice->findChild<QRadioButton *>(onlyOpen ? u"open"_s : u"every"_s)->setChecked(true);
        choice->accept();
    });
    exporting->trigger();
    FileDialogs::setChooser({});

    QCOMPARE(m_messages.size(), 1);
    QVERIFY(m_messages.first().text.contains(u"have been exported to"_s));
    const QByteArray xliff = TestFiles::read(file);
    QVERIFY(xliff.contains("<xliff version=\"1.2\""));
    QVERIFY(xliff.contains("target-language=\"de-DE\""));
    QCOMPARE(xliff.contains("<trans-unit id=\"IDS_OK\""), !onlyOpen);
}

QTEST_MAIN(tst_LexivoDlg)
#include "tst_lexivodlg.moc"
