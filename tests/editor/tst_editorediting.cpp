#include "DemoInstallation.h"
#include "TestFiles.h"
#include "controls/CAmendListCtrl.h"
#include "controls/CMyEdit.h"
#include "controls/DialogResults.h"
#include "controls/DialogTemplate.h"
#include "editorwindow/EditorControls.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_EditorEditing : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void enterInTheSearchFieldUpperCasesAttributes();
    void searchMovesOnAndStartsAgain();
    void searchByValueAndReference_data();
    void searchByValueAndReference();
    void enterInTheValueField();
    void modifyMarksAnUnchangedRow();
    void upAndDownFromEveryControl();
    void fieldsFollowTheListSelection_data();
    void fieldsFollowTheListSelection();
    void nextBlank();
    void hiddenButtons();
    void hugeAndMultiLineValues();
    void missingFiles_data();
    void missingFiles();

private:
    std::unique_ptr<CAmendLanguageMapDlg> openGerman();

    std::unique_ptr<DemoInstallation> m_demo;
};

void tst_EditorEditing::init()
{
    m_demo = std::make_unique<DemoInstallation>();
}

void tst_EditorEditing::cleanup()
{
    m_demo.reset();
}

std::unique_ptr<CAmendLanguageMapDlg> tst_EditorEditing::openGerman()
{
    m_demo->select(u"German (Germany)"_s);
    return m_demo->openEditor();
}

void tst_EditorEditing::enterInTheSearchFieldUpperCasesAttributes()
{
    const auto editor = openGerman();
    auto *search = control<QLineEdit>(editor.get(), EditorControl::SearchText);
    search->setText(u"ids_cancel"_s);

    QTest::mouseClick(control<QPushButton>(editor.get(), EditorControl::SearchNext),
                      Qt::LeftButton);
    QCOMPARE(m_demo->messages.size(), 1);
    QCOMPARE(m_demo->messages.last().text, u"No matching objects."_s);

    search->setFocus();
    QTest::keyClick(search, Qt::Key_Return);
    QCOMPARE(editor->currentRow(), 1);
    QCOMPARE(control<QLineEdit>(editor.get(), EditorControl::Attribute)->text(), u"IDS_CANCEL"_s);
    QCOMPARE(search->text(), u"IDS_CANCEL"_s);
    QVERIFY(editor->isVisible());
}

void tst_EditorEditing::searchMovesOnAndStartsAgain()
{
    const auto editor = openGerman();
    control<QLineEdit>(editor.get(), EditorControl::SearchText)->setText(u"IDS_DEVICE_"_s);
    QPushButton *next = control<QPushButton>(editor.get(), EditorControl::SearchNext);
    QList<int> matches;
    for (;;) {
        QTest::mouseClick(next, Qt::LeftButton);
        if (!m_demo->messages.isEmpty())
            break;
        matches.append(editor->currentRow());
    }
    QVERIFY(matches.size() > 2);
    QVERIFY(std::is_sorted(matches.cbegin(), matches.cend()));
    QCOMPARE(std::adjacent_find(matches.cbegin(), matches.cend()), matches.cend());
    QCOMPARE(m_demo->messages.first().text, u"No matching objects."_s);
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(editor->currentRow(), matches.first());
}

void tst_EditorEditing::searchByValueAndReference_data()
{
    QTest::addColumn<int>("radio");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("attribute");

    const int byValue = EditorControl::ByValue;
    const int byReference = EditorControl::ByReference;
    QTest::newRow("by value") << byValue << u"Abbrechen"_s << u"IDS_CANCEL"_s;
    QTest::newRow("by reference") << byReference << u"Apply"_s << u"IDS_APPLY"_s;
    QTest::newRow("by value, case-sensitive") << byValue << u"abbrechen"_s << QString();
}

void tst_EditorEditing::searchByValueAndReference()
{
    QFETCH(int, radio);
    QFETCH(QString, pattern);
    QFETCH(QString, attribute);

    const auto editor = openGerman();
    QTest::mouseClick(control<QRadioButton>(editor.get(), radio), Qt::LeftButton);
    auto *search = control<QLineEdit>(editor.get(), EditorControl::SearchText);
    search->setText(pattern);
    search->setFocus();
    QTest::keyClick(search, Qt::Key_Enter);
    if (attribute.isEmpty()) {
        QCOMPARE(m_demo->messages.size(), 1);
        return;
    }
    QCOMPARE(editor->rows().row(editor->currentRow()).attribute, attribute);
    QCOMPARE(search->text(), pattern); // only attribute searches upper-case the pattern
}

