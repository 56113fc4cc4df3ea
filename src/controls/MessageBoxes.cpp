#include "MessageBoxes.h"

#include <QMessageBox>

namespace MessageBoxes {

namespace {
Answerer s_answerer;
} // namespace

void setAnswerer(Answerer answerer)
{
    s_answerer = std::move(answerer);
}

void inform(QWidget *parent, const QString &text)
{
    if (s_answerer) {
        s_answerer({ ApplicationCaption, text, false });
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, ApplicationCaption, text, QMessageBox::Ok, parent);
    box.exec();
}

bool ask(QWidget *parent, const QString &text, const QString &caption)
{
    if (s_answerer)
        return s_answerer({ caption, text, true });
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Yes | QMessageBox::No, parent);
    return box.exec() == QMessageBox::Yes;
}

} // namespace MessageBoxes
