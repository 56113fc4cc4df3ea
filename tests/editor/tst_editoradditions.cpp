// What the editor offers beyond its template, driven with the keys a
// translator presses: filters, undo and redo of commits, next blank, the
// reference as the value.

#include "DemoInstallation.h"
#include "ModalDialogs.h"
#include "TestFiles.h"
#include "application/Installation.h"
#include "controls/CMyEdit.h"
#include "controls/DialogResults.h"
#include "controls/DialogTemplate.h"
#include "controls/FileDialogs.h"
#include "editor/ClientFonts.h"
#include "editor/ReferenceChoice.h"
#include "editorwindow/EditorControls.h"
#include "exchange/XliffExport.h"

#include <QLabel>
#include <QTest>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

class tst_EditorAdditions : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void filterShowsAndMovesOverItsRows();
    void saveUnderAFilterWritesHiddenRows();
    void undoAndRedoOfCommits();
    void nextBlankAndTheReference();
    void importCommitsAsTyped();
    void exportedAndImportedBackChangesNothing();

private:
    std::unique_ptr<CAmendLanguageMapDlg> openGerman();
    CMyEdit *value(CAmendLanguageMapDlg *editor) const
    {
        return control<CMyEdit>(editor, EditorControl::Value);
    }

    std::unique_ptr<DemoInstallation> m_demo;
};

void tst_EditorAdditions::init()
{
    m_demo = std::make_unique<DemoInstallation>();
}

void tst_EditorAdditions::cleanup()
{
    FileDialogs::setChooser({});
    m_demo.reset();
}

std::unique_ptr<CAmendLanguageMapDlg> tst_EditorAdditions::openGerman()
{
    m_demo->select(u"German (Germany)"_s);
    return m_demo->openEditor();
}

void tst_EditorAdditions::filterShowsAndMovesOverItsRows()
{
    const auto editor = openGerman();
    QVERIFY(pressKeyOn(editor.get(), Qt::Key_2, Qt::ControlModifier)); // ERROR rows
    const EditorRowFilter &filter = editor->filter();
    QVERIFY(filter.rowCount() > 1);
    QVERIFY(filter.rowCount() < editor->rows().rowCount());
    for (int row = 0; row < filter.rowCount(); ++row)
        QCOMPARE(filter.index(row, 0).data(EntryStatusRole).toInt(), int(EntryStatus::Error));
    const auto *count = editor->findChild<QLabel *>(u"shownCount"_s);
    QVERIFY(count->isVisible());
    QCOMPARE(count->text(),
             u"%1 of %2 rows shown"_s.arg(filter.rowCount()).arg(editor->rows().rowCount()));

    // The fields show the first row shown; Down goes to the next one shown.
    QCOMPARE(editor->currentRow(), filter.mapToSource(filter.index(0, 0)).row());
    QVERIFY(pressKeyOn(editor.get(), Qt::Key_Down));
    QCOMPARE(editor->currentRow(), filter.mapToSource(filter.index(1, 0)).row());

    QVERIFY(pressKeyOn(editor.get(), Qt::Key_0, Qt::ControlModifier)); // all rows again
    QCOMPARE(filter.rowCount(), editor->rows().rowCount());
    QVERIFY(!count->isVisible());
}

void tst_EditorAdditions::saveUnderAFilterWritesHiddenRows()
{
    const auto editor = openGerman();
    editor->SelectRow(0);
    value(editor.get())->setText(u"Jawohl"_s);
    editor->CommitValue();
    editor->setFilter(EditorRowFilter::BlankValues);
    QVERIFY(!editor->filter().shows(0));
    editor->Save();
    QCOMPARE(editor->result(), int(DialogResult::Done));
    QVERIFY(TestFiles::read(m_demo->path(u"language/German (Germany).ini"_s))
                .contains("IDS_OK=Jawohl\n"));
}

// Ctrl+Z undoes the last commit, value and status exactly; while the value
// field holds typing of its own, the field undoes it instead.
void tst_EditorAdditions::undoAndRedoOfCommits()
{
    const auto editor = openGerman();
    CMyEdit *field = value(editor.get());
    editor->SelectRow(1);
    const EditorRow before = editor->rows().row(1);
    QVERIFY(pressKeyOn(editor.get(), Qt::Key_Exclam, Qt::ShiftModifier));
    QVERIFY(pressKeyOn(editor.get(), Qt::Key_Return)); // commits, moves to row 2
    QCOMPARE(editor->rows().row(1).value, before.value + u'!');
    QCOMPARE(editor->rows().row(1).status, EntryStatus::Modified);

    QVERIFY(pressKeyOn(editor.get(), Qt::Key_Z, Qt::ControlModifier));
    QCOMPARE(editor->rows().row(1).value, before.value);
    QCOMPARE(editor->rows().row(1).status, before.status);
    QCOMPARE(editor->currentRow(), 1); // the undone row is shown
    QCOMPARE(field->text(), before.value);

    QVERIFY(pressKeyOn(editor.get(), Qt::Key_Y, Qt::ControlModifier));
    QCOMPARE(editor->rows().row(1).value, before.value + u'!');

    // Typing is the field's to undo; the commits stay.
    QVERIFY(pressKeyOn(editor.get(), Qt::Key_Question, Qt::ShiftModifier));
    QVERIFY(pressKeyOn(editor.get(), Qt::Key_Z, Qt::ControlModifier));
    QCOMPARE(field->text(), before.value + u'!');
    QCOMPARE(editor->history().index(), 1);

    // An undo after a failed save puts the row back too.
    const QString file = m_demo->path(u"language/German (Germany).ini"_s);
    TestFiles::makeReadOnly(file);
    editor->Save();
    TestFiles::makeWritable(file);
    QCOMPARE(editor->result(), 0);
    QVERIFY(pressKeyOn(editor.get(), Qt::Key_Z, Qt::ControlModifier));
    QCOMPARE(editor->rows().row(1).value, before.value);
}

