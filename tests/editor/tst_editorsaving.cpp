#include "DemoInstallation.h"
#include "TestFiles.h"
#include "controls/CMyEdit.h"
#include "controls/DialogResults.h"
#include "controls/DialogTemplate.h"
#include "controls/FileDialogs.h"
#include "editorwindow/EditorControls.h"

#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_EditorSaving : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void saveWithoutStatusesWritesNothing();
    void oneQuestionForTheFirstMarkedRow_data();
    void oneQuestionForTheFirstMarkedRow();
    void failedSaveKeepsEverything();
    void failedWebSaveAfterTheIniFile();
    void saveAs_data();
    void saveAs();
    void cancelAsksOnlyWithStatuses_data();
    void cancelAsksOnlyWithStatuses();

private:
    std::unique_ptr<CAmendLanguageMapDlg> openGerman();
    int rowOf(const CAmendLanguageMapDlg &editor, const QString &attribute) const;
    QString german() const { return m_demo->path(u"language/German (Germany).ini"_s); }

    std::unique_ptr<DemoInstallation> m_demo;
};

void tst_EditorSaving::init()
{
    m_demo = std::make_unique<DemoInstallation>();
}

void tst_EditorSaving::cleanup()
{
    FileDialogs::setChooser({});
    m_demo.reset();
}

std::unique_ptr<CAmendLanguageMapDlg> tst_EditorSaving::openGerman()
{
    m_demo->select(u"German (Germany)"_s);
    return m_demo->openEditor();
}

int tst_EditorSaving::rowOf(const CAmendLanguageMapDlg &editor, const QString &attribute) const
{
    const QList<EditorRow> &rows = editor.rows().rows();
    for (int row = 0; row < rows.size(); ++row) {
        if (rows.at(row).attribute == attribute)
            return row;
    }
    return -1;
}

// English against Chinese has no marks: Save writes nothing and ends.
void tst_EditorSaving::saveWithoutStatusesWritesNothing()
{
    m_demo->select(u"English (United States)"_s);
    const auto editor = m_demo->openEditor();
    for (const EditorRow &row : editor->rows().rows())
        QVERIFY2(row.status == EntryStatus::None,
                 qPrintable(row.attribute + u" is "_s + statusText(row.status) + u": "_s + row.value
                            + u" / "_s + row.reference));
    const QString english = m_demo->path(u"language/English (United States).ini"_s);
    const QByteArray before = TestFiles::read(english);
    editor->Save();
    QCOMPARE(editor->result(), int(DialogResult::Done));
    QCOMPARE(TestFiles::read(english), before);
    QVERIFY(m_demo->messages.isEmpty());
}

void tst_EditorSaving::oneQuestionForTheFirstMarkedRow_data()
{
    QTest::addColumn<bool>("answer");
    QTest::newRow("yes writes every marked row") << true;
    QTest::newRow("no writes nothing") << false;
}

// German's first marked row is too long (IDS_APPLY); the format errors after
// it ask nothing more.
void tst_EditorSaving::oneQuestionForTheFirstMarkedRow()
{
    QFETCH(bool, answer);

    const auto editor = openGerman();
    const QByteArray before = TestFiles::read(german());
    m_demo->answer = answer;
    editor->Save();

    QCOMPARE(m_demo->messages.size(), 1);
    QCOMPARE(m_demo->messages.first().caption, u"Warning"_s);
    QCOMPARE(m_demo->messages.first().text,
             u"Attribute: IDS_APPLY .Translate too long! Do you want to continue to save?"_s);
    if (!answer) {
        QCOMPARE(editor->result(), 0);
        QCOMPARE(editor->currentRow(), rowOf(*editor, u"IDS_APPLY"_s));
        QCOMPARE(TestFiles::read(german()), before);
        return;
    }
    QCOMPARE(editor->result(), int(DialogResult::Done));
    const QByteArray after = TestFiles::read(german());
    QVERIFY(after.contains("IDS_SETTINGS_DISK_USAGE=Speicherbelegung: %d MB\n"));
    // Marked rows missing from the file are written, with their empty values.
    QVERIFY(!before.contains("IDS_ALARM_NEW="));
    QVERIFY(after.contains("IDS_ALARM_NEW=\n"));
}

void tst_EditorSaving::failedSaveKeepsEverything()
{
    const auto editor = openGerman();
    editor->SelectRow(0);
    control<CMyEdit>(editor.get(), EditorControl::Value)->setText(u"Jawohl"_s);
    editor->CommitValue();
    QStringList statuses;
    for (const EditorRow &row : editor->rows().rows())
        statuses.append(statusText(row.status));
    const QByteArray before = TestFiles::read(german());
    const auto listBefore = m_demo->mainWindow().entryList().entries();

    TestFiles::makeReadOnly(german());
    editor->Save();
    TestFiles::makeWritable(german());

    QCOMPARE(editor->result(), 0);
    QCOMPARE(TestFiles::read(german()), before);
    QVERIFY(m_demo->messages.last().text.contains(u"German (Germany).ini"_s));
    QCOMPARE(editor->rows().row(0).value, u"Jawohl"_s);
    QStringList after;
    for (const EditorRow &row : editor->rows().rows())
        after.append(statusText(row.status));
    QCOMPARE(after, statuses);
    QCOMPARE(m_demo->mainWindow().entryList().entries().first().value, listBefore.first().value);

    // Once the file can be written again, the same save goes through.
    editor->Save();
    QCOMPARE(editor->result(), int(DialogResult::Done));
    QVERIFY(TestFiles::read(german()).contains("IDS_OK=Jawohl\n"));
    QCOMPARE(m_demo->mainWindow().entryList().entries().first().value, u"Jawohl"_s);
}

