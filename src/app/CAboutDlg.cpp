#include "CAboutDlg.h"
#include "MainWindowControls.h"

#include "controls/DialogTemplate.h"
#include "editor/ClientFonts.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

CAboutDlg::CAboutDlg(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowCloseButtonHint)
{
    using Kind = ControlSpec::Kind;
    setWindowTitle(u"About"_s);
    const QFont font = clientFont(ClientFace::Dialog, 9);
    buildDialog(this, font, {170, 62},
                {{AboutControl::Ok, Kind::DefaultButton, u"OK"_s, {113, 41, 50, 14}},
                 {AboutControl::Text, Kind::Label, u"Lexivo, Version 1.0"_s, {42, 14, 114, 8}}});
    setFixedSize(size());

    auto *icon = new QLabel(this);
    const int side = DialogUnits(font).toPixelsX(20);
    icon->setPixmap(QIcon(u":/res/icon-128.png"_s).pixmap(side, side));
    placeControl(icon, AboutControl::Icon, {14, 14, 21, 20}, DialogUnits(font));
    connect(control<QPushButton>(this, AboutControl::Ok), &QPushButton::clicked, this, &QDialog::accept);
}
