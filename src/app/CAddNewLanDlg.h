#pragma once

#include "config/PresentLanguages.h"

#include <QDialog>

class LanguageCatalogue;
class QComboBox;

// Picks a catalogue language that the installation does not have yet.
// Ends with 5 after "Add" (selectedIndex then holds the row, or -1 when the
// list was empty) and with 6 after "Cancel", Escape or the close box.
class CAddNewLanDlg : public QDialog
{
    Q_OBJECT

public:
    CAddNewLanDlg(const LanguageCatalogue &catalogue, PresentLanguages &presentLanguages,
                  QWidget *parent = nullptr);

    int selectedIndex = -1;

    void reject() override;

private:
    void add();

    PresentLanguages &m_presentLanguages;
    QComboBox *m_languages = nullptr;
};
