#include "DemoInstallation.h"
#include "ModalDialogs.h"
#include "TestFiles.h"
#include "controls/CAmendListCtrl.h"
#include "controls/CMyEdit.h"
#include "controls/CViewDlg.h"
#include "controls/DialogTemplate.h"
#include "controls/StaticTextBox.h"
#include "controls/ViewControls.h"
#include "editor/FormatSymbols.h"
#include "editorwindow/EditorControls.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

class tst_AmendLanguageMapDlg : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void existingLanguage();
    void newLanguage();
    void referenceDefault_data();
    void referenceDefault();
    void changingTheReferenceNeverLowersAStatus();
    void rowColours();
    void headerClicksSort();
    void liveHighlightWhileTyping();
    void previewOnDoubleClick();
    void layoutFollowsTheSize();
    void tabFollowsTheTable_data();
    void tabFollowsTheTable();
    void sortingKeepsTheSelectionInSight();
    void questionTakesItsKeys_data();
    void questionTakesItsKeys();
    void referenceComboHasAClosedHeight();

private:
    int rowOf(const CAmendLanguageMapDlg &editor, const QString &attribute) const;

    std::unique_ptr<DemoInstallation> m_demo;
};

void tst_AmendLanguageMapDlg::init()
{
    m_demo = std::make_unique<DemoInstallation>();
}

void tst_AmendLanguageMapDlg::cleanup()
{
    m_demo.reset();
}

int tst_AmendLanguageMapDlg::rowOf(const CAmendLanguageMapDlg &editor,
                                   const QString &attribute) const
{
    const QList<EditorRow> &rows = editor.rows().rows();
    for (int row = 0; row < rows.size(); ++row) {
        if (rows.at(row).attribute == attribute)
            return row;
    }
    return -1;
}

void tst_AmendLanguageMapDlg::existingLanguage()
{
    m_demo->select(u"German (Germany)"_s);
    const auto editor = m_demo->openEditor();

    QCOMPARE(editor->windowTitle(), u"Translation in Process      German (Germany)"_s);
    const auto &entries = m_demo->mainWindow().entryList().entries();
    QCOMPARE(editor->rows().rowCount(), int(entries.size()));
    for (int row = 0; row < entries.size(); ++row) {
        QCOMPARE(editor->rows().row(row).ordinal, entries.at(row).ordinal);
        QCOMPARE(editor->rows().row(row).value, entries.at(row).value);
    }
    QCOMPARE(control<QLabel>(editor.get(), EditorControl::Warning)->text(),
             QString::fromUtf8(ClientConfig::NoticeForNewTool));
    QCOMPARE(control<QComboBox>(editor.get(), EditorControl::ReferenceLanguage)->currentText(),
             u"English (United States)"_s);

    // The planted faults of the demo: a changed symbol, a dropped escape, a
    // dropped brace and a value wider than its sample.
    const auto statusOf = [&](const QString &attribute) {
        return editor->rows().GetItemStatus(rowOf(*editor, attribute));
    };
    QCOMPARE(statusOf(u"IDS_SETTINGS_DISK_USAGE"_s), EntryStatus::Error);
    QCOMPARE(statusOf(u"IDS_DEVICE_CONNECT_FAILED"_s), EntryStatus::Error);
    QCOMPARE(statusOf(u"web.live.cameras_online"_s), EntryStatus::Error);
    QCOMPARE(statusOf(u"IDS_APPLY"_s), EntryStatus::TooLong);
    QCOMPARE(statusOf(u"IDS_OK"_s), EntryStatus::None);
    QCOMPARE(editor->rows().row(0).reference, u"OK"_s);
}

void tst_AmendLanguageMapDlg::newLanguage()
{
    auto editor = std::make_unique<CAmendLanguageMapDlg>(m_demo->mainWindow().editorContext(),
                                                         &m_demo->mainWindow());
    AttributeMap attributes
        = m_demo->mainWindow().installation().languageStore().ReferenceKeyTable();
    m_demo->mainWindow().installation().webLanguageStore().AddWebKeys(attributes);
    editor->setSourceMap(attributes);
    editor->setEditedLanguage(m_demo->config().catalogue.rowOfCode(u"0x0410"_s)); // Italian
    editor->OnInitDialog();

    QCOMPARE(editor->rows().rowCount(), int(attributes.size()));
    for (const EditorRow &row : editor->rows().rows()) {
        QVERIFY(row.value.isEmpty());
        const bool hasSymbol = !formatSymbols(row.ordinal, row.reference).isEmpty();
        QCOMPARE(row.status, hasSymbol ? EntryStatus::Error : EntryStatus::None);
    }
}

