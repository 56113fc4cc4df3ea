#pragma once

#include "app/CLexivoDlg.h"
#include "config/ClientConfig.h"
#include "controls/MessageBoxes.h"
#include "editorwindow/CAmendLanguageMapDlg.h"

#include <QCoreApplication>
#include <QList>
#include <QTemporaryDir>

#include <memory>

// A copy of the demo installation with its main window started in it, the
// message boxes answered by the test, and editors opened on its languages.
// The program's own files are read from toolFolder, by default the test's
// executable folder, which tests running side by side share: a test that
// wants other files gives a folder of its own.
class DemoInstallation
{
public:
    explicit DemoInstallation(const QString &toolFolder = QCoreApplication::applicationDirPath());
    ~DemoInstallation();

    QString path(const QString &relative) const { return m_dir.filePath(relative); }
    CLexivoDlg &mainWindow() { return *m_main; }
    const ClientConfig &config() const { return m_config; }

    // Selects a language in the main window.
    void select(const QString &displayName);

    // An editor on the selected language, filled from the main list and shown.
    std::unique_ptr<CAmendLanguageMapDlg> openEditor();

    // Every box shown so far; questions get `answer`.
    QList<MessageBoxes::Shown> messages;
    bool answer = true;

private:
    QTemporaryDir m_dir;
    QString m_previousDirectory;
    ClientConfig m_config;
    std::unique_ptr<CLexivoDlg> m_main;
};