void tst_EditorAdditions::nextBlankAndTheReference()
{
    const auto editor = openGerman();
    editor->SelectRow(0);
    QVERIFY(pressKeyOn(editor.get(), Qt::Key_J, Qt::ControlModifier));
    const int blank = editor->currentRow();
    QVERIFY(blank > 0);
    QVERIFY(editor->rows().row(blank).value.trimmed().isEmpty());
    for (int row = 1; row < blank; ++row)
        QVERIFY(!editor->rows().row(row).value.trimmed().isEmpty());

    // The reference goes into the field as if typed; nothing is committed.
    QVERIFY(pressKeyOn(editor.get(), Qt::Key_B, Qt::ControlModifier));
    QCOMPARE(value(editor.get())->text(), editor->rows().row(blank).reference);
    QCOMPARE(editor->rows().row(blank).value.trimmed(), QString());
    QCOMPARE(editor->history().count(), 0);
}

namespace {

QByteArray xliffFor(const QByteArray &units)
{
    return R"(<?xml version="1.0" encoding="UTF-8"?>
<xliff version="1.2" xmlns="urn:oasis:names:tc:xliff:document:1.2">
<file original="German (Germany).ini" source-language="en-US" target-language="de-DE"
      datatype="plaintext"><body>)"
        + units + "</body></file></xliff>\n";
}

QStringList statuses(const EditorRowModel &rows)
{
    QStringList texts;
    for (const EditorRow &row : rows.rows())
        texts.append(statusText(row.status));
    return texts;
}

} // namespace

// Imported values are committed as if typed, one undoable step each, and
// reported; the files change only with Save.
void tst_EditorAdditions::importCommitsAsTyped()
{
    const QString file = m_demo->path(u"de.xlf"_s);
    TestFiles::write(file, xliffFor(R"(
<trans-unit id="IDS_OK"><source>OK</source><target>Jawohl</target></trans-unit>
<trans-unit id="IDS_CANCEL"><source>Cancel</source><target>Abbrechen</target></trans-unit>
<trans-unit id="../../etc/passwd"><source>x</source><target>y</target></trans-unit>
<trans-unit id="IDS_MSG_TIMEOUT"><source>x</source><target>ohne Zahl</target></trans-unit>)"));
    FileDialogs::setChooser([&](const QString &) { return file; });
    const QString german = m_demo->path(u"language/German (Germany).ini"_s);
    const QByteArray before = TestFiles::read(german);

    const auto editor = openGerman();
    editor->importTranslation();
    const EditorRowModel &rows = editor->rows();
    const auto rowOf = [&](const QString &attribute) {
        for (int row = 0; row < rows.rowCount(); ++row) {
            if (rows.row(row).attribute == attribute)
                return row;
        }
        return -1;
    };
    QCOMPARE(rows.row(rowOf(u"IDS_OK"_s)).value, u"Jawohl"_s);
    QCOMPARE(rows.row(rowOf(u"IDS_OK"_s)).status, EntryStatus::Modified);
    QCOMPARE(rows.row(rowOf(u"IDS_MSG_TIMEOUT"_s)).status, EntryStatus::Error);
    QCOMPARE(editor->history().count(), 2);
    QCOMPARE(TestFiles::read(german), before);

    auto *report = editor->findChild<QDialog *>();
    QVERIFY(report && report->isVisible());
    QCOMPARE(report->findChild<QTreeWidget *>()->topLevelItemCount(), 4);
    QVERIFY(report->findChild<QLabel *>(u"summary"_s)
                ->text()
                .startsWith(u"2 imported, 1 of them failing a check\n1 unchanged"_s));

    editor->history().undo();
    editor->history().undo();
    QCOMPARE(rows.row(rowOf(u"IDS_OK"_s)).value, u"OK"_s);
    QCOMPARE(rows.row(rowOf(u"IDS_OK"_s)).status, EntryStatus::None);
}

void tst_EditorAdditions::exportedAndImportedBackChangesNothing()
{
    const auto editor = openGerman();
    Installation &installation = m_demo->mainWindow().installation();
    const LanguageCatalogue &catalogue = installation.catalogue();
    const int german = m_demo->mainWindow().selectedLanguage();
    const QString file = m_demo->path(u"de.xlf"_s);
    const Result<XliffExport> exported = writeXliff(
        file,
        XliffExportInput::read(
            installation.languageStore(), &installation.webLanguageStore(), catalogue, german,
            defaultReferenceLanguage(catalogue, installation.presentLanguages(), german),
            editor->lengthLimits()));
    QVERIFY(exported);
    QVERIFY(exported->units > 200);

    const QStringList before = statuses(editor->rows());
    FileDialogs::setChooser([&](const QString &) { return file; });
    editor->importTranslation();
    QCOMPARE(editor->history().count(), 0);
    QCOMPARE(statuses(editor->rows()), before);
    QVERIFY(editor->findChild<QLabel *>(u"summary"_s)->text().startsWith(u"0 imported"_s));
}

QTEST_MAIN(tst_EditorAdditions)
#include "tst_editoradditions.moc"