void tst_AmendLanguageMapDlg::referenceDefault_data()
{
    QTest::addColumn<QString>("edited");
    QTest::addColumn<QList<int>>("present");
    QTest::addColumn<QString>("reference");

    QTest::newRow("another language: English")
        << u"German (Germany)"_s << QList<int> { 0, 1, 55 } << u"English (United States)"_s;
    QTest::newRow("English: Chinese")
        << u"English (United States)"_s << QList<int> { 0, 1, 55 } << u"Chinese (PRC)"_s;
    QTest::newRow("no English: the first")
        << u"German (Germany)"_s << QList<int> { 0, 50, 55 } << u"Chinese (PRC)"_s;
    QTest::newRow("alone: none") << u"German (Germany)"_s << QList<int> { 55 } << QString();
}

void tst_AmendLanguageMapDlg::referenceDefault()
{
    QFETCH(QString, edited);
    QFETCH(QList<int>, present);
    QFETCH(QString, reference);

    m_demo->select(edited);
    m_demo->mainWindow().installation().presentLanguages()
        = PresentLanguages(present.cbegin(), present.cend());
    const auto editor = m_demo->openEditor();
    QCOMPARE(control<QComboBox>(editor.get(), EditorControl::ReferenceLanguage)->currentText(),
             reference);
    if (reference.isEmpty()) {
        for (const EditorRow &row : editor->rows().rows())
            QVERIFY(row.reference.isEmpty());
    }
}

void tst_AmendLanguageMapDlg::changingTheReferenceNeverLowersAStatus()
{
    m_demo->select(u"German (Germany)"_s);
    const auto editor = m_demo->openEditor();
    const int disk = rowOf(*editor, u"IDS_SETTINGS_DISK_USAGE"_s);
    QCOMPARE(editor->rows().GetItemStatus(disk), EntryStatus::Error);

    // Against a reference with the same "%d" the row would pass; it keeps its mark.
    TestFiles::write(m_demo->path(u"language/Chinese (PRC).ini"_s),
                     "\xEF\xBB\xBF[text]\nIDS_SETTINGS_DISK_USAGE=%d MB\n");
    auto *references = control<QComboBox>(editor.get(), EditorControl::ReferenceLanguage);
    references->setCurrentIndex(references->findText(u"Chinese (PRC)"_s));
    QCOMPARE(editor->rows().row(disk).reference, u"%d MB"_s);
    QCOMPARE(editor->rows().GetItemStatus(disk), EntryStatus::Error);
    QCOMPARE(editor->rows().row(0).reference, QString());
}

void tst_AmendLanguageMapDlg::rowColours()
{
    m_demo->select(u"German (Germany)"_s);
    const auto editor = m_demo->openEditor();
    auto *list = control<CAmendListCtrl>(editor.get(), EditorControl::List);
    const int tooLong = rowOf(*editor, u"IDS_APPLY"_s);
    const int plain = rowOf(*editor, u"IDS_SAVE"_s);
    editor->SelectRow(0);
    editor->CommitValue(); // unchanged and fitting: MODIFIED

    const QImage image = list->viewport()->grab().toImage();
    const auto colourOf = [&](int row) {
        const QRect cell = list->visualRect(list->model()->index(row, 2));
        return image.pixelColor(cell.right() - 2, cell.top() + 1).rgb();
    };
    QCOMPARE(colourOf(tooLong), QColor(255, 0, 0).rgb());
    QCOMPARE(colourOf(0), QColor(51, 153, 255).rgb()); // selected wins over MODIFIED
    QCOMPARE(colourOf(plain), list->palette().color(QPalette::Base).rgb());

    editor->SelectRow(plain);
    const QImage after = list->viewport()->grab().toImage();
    const QRect modified = list->visualRect(list->model()->index(0, 2));
    QCOMPARE(after.pixelColor(modified.right() - 2, modified.top() + 1).rgb(),
             QColor(255, 255, 93).rgb());
}

