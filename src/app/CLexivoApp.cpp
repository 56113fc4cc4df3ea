#include "CLexivoApp.h"

#include "CLexivoDlg.h"
#include "controls/CWaitingDlg.h"
#include "editor/ClientFonts.h"

CLexivoApp::CLexivoApp(const ClientConfig &config)
    : m_config(config)
{}

void CLexivoApp::prepare()
{
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
