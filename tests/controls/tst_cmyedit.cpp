#include "controls/CMyEdit.h"
#include "controls/EditorMessages.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Stands in for the editor: records the field's text at each notification
// and, like the live highlight, recolours the field meanwhile.
class EditorStandIn : public QWidget
{
public:
    EditorStandIn() { edit->resize(200, edit->height()); }

    CMyEdit *edit = new CMyEdit(this);
    QStringList textsSeen;

protected:
    bool event(QEvent *event) override
    {
        if (event->type() != ValueEditedEvent)
            return QWidget::event(event);
        textsSeen << edit->text();
        edit->setWholeTextColour(Qt::red);
        return true;
    }
};

} // namespace

class tst_CMyEdit : public QObject
{
    Q_OBJECT

private slots:
    void keys_data();
    void keys();
    void inputMethod();
    void paste_data();
    void paste();
    void programText_data();
    void programText();
    void oneLine_data();
    void oneLine();
    void colouring();
};

void tst_CMyEdit::keys_data()
{
    QTest::addColumn<int>("selectionStart"); // the caret ends "abc"
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("textsSeen");

    const QStringList none;
    QTest::newRow("typed characters") << 3 << QKeySequence(Qt::Key_X, Qt::Key_Y) << u"abcxy"_s
                                      << QStringList { u"abcx"_s, u"abcxy"_s };
    QTest::newRow("backspace") << 3 << QKeySequence(Qt::Key_Backspace) << u"ab"_s
                               << QStringList { u"ab"_s };
    QTest::newRow("ctrl+v") << 3 << QKeySequence(u"Ctrl+V"_s) << u"abcXY"_s
                            << QStringList { u"abcXY"_s };
    QTest::newRow("ctrl+x") << 1 << QKeySequence(u"Ctrl+X"_s) << u"a"_s << QStringList { u"a"_s };
    QTest::newRow("enter adds no line")
        << 3 << QKeySequence(Qt::Key_Return) << u"abc"_s << QStringList { u"abc"_s };
    QTest::newRow("delete") << 2 << QKeySequence(Qt::Key_Delete) << u"ab"_s << none;
    QTest::newRow("cursor keys") << 3 << QKeySequence(Qt::Key_Left, Qt::Key_Home, Qt::Key_End)
                                 << u"abc"_s << none;
    QTest::newRow("shift+insert") << 3 << QKeySequence(u"Shift+Ins"_s) << u"abcXY"_s << none;
    QTest::newRow("shift+delete") << 1 << QKeySequence(u"Shift+Del"_s) << u"a"_s << none;
}

void tst_CMyEdit::keys()
{
    QFETCH(int, selectionStart);
    QFETCH(QKeySequence, keys);
    QGuiApplication::clipboard()->setText(u"XY"_s);
    EditorStandIn editor;
    editor.edit->setText(u"abc"_s);
    QTextCursor cursor = editor.edit->textCursor();
    cursor.setPosition(selectionStart);
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    editor.edit->setTextCursor(cursor);

    QTest::keySequence(editor.edit, keys);
    QTEST(editor.edit->text(), "text");
    QTEST(editor.textsSeen, "textsSeen");
    QCOMPARE(editor.edit->document()->blockCount(), 1);
}

void tst_CMyEdit::inputMethod()
{
    EditorStandIn editor;
    QInputMethodEvent composing(u"zh"_s, {});
    QCoreApplication::sendEvent(editor.edit, &composing);
    QVERIFY(editor.textsSeen.isEmpty());

    QInputMethodEvent committed;
    committed.setCommitString(u"中"_s);
    QCoreApplication::sendEvent(editor.edit, &committed);
    QCOMPARE(editor.textsSeen, QStringList { u"中"_s });
}

void tst_CMyEdit::paste_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("text");

    QTest::newRow("line feed") << u"one\ntwo"_s << u"one two"_s;
    QTest::newRow("carriage return and line feed") << u"one\r\ntwo\r\n"_s << u"one two "_s;
    QTest::newRow("carriage return") << u"one\rtwo"_s << u"one two"_s;
    QTest::newRow("empty line") << u"one\n\ntwo"_s << u"one  two"_s;
}

void tst_CMyEdit::paste()
{
    QFETCH(QString, clipboard);
    QGuiApplication::clipboard()->setText(clipboard);
    CMyEdit edit;
    edit.paste();
    QTEST(edit.text(), "text");
    QCOMPARE(edit.document()->blockCount(), 1);
}

void tst_CMyEdit::programText_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("no-break space") << u"Nom\u00A0:"_s;
    QTest::newRow("markup") << u"<b>%s</b> &amp;"_s;
    QTest::newRow("line break") << u"one\ntwo"_s;
}

void tst_CMyEdit::programText()
{
    QFETCH(QString, text);
    EditorStandIn editor;
    QSignalSpy changes(editor.edit, &QTextEdit::textChanged);
    editor.edit->setText(text);
    QCOMPARE(editor.edit->text(), text);
    QCOMPARE(changes.count(), 0);
    QVERIFY(editor.textsSeen.isEmpty());
}

void tst_CMyEdit::oneLine_data()
{
    QTest::addColumn<QFont>("font");

    for (const QString &family : { u"DejaVu Sans"_s, u"Droid Sans Fallback"_s }) {
        for (const int points : { 8, 9, 10 }) {
            QFont font(family);
            font.setPointSize(points);
            QTest::addRow("%s %d", qPrintable(family), points) << font;
        }
    }
}

void tst_CMyEdit::oneLine()
{
    QFETCH(QFont, font);
    QWidget window;
    window.setFont(font);
    CMyEdit edit(&window);
    edit.resize(100, edit.height());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    edit.setText(u"A value far wider than the field, with Chinese 中文"_s);
    edit.moveCursor(QTextCursor::End);

    QTRY_VERIFY(edit.horizontalScrollBar()->value() > 0);
    QCOMPARE(edit.verticalScrollBar()->maximum(), 0);
}

void tst_CMyEdit::colouring()
{
    EditorStandIn editor;
    QFont font = editor.edit->font();
    font.setStyleStrategy(QFont::NoAntialias);
    editor.edit->setFont(font);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    const auto hasRed = [&editor] {
        const QImage image = editor.edit->viewport()->grab().toImage();
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixel(x, y) == 0xFFFF0000)
                    return true;
            }
        }
        return false;
    };

    editor.edit->setText(u"HHHHHH"_s);
    QTextCursor cursor = editor.edit->textCursor();
    cursor.setPosition(1);
    cursor.setPosition(3, QTextCursor::KeepAnchor);
    editor.edit->setTextCursor(cursor);
    editor.edit->colourRange(2, -1, Qt::red);
    QCOMPARE(editor.edit->colourAt(1), editor.edit->palette().color(QPalette::Text));
    QCOMPARE(editor.edit->colourAt(5), QColor(Qt::red));
    QTRY_VERIFY(hasRed());

    editor.edit->setWholeTextColour(Qt::black);
    QCOMPARE(editor.edit->colourAt(5), QColor(Qt::black));
    QTRY_VERIFY(!hasRed());
    QCOMPARE(editor.edit->textCursor().selectionStart(), 1);
    QCOMPARE(editor.edit->textCursor().selectionEnd(), 3);

    // Recolouring after a key must not take the key's place in the undo history.
    QTest::keyClick(editor.edit, Qt::Key_X);
    QCOMPARE(editor.edit->text(), u"HxHHH"_s);
    QTest::keyClick(editor.edit, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(editor.edit->text(), u"HHHHHH"_s);
}

QTEST_MAIN(tst_CMyEdit)
#include "tst_cmyedit.moc"