void tst_EditorEditing::enterInTheValueField()
{
    const auto editor = openGerman();
    auto *value = control<CMyEdit>(editor.get(), EditorControl::Value);

    // With no row selected, Enter selects the first.
    value->setFocus();
    QTest::keyClick(value, Qt::Key_Return);
    QCOMPARE(editor->currentRow(), 0);

    // Unchanged: the row keeps its status and the next row is shown.
    QTest::keyClick(value, Qt::Key_Return);
    QCOMPARE(editor->currentRow(), 1);
    QCOMPARE(editor->rows().GetItemStatus(0), EntryStatus::None);

    // Changed: committed, then the next row.
    QTest::keyClicks(value, u"!"_s);
    QTest::keyClick(value, Qt::Key_Return);
    QCOMPARE(editor->rows().row(1).value, u"Abbrechen!"_s);
    QCOMPARE(editor->rows().GetItemStatus(1), EntryStatus::Modified);
    QCOMPARE(editor->currentRow(), 2);

    // On the last row Enter commits without moving.
    const int last = editor->rows().rowCount() - 1;
    editor->SelectRow(last);
    QTest::keyClicks(value, u"x"_s);
    QTest::keyClick(value, Qt::Key_Return);
    QCOMPARE(editor->currentRow(), last);
    QVERIFY(editor->rows().row(last).value.endsWith(u'x'));
    QVERIFY(editor->isVisible());
}

void tst_EditorEditing::modifyMarksAnUnchangedRow()
{
    const auto editor = openGerman();
    editor->SelectRow(0);
    QTest::mouseClick(control<QPushButton>(editor.get(), EditorControl::Modify), Qt::LeftButton);
    QCOMPARE(editor->rows().GetItemStatus(0), EntryStatus::Modified);

    // Dropping a symbol gives ERROR even when the value is also too long.
    const auto &rows = editor->rows().rows();
    const int apply
        = int(std::find_if(rows.cbegin(), rows.cend(),
                           [](const EditorRow &row) { return row.attribute == u"IDS_APPLY"; })
              - rows.cbegin());
    editor->SelectRow(apply);
    control<CMyEdit>(editor.get(), EditorControl::Value)->setText(u"Übernehmen %d Übernehmen"_s);
    editor->CommitValue();
    QCOMPARE(editor->rows().GetItemStatus(apply), EntryStatus::Error);
}

void tst_EditorEditing::upAndDownFromEveryControl()
{
    const auto editor = openGerman();
    const QList<QWidget *> targets { control<QLineEdit>(editor.get(), EditorControl::SearchText),
                                     control<QComboBox>(editor.get(),
                                                        EditorControl::ReferenceLanguage),
                                     control<CMyEdit>(editor.get(), EditorControl::Value),
                                     control<CAmendListCtrl>(editor.get(), EditorControl::List) };
    for (QWidget *target : targets) {
        editor->SelectRow(3);
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Down);
        QCOMPARE(editor->currentRow(), 4);
        QTest::keyClick(target, Qt::Key_Up);
        QTest::keyClick(target, Qt::Key_Up);
        QCOMPARE(editor->currentRow(), 2);
    }
    QCOMPARE(control<QComboBox>(editor.get(), EditorControl::ReferenceLanguage)->currentText(),
             u"English (United States)"_s);

    auto *value = control<CMyEdit>(editor.get(), EditorControl::Value);
    editor->SelectRow(0);
    QTest::keyClick(value, Qt::Key_Up);
    QCOMPARE(editor->currentRow(), 0);
    const int last = editor->rows().rowCount() - 1;
    editor->SelectRow(last);
    QTest::keyClick(value, Qt::Key_Down);
    QCOMPARE(editor->currentRow(), last);
    QTest::keyClick(value, Qt::Key_Escape);
    QVERIFY(editor->isVisible());
}

void tst_EditorEditing::fieldsFollowTheListSelection_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Page Down") << int(Qt::Key_PageDown);
    QTest::newRow("End") << int(Qt::Key_End);
    QTest::newRow("type-ahead") << int(Qt::Key_W);
    QTest::newRow("header sort") << 0;
}

