#pragma once

#include <QString>

#include <functional>

class QWidget;

// Every file dialog of the program goes through here, so that tests choose
// the file through one seam.
namespace FileDialogs {

// The path chosen in a save dialog that asks before replacing a file; empty
// when cancelled.
QString saveFileName(QWidget *parent, const QString &initialName, const QString &filter);

// The path of an existing file chosen in an open dialog; empty when cancelled.
QString openFileName(QWidget *parent, const QString &filter);

// While a chooser is installed no dialog is shown; it gets the initial name
// (empty for an open dialog) and gives the path.
using Chooser = std::function<QString(const QString &initialName)>;
void setChooser(Chooser chooser);

} // namespace FileDialogs
