#include "CMyEdit.h"

#include "EditorMessages.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QRegularExpression>
#include <QSyntaxHighlighter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
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
    const Qt::KeyboardModifiers modifiers
        = event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (modifiers == Qt::ControlModifier && key >= Qt::Key_A && key <= Qt::Key_Z)
        return true;
    const QString text = event->text();
    return !text.isEmpty() && text.front().isPrint();
}

} // namespace

// The colours are formats the text is laid out with, not formats of the
// document's characters, so that recolouring after every key never enters
// the undo history. Later ranges are drawn over earlier ones.
class RangeHighlighter : public QSyntaxHighlighter
{
public:
    using QSyntaxHighlighter::QSyntaxHighlighter;

    void colour(int start, int end, const QColor &colour)
    {
        const auto reach = [](int rangeEnd) { return rangeEnd < 0 ? INT_MAX : rangeEnd; };
        m_ranges.removeIf([&](const Range &range) {
            return range.start >= start && reach(range.end) <= reach(end);
        });
        m_ranges.append({ start, end, colour });
        rehighlight();
    }

    void clear()
    {
        m_ranges.clear();
        rehighlight();
    }

protected:
    void highlightBlock(const QString &text) override
    {
        const int blockStart = currentBlock().position();
        for (const Range &range : std::as_const(m_ranges)) {
            const int from = qMax(0, range.start - blockStart);
            const int to
                = range.end < 0 ? int(text.size()) : qMin(int(text.size()), range.end - blockStart);
            if (from < to) {
                QTextCharFormat format;
                format.setForeground(range.colour);
                setFormat(from, to - from, format);
            }
        }
    }

private:
    struct Range
    {
        int start;
        int end; // -1: the end of the text
        QColor colour;
    };
    QList<Range> m_ranges;
};

CMyEdit::CMyEdit(QWidget *parent)
    : QTextEdit(parent)
    , m_highlighter(new RangeHighlighter(document()))
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

CMyEdit::~CMyEdit() = default;

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
    m_highlighter->clear();
    setPlainText(text);
}

void CMyEdit::replaceText(const QString &text)
{
    QTextCursor cursor(document());
    cursor.select(QTextCursor::Document);
    cursor.insertText(text);
    setTextCursor(cursor);
}

void CMyEdit::colourRange(int start, int end, const QColor &colour)
{
    m_highlighter->colour(start, end, colour);
}

void CMyEdit::setWholeTextColour(const QColor &colour)
{
    m_highlighter->clear();
    m_highlighter->colour(0, -1, colour);
}

QColor CMyEdit::colourAt(int position) const
{
    const QTextBlock block = document()->findBlock(position);
    const int offset = position - block.position();
    QColor colour = palette().color(QPalette::Text);
    if (!block.layout())
        return colour;
    for (const QTextLayout::FormatRange &range : block.layout()->formats()) {
        if (offset >= range.start && offset < range.start + range.length
            && range.format.hasProperty(QTextFormat::ForegroundBrush))
            colour = range.format.foreground().color();
    }
    return colour;
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
