#include "CLexivoApp.h"

#include "CLexivoDlg.h"
#include "controls/CWaitingDlg.h"
#include "editor/ClientFonts.h"

#include <QGuiApplication>

using namespace Qt::StringLiterals;

CLexivoApp::CLexivoApp(const ClientConfig &config)
    : m_config(config)
{
}

void CLexivoApp::prepare()
{
    // Captions are shown as they are: a non-empty display name would be
    // appended to every caption, and without one an empty caption would be
    // replaced by the program's name.
    QGuiApplication::setApplicationDisplayName(u""_s);
    substituteClientFonts();
    CWaitingDlg::registerMessages();
}

int CLexivoApp::InitInstance()
{
    prepare();

    CLexivoDlg dialog(m_config);
    if (dialog.OnInitDialog())
        dialog.exec();
    return 0;
}
