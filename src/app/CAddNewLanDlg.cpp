#include "CAddNewLanDlg.h"

#include "MainWindowControls.h"
#include "config/LanguageCatalogue.h"
#include "controls/DialogResults.h"
#include "controls/DialogTemplate.h"
#include "editor/ClientFonts.h"

#include <QComboBox>
#include <QPushButton>

using namespace Qt::StringLiterals;

CAddNewLanDlg::CAddNewLanDlg(const LanguageCatalogue &catalogue, PresentLanguages &presentLanguages,
                             QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowCloseButtonHint)
    , m_presentLanguages(presentLanguages)
{
    using Kind = ControlSpec::Kind;
    setWindowTitle(u"Add New Language"_s);
    const QFont font = clientFont(ClientFace::Sans, 10);
    buildDialog(this, font, { 276, 104 },
                { { AddLanguageControl::NameLabel,
                    Kind::Label,
                    u"New Language Name"_s,
                    { 18, 39, 73, 12 } },
                  { AddLanguageControl::Languages, Kind::ComboBox, {}, { 96, 38, 140, 13 } },
                  { AddLanguageControl::Add, Kind::DefaultButton, u"Add"_s, { 80, 76, 50, 14 } },
                  { AddLanguageControl::Cancel, Kind::Button, u"Cancel"_s, { 150, 76, 50, 14 } } });
    setFixedSize(size());

    m_languages = control<QComboBox>(this, AddLanguageControl::Languages);
    m_languages->setMaxVisibleItems(20);
    for (int row = 0; row < catalogue.count(); ++row) {
        if (!m_presentLanguages.count(row))
            m_languages->addItem(catalogue.NameAt(row), row);
    }
    m_languages->setCurrentIndex(m_languages->count() > 0 ? 0 : -1);

    connect(control<QPushButton>(this, AddLanguageControl::Add), &QPushButton::clicked, this,
            &CAddNewLanDlg::add);
    connect(control<QPushButton>(this, AddLanguageControl::Cancel), &QPushButton::clicked, this,
            &CAddNewLanDlg::reject);
}

void CAddNewLanDlg::add()
{
    if (m_languages->currentIndex() < 0) {
        selectedIndex = -1;
    } else {
        selectedIndex = m_languages->currentData().toInt();
        m_presentLanguages.insert(selectedIndex);
    }
    done(DialogResult::Done);
}

void CAddNewLanDlg::reject()
{
    done(DialogResult::Left);
}