// A commit always goes into the row the fields show, whatever moved the list.
void tst_EditorEditing::fieldsFollowTheListSelection()
{
    QFETCH(int, key);

    const auto editor = openGerman();
    auto *list = control<CAmendListCtrl>(editor.get(), EditorControl::List);
    editor->SelectRow(2);
    list->setFocus();
    if (key) {
        QTest::keyClick(list, Qt::Key(key));
    } else {
        QHeaderView *header = list->horizontalHeader();
        const int x = header->sectionViewportPosition(EditorRowModel::ValueColumn) + 5;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, 5));
    }
    const int shown = editor->currentRow();
    QVERIFY(shown >= 0);
    QCOMPARE(list->currentIndex().row(), shown);
    const EditorRow row = editor->rows().row(shown);
    QCOMPARE(control<QLineEdit>(editor.get(), EditorControl::Attribute)->text(), row.attribute);
    QCOMPARE(control<CMyEdit>(editor.get(), EditorControl::Value)->text(), row.value);

    control<CMyEdit>(editor.get(), EditorControl::Value)->setText(u"Neu"_s);
    editor->CommitValue();
    const int changed = editor->rows().rowOfOrdinal(row.ordinal);
    QCOMPARE(editor->rows().row(changed).value, u"Neu"_s);
    int modified = 0;
    for (int i = 0; i < editor->rows().rowCount(); ++i)
        modified += editor->rows().GetItemStatus(i) == EntryStatus::Modified;
    QCOMPARE(modified, 1);
}

void tst_EditorEditing::nextBlank()
{
    const auto editor = openGerman();
    auto *nextBlank = control<QPushButton>(editor.get(), EditorControl::NextBlank);
    QVERIFY(nextBlank->isHidden());
    nextBlank->click();
    const int blank = editor->currentRow();
    QVERIFY(blank > 0);
    QVERIFY(editor->rows().row(blank).value.trimmed().isEmpty());
    nextBlank->click();
    QCOMPARE(editor->currentRow(), blank); // it always starts at the first row
}

void tst_EditorEditing::hiddenButtons()
{
    const auto editor = openGerman();
    auto *remove = control<QPushButton>(editor.get(), EditorControl::RemoveRedundant);
    QVERIFY(remove->isHidden());
    QVERIFY(control<QPushButton>(editor.get(), EditorControl::AddAttribute)->isHidden());
    QVERIFY(control<QLineEdit>(editor.get(), EditorControl::Reference)->isReadOnly());
    remove->click();
    QCOMPARE(m_demo->messages.size(), 1);
    QCOMPARE(m_demo->messages.first().text, u"DONE."_s);
}

void tst_EditorEditing::hugeAndMultiLineValues()
{
    const auto editor = openGerman();
    auto *value = control<CMyEdit>(editor.get(), EditorControl::Value);
    editor->SelectRow(0);
    const QString huge(100000, u'x');
    value->setText(huge);
    editor->CommitValue();
    QCOMPARE(editor->rows().row(0).value, huge);

    editor->SelectRow(1);
    QApplication::clipboard()->setText(u"erste\nzweite\r\ndritte"_s);
    value->setFocus();
    value->selectAll();
    QTest::keyClick(value, Qt::Key_V, Qt::ControlModifier);
    QVERIFY(!value->text().contains(u'\n'));
    QVERIFY(value->text().startsWith(u"erste"_s));
}

void tst_EditorEditing::missingFiles_data()
{
    QTest::addColumn<QString>("removed");
    QTest::addColumn<QByteArray>("lengthLimits");

    QTest::newRow("reference file") << u"language/English (United States).ini"_s << QByteArray();
    QTest::newRow("edited file") << u"language/German (Germany).ini"_s << QByteArray();
    QTest::newRow("odd length limits")
        << QString() << QByteArray("[text]\nno equals\nA=B=C\n=x\nIDS_OK=\n");
}

void tst_EditorEditing::missingFiles()
{
    QFETCH(QString, removed);
    QFETCH(QByteArray, lengthLimits);

    // Other length limits come from a tool folder of this test's own.
    QTemporaryDir tools;
    if (!lengthLimits.isNull()) {
        const QDir ownFiles(QCoreApplication::applicationDirPath());
        for (const QString &name : { u"ConfigParameter.xml"_s, u"OR_supportLanguageInfo.xml"_s })
            QVERIFY(QFile::copy(ownFiles.filePath(name), tools.filePath(name)));
        TestFiles::write(tools.filePath(u"CheckLength.ini"_s), lengthLimits);
        m_demo.reset();
        m_demo = std::make_unique<DemoInstallation>(tools.path());
    }
    m_demo->select(u"German (Germany)"_s);
    if (!removed.isEmpty())
        QVERIFY(QFile::remove(m_demo->path(removed)));
    const auto editor = m_demo->openEditor();

    QCOMPARE(editor->rows().rowCount(), m_demo->mainWindow().entryList().rowCount());
    editor->SelectRow(0);
    control<CMyEdit>(editor.get(), EditorControl::Value)->setText(u"Gut"_s);
    editor->CommitValue();
    editor->Save();
    QCOMPARE(editor->result(), int(DialogResult::Done));
    QVERIFY(
        TestFiles::read(m_demo->path(u"language/German (Germany).ini"_s)).contains("IDS_OK=Gut"));
}

QTEST_MAIN(tst_EditorEditing)
#include "tst_editorediting.moc"
