#include "FileDialogs.h"

#include <QDir>
#include <QFileDialog>

namespace FileDialogs {

namespace {
Chooser s_chooser;
} // namespace

void setChooser(Chooser chooser)
{
    s_chooser = std::move(chooser);
}

QString saveFileName(QWidget *parent, const QString &initialName, const QString &filter)
{
    if (s_chooser)
        return s_chooser(initialName);
    return QFileDialog::getSaveFileName(parent, QString(), QDir::current().filePath(initialName),
                                        filter);
}

QString openFileName(QWidget *parent, const QString &filter)
{
    if (s_chooser)
        return s_chooser(QString());
    return QFileDialog::getOpenFileName(parent, QString(), QDir::currentPath(), filter);
}

} // namespace FileDialogs