void tst_AmendLanguageMapDlg::headerClicksSort()
{
    m_demo->select(u"German (Germany)"_s);
    const auto editor = m_demo->openEditor();
    auto *list = control<CAmendListCtrl>(editor.get(), EditorControl::List);
    QHeaderView *header = list->horizontalHeader();
    const auto statuses = [&] {
        QStringList texts;
        for (const EditorRow &row : editor->rows().rows())
            texts.append(statusText(row.status));
        return texts;
    };
    QStringList sorted = statuses();
    std::stable_sort(sorted.begin(), sorted.end(), [](const QString &a, const QString &b) {
        return a.localeAwareCompare(b) < 0;
    });

    const int status = EditorRowModel::StatusColumn;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(status) + 5, 5));
    QCOMPARE(statuses(), sorted);
    QVERIFY(statuses().first().isEmpty());
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(status) + 5, 5));
    QCOMPARE(statuses().first(), u"TOO LONG"_s);
    QVERIFY(!list->sortAscending());
}

void tst_AmendLanguageMapDlg::liveHighlightWhileTyping()
{
    m_demo->select(u"German (Germany)"_s);
    const auto editor = m_demo->openEditor();
    auto *value = control<CMyEdit>(editor.get(), EditorControl::Value);
    editor->SelectRow(rowOf(*editor, u"IDS_APPLY"_s)); // "Übernehmen" for "Apply"
    const QColor red(255, 0, 0);
    QCOMPARE(value->colourAt(value->text().size() - 1), red);
    QVERIFY(value->colourAt(0) != red);

    // Back within the width everything turns black, and red again past it.
    value->setFocus();
    for (int i = 0; i < 6; ++i)
        QTest::keyClick(value, Qt::Key_Backspace);
    QCOMPARE(value->text(), u"Über"_s);
    QCOMPARE(value->colourAt(3), QColor(0, 0, 0));
    QTest::keyClicks(value, u"nehmen"_s);
    QCOMPARE(value->colourAt(value->text().size() - 1), red);
    QCOMPARE(editor->rows().GetItemStatus(rowOf(*editor, u"IDS_APPLY"_s)), EntryStatus::TooLong);

    // Exactly the characters past the cut are red, wherever the cut moves:
    // as red as the same text shown afresh.
    const auto firstRed = [value, red] {
        int position = 0;
        while (position < value->text().size() && value->colourAt(position) != red)
            ++position;
        for (int rest = position; rest < value->text().size(); ++rest) {
            if (value->colourAt(rest) != red)
                return -1;
        }
        return position;
    };
    QTest::keyClicks(value, u"WWWWiiii"_s);
    value->moveCursor(QTextCursor::Start);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(value, Qt::Key_Delete);
    QTest::keyClick(value, Qt::Key_End);
    QTest::keyClick(value, Qt::Key_Backspace); // a character key: the field is measured
    const int typed = firstRed();
    QVERIFY(typed > 0 && typed < value->text().size());
    editor->CommitValue();
    editor->SelectRow(rowOf(*editor, u"IDS_APPLY"_s));
    QCOMPARE(firstRed(), typed);
}

void tst_AmendLanguageMapDlg::previewOnDoubleClick()
{
    m_demo->select(u"German (Germany)"_s);
    const auto editor = m_demo->openEditor();
    auto *list = control<CAmendListCtrl>(editor.get(), EditorControl::List);
    const int row = rowOf(*editor, u"IDS_TAB_SETTINGS"_s);
    list->scrollTo(list->model()->index(row, 0));

    QString sample, value;
    QTimer::singleShot(0, this, [&] {
        auto *preview = qobject_cast<CViewDlg *>(QApplication::activeModalWidget());
        if (!preview)
            return;
        sample = control<StaticTextBox>(preview, ViewControl::SampleBox)->text();
        value = control<StaticTextBox>(preview, ViewControl::ValueBox)->text();
        preview->accept();
    });
    const QPoint centre = list->visualRect(list->model()->index(row, 1)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
    QCOMPARE(sample, u"Settings"_s);
    QCOMPARE(value, u"Systemeinstellungen"_s);
}

void tst_AmendLanguageMapDlg::layoutFollowsTheSize()
{
    m_demo->select(u"German (Germany)"_s);
    const auto editor = m_demo->openEditor();
    editor->resize(1200, 800);
    QCOMPARE(control<CAmendListCtrl>(editor.get(), EditorControl::List)->geometry(),
             QRect(10, 270, 1180, 485));
    QCOMPARE(control<QWidget>(editor.get(), EditorControl::Save)->geometry(),
             QRect(970, 760, 100, 30));
    QCOMPARE(control<QWidget>(editor.get(), EditorControl::Cancel)->geometry(),
             QRect(1090, 760, 100, 30));
    // Before the first resize the rule has run too: Cancel is inside the window.
    const auto second = m_demo->openEditor();
    QVERIFY(
        second->rect().contains(control<QWidget>(second.get(), EditorControl::Cancel)->geometry()));
}

void tst_AmendLanguageMapDlg::tabFollowsTheTable_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    using namespace EditorControl;
    QTest::newRow("search field to the first radio button") << int(SearchText) << int(ByAttribute);
    QTest::newRow("value field to the reference") << int(Value) << int(Reference);
    QTest::newRow("Modify to the reference language") << int(Modify) << int(ReferenceLanguage);
    QTest::newRow("reference language to the list") << int(ReferenceLanguage) << int(List);
    QTest::newRow("the list to Save as") << int(List) << int(SaveAs);
}

