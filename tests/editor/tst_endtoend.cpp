// The road of one edit through the real dialogs, and the adding of a
// language, on a copy of the demo installation.

#include "DemoInstallation.h"
#include "ModalDialogs.h"
#include "TestFiles.h"
#include "app/CAddNewLanDlg.h"
#include "app/MainWindowControls.h"
#include "controls/CAmendListCtrl.h"
#include "controls/CMyEdit.h"
#include "controls/DialogTemplate.h"
#include "editorwindow/EditorControls.h"

#include <QComboBox>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_EndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void editOneEntry();
    void addALanguage();
    void typingAfterOpeningOnAnEntry();

private:
    std::unique_ptr<DemoInstallation> m_demo;
};

namespace {

void replaceValue(CMyEdit *value, const QString &text)
{
    value->setFocus();
    value->selectAll();
    QTest::keyClick(value, Qt::Key_Backspace);
    QTest::keyClicks(value, text);
}

void doubleClick(QAbstractItemView *view, int row)
{
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    const QPoint centre = view->visualRect(index).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre);
}

} // namespace

void tst_EndToEnd::init()
{
    m_demo = std::make_unique<DemoInstallation>();
}

void tst_EndToEnd::cleanup()
{
    m_demo.reset();
}

void tst_EndToEnd::editOneEntry()
{
    const QString germanPath = m_demo->path(u"language/German (Germany).ini"_s);
    const QByteArray before = TestFiles::read(germanPath);
    m_demo->select(u"German (Germany)"_s);
    CLexivoDlg &main = m_demo->mainWindow();
    const auto &entries = main.entryList().entries();
    const int timeout
        = int(std::find_if(entries.cbegin(), entries.cend(),
                           [](const auto &entry) { return entry.attribute == u"IDS_MSG_TIMEOUT"; })
              - entries.cbegin());

    QStringList seen; // what the editor showed on the way
    QStringList markedMissing; // marked rows the file lacks: written with empty values
    whenModal<CAmendLanguageMapDlg>(this, [&](CAmendLanguageMapDlg *editor) {
        const int row = editor->currentRow();
        seen.append(editor->rows().row(row).attribute);
        auto *value = control<CMyEdit>(editor, EditorControl::Value);
        replaceValue(value, u"Zeitlimit nach Sekunden"_s);
        QTest::keyClick(value, Qt::Key_Return);
        seen.append(statusText(editor->rows().row(row).status));

        auto *list = control<CAmendListCtrl>(editor, EditorControl::List);
        const QPoint cell = list->visualRect(list->model()->index(row, 0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell);
        replaceValue(value, u"Zeitlimit nach %d Sekunden"_s);
        QTest::mouseClick(control<QPushButton>(editor, EditorControl::Modify), Qt::LeftButton);
        seen.append(statusText(editor->rows().row(row).status));

        for (const EditorRow &entry : editor->rows().rows()) {
            const QByteArray key = entry.attribute.toUtf8() + '=';
            if (entry.status != EntryStatus::None && !isWebOrdinal(entry.ordinal)
                && !before.contains(QByteArray('\n' + key)))
                markedMissing.append(entry.attribute);
        }
        QTest::mouseClick(control<QPushButton>(editor, EditorControl::Save), Qt::LeftButton);
    });
    doubleClick(control<QTableView>(&main, MainWindowControl::Entries), timeout);

    QCOMPARE(seen, (QStringList { u"IDS_MSG_TIMEOUT"_s, u"ERROR"_s, u"MODIFIED"_s }));
    QCOMPARE(m_demo->messages.size(), 1); // the question for the first marked row
    QVERIFY(m_demo->messages.first().text.startsWith(u"Attribute: IDS_APPLY"_s));

    // The file: the edited line in its place, the extra key gone, marked
    // rows the file lacked appended in reference order; every other byte kept.
    QByteArray expected = before;
    expected.replace("IDS_MSG_TIMEOUT=Zeitüberschreitung der Anfrage nach %d Sekunden.\n",
                     "IDS_MSG_TIMEOUT=Zeitlimit nach %d Sekunden\n");
    const qsizetype obsolete = expected.indexOf("IDS_OBSOLETE_HINT=");
    QVERIFY(obsolete > 0);
    expected.remove(obsolete, expected.indexOf('\n', obsolete) + 1 - obsolete);
    for (const QString &key : std::as_const(markedMissing))
        expected += key.toUtf8() + "=\n";
    QCOMPARE(TestFiles::read(germanPath), expected);

    // The web file of a marked web entry now holds the declaration and keeps
    // its texts; the main list shows the saved value without a reload.
    const QByteArray live
        = TestFiles::read(m_demo->path(u"Web/LanguageInfo/German_Germany/pages/live.xml"_s));
    QVERIFY(
        live.startsWith("\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<languageInfo>")
        || live.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<languageInfo>"));
    QVERIFY(live.contains("\t\t<item id=\"web.live.title\">Liveansicht</item>\n"));
    QCOMPARE(main.entryList().entries().at(timeout).value, u"Zeitlimit nach %d Sekunden"_s);
}

void tst_EndToEnd::addALanguage()
{
    CLexivoDlg &main = m_demo->mainWindow();
    auto *languages = control<QComboBox>(&main, MainWindowControl::Languages);
    const int languageCount = languages->count();
    m_demo->select(u"German (Germany)"_s);

    QString firstOffered;
    whenModal<CAddNewLanDlg>(this, [&](CAddNewLanDlg *add) {
        auto *choices = control<QComboBox>(add, AddLanguageControl::Languages);
        firstOffered = choices->currentText();
        choices->setCurrentIndex(choices->findText(u"Italian (Italy)"_s));
        whenModal<CAmendLanguageMapDlg>(this, [](CAmendLanguageMapDlg *editor) {
            auto *value = control<CMyEdit>(editor, EditorControl::Value);
            editor->SelectRow(0);
            value->setText(u"Va bene"_s);
            editor->CommitValue();
            editor->SelectRow(1);
            value->setText(u"Annulla"_s);
            editor->CommitValue();
            QTest::mouseClick(control<QPushButton>(editor, EditorControl::Save), Qt::LeftButton);
        });
        QTest::mouseClick(control<QPushButton>(add, AddLanguageControl::Add), Qt::LeftButton);
    });
    QTest::mouseClick(control<QPushButton>(&main, MainWindowControl::AddLanguage), Qt::LeftButton);

    QCOMPARE(firstOffered, u"Afrikaans (South Africa)"_s);
    QCOMPARE(languages->count(), languageCount + 1);
    QCOMPARE(languages->currentText(), u"Italian (Italy)"_s);
    // The list shows the new language, not German: an editor opened from it
    // would otherwise save German values into the Italian file.
    const auto &listed = main.entryList().entries();
    QCOMPARE(listed.at(0).value, u"Va bene"_s);
    QCOMPARE(listed.at(2).value, QString());

    const QByteArray italian = TestFiles::read(m_demo->path(u"language/Italian (Italy).ini"_s));
    QVERIFY(
        italian.startsWith("\xEF\xBB\xBF[text]\nIDS_OK=Va bene\nIDS_CANCEL=Annulla\nIDS_APPLY=\n"));
    const qsizetype keys
        = qsizetype(main.installation().languageStore().ReferenceKeyTable().size());
    QCOMPARE(italian.count('\n'), keys + 1);
    const QByteArray index = TestFiles::read(m_demo->path(u"language/LanguageIndex.ini"_s));
    QVERIFY(index.contains("\n0x0410=Italian (Italy)\n"));
    QVERIFY(index.contains("\n0x0410=Italian_Italy\n"));
    const QByteArray common
        = TestFiles::read(m_demo->path(u"Web/LanguageInfo/Italian_Italy/common.xml"_s));
    QVERIFY(common.startsWith("\xEF\xBB\xBF"));
    QVERIFY(common.contains("\t\t<item id=\"web.login.title\""));
    QVERIFY(main.installation().presentLanguages().count(
        m_demo->config().catalogue.rowOfCode(u"0x0410"_s)));
}

// Opened by a double click, the editor has the caret at the end of the
// entry's value: typing edits it and Enter commits it.
void tst_EndToEnd::typingAfterOpeningOnAnEntry()
{
    m_demo->select(u"German (Germany)"_s);
    CLexivoDlg &main = m_demo->mainWindow();
    main.activateWindow(); // as when it runs
    QTRY_COMPARE(QGuiApplication::focusWindow(), main.windowHandle());
    QString typed;
    QString committed;
    whenModal<CAmendLanguageMapDlg>(this, [&](CAmendLanguageMapDlg *editor) {
        const int row = editor->currentRow();
        QVERIFY(pressKeyOn(editor, Qt::Key_Exclam, Qt::ShiftModifier));
        typed = control<CMyEdit>(editor, EditorControl::Value)->text();
        QVERIFY(pressKeyOn(editor, Qt::Key_Return));
        committed = editor->rows().row(row).value;
        editor->reject(); // the question is answered Yes
    });
    doubleClick(control<QTableView>(&main, MainWindowControl::Entries), 1);
    QCOMPARE(typed, u"Abbrechen!"_s);
    QCOMPARE(committed, u"Abbrechen!"_s);
}

QTEST_MAIN(tst_EndToEnd)
#include "tst_endtoend.moc"
