#include "CAboutDlg.h"

#include "controls/DialogTemplate.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

CAboutDlg::CAboutDlg(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowCloseButtonHint)
{
    using Kind = ControlSpec::Kind;
    setWindowTitle(u"About"_s);
    QFont font(u"微软雅黑"_s);
    font.setPointSize(9);
    buildDialog(this, font, {170, 62},
                {{1, Kind::DefaultButton, u"OK"_s, {113, 41, 50, 14}},
                 {1000, Kind::Label, u"Lexivo, Version 1.0"_s, {42, 14, 114, 8}}});
    setFixedSize(size());

    auto *icon = new QLabel(this);
    const int side = DialogUnits(font).toPixelsX(20);
    icon->setPixmap(QIcon(u":/res/icon-128.png"_s).pixmap(side, side));
    placeControl(icon, 128, {14, 14, 21, 20}, DialogUnits(font));
    connect(control<QPushButton>(this, 1), &QPushButton::clicked, this, &QDialog::accept);
}
