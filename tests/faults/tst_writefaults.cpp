#include "DemoInstallation.h"
#include "TestFiles.h"
#include "WriteFault.h"
#include "app/MainWindowControls.h"
#include "config/LanguageCatalogue.h"
#include "controls/CMyEdit.h"
#include "controls/DialogTemplate.h"
#include "editorwindow/EditorControls.h"
#include "platform/ProfileFile.h"
#include "store/LanguageStore.h"
#include "store/WebLanguageStore.h"
#include "xml/XmlPathDocument.h"

#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// Every kind of write made to fail for every operation that writes: the files
// stay byte for byte as they were, nothing is left behind, the operation
// reports a failure that names the file, and where a window runs it the user
// is told which file.
class tst_WriteFaults : public QObject
{
    Q_OBJECT

private slots:
    void storeLeavesFiles_data();
    void storeLeavesFiles();
    void userIsTold_data();
    void userIsTold();
};

namespace {

enum class StoreOperation {
    CreateLanguageFile,
    ResetLanguageFile,
    WriteValues,
    SaveValuesAs,
    RemoveKeys,
    WriteWebValues,
    CreateWebLanguage,
    SaveXml,
    WriteProfile,
};

enum class WindowOperation { AdjustItemOrder, SaveInEditor };

} // namespace

Q_DECLARE_METATYPE(StoreOperation)
Q_DECLARE_METATYPE(WindowOperation)

namespace {

template<typename Operation> struct Target
{
    const char *name;
    Operation operation;
    QString path; // relative to the installation
    bool exists;
};

const QString German = u"German (Germany)"_s;

// Adds a row for every fault that can strike each target.
template<typename Operation> void addRows(const QList<Target<Operation>> &targets)
{
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<QString>("target");
    QTest::addColumn<WriteFault::Kind>("kind");

    for (const Target<Operation> &target : targets) {
        for (const WriteFault::Kind kind : WriteFault::AllKinds) {
            if (kind == WriteFault::ReadOnlyFile && !target.exists)
                continue;
            QTest::addRow("%s, %s", target.name, WriteFault::name(kind))
                << target.operation << target.path << kind;
        }
    }
}

QByteArray webFile(const QByteArray &id, const QByteArray &text)
{
    return "<languageInfo>\n\t<items>\n\t\t<item id=\"" + id + "\">" + text
        + "</item>\n\t</items>\n</languageInfo>\n";
}

// A language folder holding German and an earlier adjusted copy of it, and a
// web folder with one English file that zh-cn has too; both stores open.
class StoreFolders
{
public:
    StoreFolders()
    {
        QByteArray reference = "[text]\n";
        for (int i = 0; i < 50; ++i)
            reference += "K" + QByteArray::number(i) + "=value " + QByteArray::number(i) + '\n';
        TestFiles::write(path(u"language/English (United States).ini"_s), reference);
        TestFiles::write(path(u"language/German (Germany).ini"_s), "[text]\nK0=alt\nOLD=x\n");
        TestFiles::write(path(u"language/German (Germany)_adjust.ini"_s), "[text]\nK0=alt\n");
        TestFiles::write(path(u"language/LanguageIndex.ini"_s),
                         "[languages]\n0x0409=English (United States)\n0x0407=German (Germany)\n");
        TestFiles::write(path(u"Web/LanguageInfo/en-us/a.xml"_s), webFile("X", "x"));
        TestFiles::write(path(u"Web/LanguageInfo/zh-cn/a.xml"_s), webFile("X", "x1"));
        m_store.setUtf8Mode(true);
        QVERIFY(m_store.Open(path(u"language"_s)));
        QVERIFY(m_web.Open(path(u"Web/LanguageInfo"_s), path(u"language"_s)));
    }

    QString path(const QString &relative) const { return m_dir.filePath(relative); }

    Result<> run(StoreOperation operation)
    {
        const ValueMap values { { m_store.ReferenceKeyTable().begin()->first, u"neu"_s },
                                { m_web.webItems().begin()->first, u"web"_s } };
        switch (operation) {
        case StoreOperation::CreateLanguageFile:
            return m_store.CreateLanguageFile(u"French (France)"_s);
        case StoreOperation::ResetLanguageFile:
            return m_store.ResetLanguageFile(German + u"_adjust"_s);
        case StoreOperation::WriteValues:
            return m_store.WriteValues(values, German);
        case StoreOperation::SaveValuesAs:
            return m_store.SaveValuesAs(values, u"copy.ini"_s);
        case StoreOperation::RemoveKeys:
            return m_store.RemoveKeys(German, { u"OLD"_s });
        case StoreOperation::WriteWebValues:
            return m_web.WriteWebValues(u"zh-cn"_s, values);
        case StoreOperation::CreateWebLanguage:
            return m_web.CreateWebLanguage(u"zh-cn"_s);
        case StoreOperation::SaveXml: {
            XmlPathDocument document;
            document.CreatePathUnderRoot("languageInfo/items", "new");
            return document.Save(path(u"Web/LanguageInfo/zh-cn/a.xml"_s).toStdString());
        }
        case StoreOperation::WriteProfile:
            return Profile::writeString(path(u"language/LanguageIndex.ini"_s), u"languages"_s,
                                        u"0x040c"_s, u"French (France)"_s);
        }
        return ResultError(u"unknown operation"_s);
    }

private:
    QTemporaryDir m_dir;
    const LanguageCatalogue m_catalogue = LanguageCatalogue::builtIn();
    LanguageStore m_store { m_catalogue };
    WebLanguageStore m_web { m_catalogue };
};

} // namespace

