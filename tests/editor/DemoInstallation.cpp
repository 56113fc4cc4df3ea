#include "DemoInstallation.h"

#include "ComboChoice.h"
#include "TestFiles.h"
#include "app/MainWindowControls.h"
#include "controls/DialogTemplate.h"

#include <QComboBox>
#include <QDir>
#include <QTest>

using namespace Qt::StringLiterals;

DemoInstallation::DemoInstallation(const QString &toolFolder)
    : m_previousDirectory(QDir::currentPath())
{
    TestFiles::copyTree(TestFiles::demoInstallation(), m_dir.path());
    QDir::setCurrent(m_dir.path());
    m_config = ClientConfig::load(toolFolder);
    MessageBoxes::setAnswerer([this](const MessageBoxes::Shown &shown) {
        messages.append(shown);
        return answer;
    });
    m_main = std::make_unique<CLexivoDlg>(m_config);
    if (m_main->OnInitDialog())
        m_main->show();
}

DemoInstallation::~DemoInstallation()
{
    m_main.reset();
    MessageBoxes::setAnswerer({});
    QDir::setCurrent(m_previousDirectory);
}

void DemoInstallation::select(const QString &displayName)
{
    auto *languages = control<QComboBox>(m_main.get(), MainWindowControl::Languages);
    chooseItem(languages, displayName);
}

std::unique_ptr<CAmendLanguageMapDlg> DemoInstallation::openEditor()
{
    auto editor = std::make_unique<CAmendLanguageMapDlg>(m_main->editorContext(), m_main.get());
    editor->setSourceList(m_main->entryList().entries());
    editor->setEditedLanguage(m_main->selectedLanguage());
    editor->OnInitDialog();
    editor->show();
    return editor;
}
