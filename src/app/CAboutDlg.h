#pragma once

#include <QDialog>

class DialogUnits;

class CAboutDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget *parent = nullptr);

private:
    void addShortcutList(const DialogUnits &units);
};
