#include "CExportDlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

CExportDlg::CExportDlg(const QString &language, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowCloseButtonHint)
{
    setWindowTitle(u"Export for translation"_s);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(u"Which entries of %1 go to the XLIFF file?"_s.arg(language)));
    auto *every = new QRadioButton(u"Every entry"_s, this);
    every->setObjectName(u"every"_s);
    every->setChecked(true);
    m_open = new QRadioButton(u"Only blank entries and entries that fail a check"_s, this);
    m_open->setObjectName(u"open"_s);
    layout->addWidget(every);
    layout->addWidget(m_open);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

bool CExportDlg::onlyOpenEntries() const
{
    return m_open->isChecked();
}
