#pragma once

#include <QFrame>
#include <QString>

// A box of text drawn the way the client draws its static texts: from the
// top left, wrapped at word boundaries, cut at the box's edge, and with an
// ampersand marking the next character as a mnemonic ("&&" shows one "&"),
// so that a text takes the width it takes in the client.
class StaticTextBox : public QFrame
{
    Q_OBJECT

public:
    explicit StaticTextBox(QWidget *parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString &text);

    // How the text is laid out in the box.
    static constexpr int TextFlags
        = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
};
