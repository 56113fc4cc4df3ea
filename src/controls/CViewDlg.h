#pragma once

#include <QDialog>

// Shows a translated value under the attribute's sample text, both in the
// client's display font, so a translator sees whether the value fits the room
// that the sample text marks. The opener sets the texts, then runs it.
class CViewDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CViewDlg(QWidget *parent = nullptr);

    QString attributeText; // held for the opener, not shown
    QString valueText;
    QString sampleText; // empty when the attribute has none

protected:
    void showEvent(QShowEvent *event) override;
};
