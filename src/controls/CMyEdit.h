#pragma once

#include <QTextEdit>

class RangeHighlighter;

// The editor's value field: one line of plain text that scrolls sideways, with
// ranges of it drawn in a colour. After it has processed a character key it
// sends ValueEditedEvent to its parent, which then sees the new text.
class CMyEdit : public QTextEdit
{
    Q_OBJECT

public:
    explicit CMyEdit(QWidget *parent = nullptr);
    ~CMyEdit() override;

    QString text() const;
    // Text set by the program: no notification, no signals, no colours.
    void setText(const QString &text);
    // The whole text replaced as an edit would: one step of the field's undo,
    // the caret at the end, and no notification.
    void replaceText(const QString &text);

    // Draws the characters from start up to end (-1: the end of the text,
    // wherever it moves) in colour, over any colour they had; the others keep
    // theirs. Only the look changes: text, caret, selection and undo history
    // stay as they are.
    void colourRange(int start, int end, const QColor &colour);
    // Every character in colour; earlier ranges are forgotten.
    void setWholeTextColour(const QColor &colour);
    // The colour the character at position is drawn in, read from the
    // formats its line is laid out with.
    QColor colourAt(int position) const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;
    void changeEvent(QEvent *event) override;

private:
    void notifyParent();
    void updateFixedHeight();

    RangeHighlighter *m_highlighter;
};