// Tab walks the controls in the order of the dialog's table, and leaves the
// list instead of walking its cells.
void tst_AmendLanguageMapDlg::tabFollowsTheTable()
{
    QFETCH(int, from);
    QFETCH(int, to);
    m_demo->select(u"German (Germany)"_s);
    const auto editor = m_demo->openEditor();
    editor->SelectRow(2);
    control<QWidget>(editor.get(), from)->setFocus();
    QVERIFY(pressKeyOn(editor.get(), Qt::Key_Tab));
    QCOMPARE(QApplication::focusWidget(), control<QWidget>(editor.get(), to));
    QCOMPARE(editor->currentRow(), 2);
}

void tst_AmendLanguageMapDlg::sortingKeepsTheSelectionInSight()
{
    m_demo->select(u"German (Germany)"_s);
    const auto editor = m_demo->openEditor();
    auto *list = control<CAmendListCtrl>(editor.get(), EditorControl::List);
    QVERIFY(QTest::qWaitForWindowExposed(editor.get()));
    editor->SelectRow(0);
    QHeaderView *header = list->horizontalHeader();
    const QPoint attribute(header->sectionViewportPosition(0) + 5, 5);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, attribute);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, attribute);
    QVERIFY(list->currentIndex().row() > 20);
    QVERIFY(list->viewport()->rect().contains(list->visualRect(list->currentIndex())));
}

void tst_AmendLanguageMapDlg::questionTakesItsKeys_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<bool>("left");
    QTest::newRow("Enter says Yes") << Qt::Key_Return << true;
    QTest::newRow("Escape says No") << Qt::Key_Escape << false;
}

// A real "Warning" question over the editor, answered from the keyboard.
void tst_AmendLanguageMapDlg::questionTakesItsKeys()
{
    QFETCH(Qt::Key, key);
    QFETCH(bool, left);
    m_demo->select(u"German (Germany)"_s);
    const auto editor = m_demo->openEditor(); // the demo's German has marked rows
    MessageBoxes::setAnswerer({});

    bool stayedOpen = false;
    whenModal<QMessageBox>(this, [&](QMessageBox *box) {
        QVERIFY(pressKeyOn(box, key));
        QTimer::singleShot(LostKeyMilliseconds, box, [&stayedOpen, box] {
            stayedOpen = true;
            box->close();
        });
    });
    QTest::mouseClick(control<QPushButton>(editor.get(), EditorControl::Cancel), Qt::LeftButton);
    QVERIFY(!stayedOpen);
    QCOMPARE(editor->isVisible(), !left);
}

// Its table height is the extent of the drop-down list, not of the box.
void tst_AmendLanguageMapDlg::referenceComboHasAClosedHeight()
{
    m_demo->select(u"German (Germany)"_s);
    const auto editor = m_demo->openEditor();
    const auto *references = control<QComboBox>(editor.get(), EditorControl::ReferenceLanguage);
    QCOMPARE(references->height(), references->sizeHint().height());
}

QTEST_MAIN(tst_AmendLanguageMapDlg)
#include "tst_amendlanguagemapdlg.moc"
