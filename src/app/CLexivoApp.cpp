#include "CLexivoApp.h"

#include "CLexivoDlg.h"
#include "controls/CWaitingDlg.h"

#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>

using namespace Qt::StringLiterals;

namespace {

// The dialogs ask for the client's Windows faces by name; the installed CJK
// face stands in, so Chinese text never shows as boxes.
void substituteDialogFonts()
{
    const QStringList cjkFaces{u"WenQuanYi Micro Hei"_s, u"Droid Sans Fallback"_s,
                               u"Noto Sans CJK SC"_s};
    QFont::insertSubstitutions(u"微软雅黑"_s, cjkFaces);
    QFont::insertSubstitutions(u"Microsoft Sans Serif"_s,
                               QStringList{u"DejaVu Sans"_s} + cjkFaces);
    QFont::insertSubstitutions(u"Arial"_s, QStringList{u"Liberation Sans"_s, u"DejaVu Sans"_s});
}

} // namespace

CLexivoApp::CLexivoApp(const ClientConfig &config)
    : m_config(config)
{}

void CLexivoApp::prepare()
{
    // Captions are shown as they are: a non-empty display name would be
    // appended to every caption, and without one an empty caption would be
    // replaced by the program's name.
    QGuiApplication::setApplicationDisplayName(u""_s);
    substituteDialogFonts();
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