void tst_WriteFaults::storeLeavesFiles_data()
{
    addRows<StoreOperation>({
        { "CreateLanguageFile", StoreOperation::CreateLanguageFile,
          u"language/French (France).ini"_s, false },
        { "ResetLanguageFile", StoreOperation::ResetLanguageFile,
          u"language/German (Germany)_adjust.ini"_s, true },
        { "WriteValues", StoreOperation::WriteValues, u"language/German (Germany).ini"_s, true },
        { "SaveValuesAs", StoreOperation::SaveValuesAs, u"language/copy.ini"_s, false },
        { "RemoveKeys", StoreOperation::RemoveKeys, u"language/German (Germany).ini"_s, true },
        { "WriteWebValues", StoreOperation::WriteWebValues, u"Web/LanguageInfo/zh-cn/a.xml"_s,
          true },
        { "CreateWebLanguage", StoreOperation::CreateWebLanguage, u"Web/LanguageInfo/zh-cn/a.xml"_s,
          true },
        { "XmlPathDocument::Save", StoreOperation::SaveXml, u"Web/LanguageInfo/zh-cn/a.xml"_s,
          true },
        { "Profile::writeString", StoreOperation::WriteProfile, u"language/LanguageIndex.ini"_s,
          true },
    });
}

void tst_WriteFaults::storeLeavesFiles()
{
    QFETCH(StoreOperation, operation);
    QFETCH(QString, target);
    QFETCH(WriteFault::Kind, kind);

    StoreFolders installation;
    const QString path = installation.path(target);
    const QString folder = QFileInfo(path).absolutePath();
    const WriteFault fault(kind, path);
    if (!fault.unavailable().isEmpty())
        QSKIP(qPrintable(fault.unavailable()));
    const auto before = TestFiles::snapshot(folder);

    const Result<> result = fault.during([&] { return installation.run(operation); });
    QVERIFY(!result);
    QCOMPARE(TestFiles::changedFiles(before, folder), QStringList());
    QVERIFY2(result.error().contains(QFileInfo(path).fileName()), qPrintable(result.error()));
}

void tst_WriteFaults::userIsTold_data()
{
    addRows<WindowOperation>({
        { "adjusting", WindowOperation::AdjustItemOrder, u"language/German (Germany)_adjust.ini"_s,
          false },
        { "saving in the editor", WindowOperation::SaveInEditor, u"language/German (Germany).ini"_s,
          true },
    });
}

void tst_WriteFaults::userIsTold()
{
    QFETCH(WindowOperation, operation);
    QFETCH(QString, target);
    QFETCH(WriteFault::Kind, kind);

    DemoInstallation demo;
    demo.select(German);
    std::unique_ptr<CAmendLanguageMapDlg> editor;
    if (operation == WindowOperation::SaveInEditor) {
        editor = demo.openEditor();
        editor->SelectRow(0);
        control<CMyEdit>(editor.get(), EditorControl::Value)->setText(u"Gut"_s);
        editor->CommitValue();
    }
    const QString path = demo.path(target);
    const QString folder = QFileInfo(path).absolutePath();
    const WriteFault fault(kind, path);
    if (!fault.unavailable().isEmpty())
        QSKIP(qPrintable(fault.unavailable()));
    const auto before = TestFiles::snapshot(folder);
    demo.messages.clear();

    fault.during([&] {
        if (editor)
            editor->Save();
        else
            QTest::mouseClick(
                control<QPushButton>(&demo.mainWindow(), MainWindowControl::AdjustOrder),
                Qt::LeftButton);
    });
    QCOMPARE(TestFiles::changedFiles(before, folder), QStringList());
    // The demo holds a row too long for its field; the question comes first.
    QVERIFY(!demo.messages.isEmpty());
    const MessageBoxes::Shown told = demo.messages.last();
    QVERIFY(!told.question);
    QVERIFY2(told.text.contains(QFileInfo(path).fileName()), qPrintable(told.text));
    if (editor) {
        // The editor stays open with the row as typed, to be saved elsewhere.
        QVERIFY(editor->isVisible());
        QCOMPARE(editor->rows().row(0).value, u"Gut"_s);
    }
}

QTEST_MAIN(tst_WriteFaults)
#include "tst_writefaults.moc"
