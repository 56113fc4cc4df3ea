#include "CMyEdit.h"

#include "EditorMessages.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QRegularExpression>
#include <QTextDocument>
#include <QtMath>

using namespace Qt::StringLiterals;

namespace {

constexpr int DocumentMargin = 2;

// The keys that give the platform's edit control a character: printable
// text, Backspace, Enter and the Ctrl+letter combinations (Ctrl+V, Ctrl+X,
// Ctrl+Z ...). Delete, cursor keys, Shift+Insert and Shift+Delete give none.
bool isCharacterKey(const QKeyEvent *event)
{
    const int key = event->key();
    if (key == Qt::Key_Backspace || key == Qt::Key_Return || key == Qt::Key_Enter)
        return true;
    const Qt::KeyboardModifiers modifiers = event->modifiers()
                                            & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (modifiers == Qt::ControlModifier && key >= Qt::Key_A && key <= Qt::Key_Z)
        return true;
    const QString text = event->text();
    return !text.isEmpty() && text.front().isPrint();
}

} // namespace

CMyEdit::CMyEdit(QWidget *parent)
    : QTextEdit(parent)
{
    setAcceptRichText(false);
    setTabChangesFocus(true);
    setLineWrapMode(QTextEdit::NoWrap);
    // The field scrolls sideways with the caret; a scroll bar would not fit.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    document()->setDocumentMargin(DocumentMargin);
    updateFixedHeight();
}

QString CMyEdit::text() const
{
    // toPlainText() would turn no-break spaces into blanks.
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    return text;
}

void CMyEdit::setText(const QString &text)
{
    const QSignalBlocker blocker(this);
    setExtraSelections({});
    setPlainText(text);
}

// The colours are extra selections rather than character formats, so that
// recolouring after every key never enters the undo history.
void CMyEdit::colourRange(int start, int end, const QColor &colour)
{
    const int length = document()->characterCount() - 1;
    QTextCursor range(document());
    range.setPosition(qBound(0, start, length));
    range.setPosition(end < 0 ? length : qBound(0, end, length), QTextCursor::KeepAnchor);

    QList<ExtraSelection> ranges = extraSelections();
    ranges.removeIf([&range](const ExtraSelection &covered) {
        return covered.cursor.selectionStart() >= range.selectionStart()
               && covered.cursor.selectionEnd() <= range.selectionEnd();
    });
    ExtraSelection coloured;
    coloured.cursor = range;
    coloured.format.setForeground(colour);
    ranges.append(coloured);
    setExtraSelections(ranges);
}

void CMyEdit::setWholeTextColour(const QColor &colour)
{
    colourRange(0, -1, colour);
}

QColor CMyEdit::colourAt(int position) const
{
    const QList<ExtraSelection> ranges = extraSelections();
    for (auto it = ranges.crbegin(); it != ranges.crend(); ++it) {
        if (position >= it->cursor.selectionStart() && position < it->cursor.selectionEnd())
            return it->format.foreground().color();
    }
    return palette().color(QPalette::Text);
}

void CMyEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept(); // one line: Enter adds nothing
    } else {
        QTextEdit::keyPressEvent(event);
        if (!event->isAccepted())
            return;
    }
    if (isCharacterKey(event))
        notifyParent();
}

// Text composed in an input method arrives here, not as key presses.
void CMyEdit::inputMethodEvent(QInputMethodEvent *event)
{
    QTextEdit::inputMethodEvent(event);
    if (!event->commitString().isEmpty())
        notifyParent();
}

// Pasted or dropped text stays on one line: each line break becomes a blank.
void CMyEdit::insertFromMimeData(const QMimeData *source)
{
    if (!source || !source->hasText())
        return;
    static const QRegularExpression lineBreak(u"\\r\\n|[\\r\\n\\x{2028}\\x{2029}]"_s);
    insertPlainText(source->text().replace(lineBreak, u" "_s));
    ensureCursorVisible();
}

void CMyEdit::changeEvent(QEvent *event)
{
    QTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        updateFixedHeight();
}

void CMyEdit::notifyParent()
{
    QWidget *parent = parentWidget();
    if (!parent)
        return;
    QEvent edited(ValueEditedEvent);
    QCoreApplication::sendEvent(parent, &edited);
}

// Exactly one line high, measured the way the document lays it out; the CJK
// sample takes in the taller fallback faces that translations bring.
void CMyEdit::updateFixedHeight()
{
    QTextDocument line;
    line.setDefaultFont(font());
    line.setDocumentMargin(DocumentMargin);
    line.setPlainText(u"Hg\u4E2D"_s);
    setFixedHeight(qCeil(line.size().height()) + 2 * frameWidth());
}
