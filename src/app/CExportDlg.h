#pragma once

#include <QDialog>

class QRadioButton;

// Asks which entries of a language go to the file for translation tools:
// every entry, or only the blank ones and those that fail a check.
class CExportDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CExportDlg(const QString &language, QWidget *parent = nullptr);

    bool onlyOpenEntries() const;

private:
    QRadioButton *m_open = nullptr;
};
