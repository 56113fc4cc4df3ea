#include "StaticTextBox.h"

#include <QPainter>

StaticTextBox::StaticTextBox(QWidget *parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
}

void StaticTextBox::setText(const QString &text)
{
    m_text = text;
    update();
}

void StaticTextBox::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(contentsRect(), TextFlags, m_text);
}