// The INI file took the values but a web file did not: the user is told which,
// the main list shows what the files hold, and a second Save writes the rest.
void tst_EditorSaving::failedWebSaveAfterTheIniFile()
{
    const auto editor = openGerman();
    auto *value = control<CMyEdit>(editor.get(), EditorControl::Value);
    const int web = rowOf(*editor, u"web.live.title"_s);
    for (const auto &[row, text] :
         { std::pair { 0, u"Jawohl"_s }, std::pair { web, u"Live neu"_s } }) {
        editor->SelectRow(row);
        value->setText(text);
        editor->CommitValue();
    }
    const QString liveFile = m_demo->path(u"Web/LanguageInfo/German_Germany/pages/live.xml"_s);
    const QByteArray liveBefore = TestFiles::read(liveFile);
    const auto &listed = m_demo->mainWindow().entryList();
    const int listedWeb = listed.rowOf(editor->rows().row(web).ordinal);
    const QString webBefore = listed.entries().at(listedWeb).value;

    TestFiles::makeReadOnly(liveFile);
    editor->Save();
    TestFiles::makeWritable(liveFile);
    QCOMPARE(editor->result(), 0);
    QVERIFY(m_demo->messages.last().text.contains(u"live.xml"_s));
    QVERIFY(TestFiles::read(german()).contains("IDS_OK=Jawohl\n"));
    QCOMPARE(TestFiles::read(liveFile), liveBefore);
    QCOMPARE(listed.entries().first().value, u"Jawohl"_s);
    QCOMPARE(listed.entries().at(listedWeb).value, webBefore);

    editor->Save();
    QCOMPARE(editor->result(), int(DialogResult::Done));
    QVERIFY(TestFiles::read(liveFile).contains(">Live neu<"));
    QCOMPARE(listed.entries().at(listedWeb).value, u"Live neu"_s);
}

void tst_EditorSaving::saveAs_data()
{
    QTest::addColumn<bool>("chosen");
    QTest::newRow("chosen file") << true;
    QTest::newRow("cancelled") << false;
}

void tst_EditorSaving::saveAs()
{
    QFETCH(bool, chosen);

    const QString target = m_demo->path(u"copy.ini"_s);
    QString initialName;
    FileDialogs::setChooser([&](const QString &initial) {
        initialName = initial;
        return chosen ? target : QString();
    });
    const auto editor = openGerman();
    const QByteArray germanBefore = TestFiles::read(german());
    QTest::mouseClick(control<QPushButton>(editor.get(), EditorControl::SaveAs), Qt::LeftButton);

    QVERIFY(initialName.endsWith(u"/language/German (Germany)"_s));
    // The language's own file only loses the keys the reference lacks, as
    // after every save.
    QByteArray germanAfter = germanBefore;
    if (chosen)
        germanAfter.replace("IDS_OBSOLETE_HINT=Dieser Hinweis wird nicht mehr angezeigt.\n", "");
    QCOMPARE(TestFiles::read(german()), germanAfter);
    if (!chosen) {
        QCOMPARE(editor->result(), 0);
        QVERIFY(!QFile::exists(target));
        return;
    }
    QCOMPARE(editor->result(), int(DialogResult::Done));
    const QByteArray copy = TestFiles::read(target);
    QVERIFY(copy.startsWith("[text]\nIDS_OK=OK\nIDS_CANCEL=Abbrechen\n"));
    const qsizetype keys
        = qsizetype(m_demo->mainWindow().installation().languageStore().ReferenceKeyTable().size());
    QCOMPARE(copy.count('\n'), keys + 1);
    QVERIFY(!copy.contains("web."));
}

void tst_EditorSaving::cancelAsksOnlyWithStatuses_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<int>("result");

    QTest::newRow("marked rows, yes") << u"German (Germany)"_s << true << int(DialogResult::Left);
    QTest::newRow("marked rows, no") << u"German (Germany)"_s << false << 0;
    QTest::newRow("no marks") << u"English (United States)"_s << false << int(DialogResult::Left);
}

void tst_EditorSaving::cancelAsksOnlyWithStatuses()
{
    QFETCH(QString, language);
    QFETCH(bool, answer);
    QFETCH(int, result);

    m_demo->select(language);
    const auto editor = m_demo->openEditor();
    const bool marked
        = std::any_of(editor->rows().rows().cbegin(), editor->rows().rows().cend(),
                      [](const EditorRow &row) { return row.status != EntryStatus::None; });
    m_demo->answer = answer;
    QTest::mouseClick(control<QPushButton>(editor.get(), EditorControl::Cancel), Qt::LeftButton);
    QCOMPARE(editor->result(), result);
    QCOMPARE(m_demo->messages.size(), marked ? 1 : 0);
    if (marked) {
        QCOMPARE(m_demo->messages.first().text,
                 u" Are you sure you want to exit without saving any changes?"_s);
    }
    // Closing the window asks the same way.
    if (result == 0) {
        editor->close();
        QCOMPARE(m_demo->messages.size(), 2);
    }
}

QTEST_MAIN(tst_EditorSaving)
#include "tst_editorsaving.moc"
