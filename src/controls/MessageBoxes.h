#pragma once

#include <QString>

#include <functional>

class QWidget;

// Every message box of the program goes through these functions, so that
// tests answer them through one seam instead of by hand.
namespace MessageBoxes {

inline const QString ApplicationCaption = QStringLiteral("Lexivo");
inline const QString WarningCaption = QStringLiteral("Warning");

// An OK box with the application's caption.
void inform(QWidget *parent, const QString &text);

// A Yes/No box without icon; true for Yes.
bool ask(QWidget *parent, const QString &text, const QString &caption = WarningCaption);

struct Shown
{
    QString caption;
    QString text;
    bool question = false;
};

// While an answerer is installed no box is shown: the answerer gets what would
// have been shown and gives the answer to a question (ignored for OK boxes).
using Answerer = std::function<bool(const Shown &)>;
void setAnswerer(Answerer answerer);

} // namespace MessageBoxes
