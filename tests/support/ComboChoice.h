#pragma once

#include <QComboBox>

// Chooses an item the way the user does: the combo box shows it and reports
// it activated, also when it showed it already.
inline void chooseItem(QComboBox *combo, const QString &text)
{
    const int index = combo->findText(text);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}
