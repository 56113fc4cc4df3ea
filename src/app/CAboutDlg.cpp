#include "CAboutDlg.h"

#include "MainWindowControls.h"
#include "MainWindowShortcuts.h"
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
    buildDialog(
        this, font, { 170, 62 },
        { { AboutControl::Ok, Kind::DefaultButton, u"OK"_s, { 113, 41, 50, 14 } },
          { AboutControl::Text, Kind::Label, u"Lexivo, Version 1.0"_s, { 42, 14, 114, 8 } } });

    auto *icon = new QLabel(this);
    const int side = DialogUnits(font).toPixelsX(20);
    icon->setPixmap(QIcon(u":/res/icon-128.png"_s).pixmap(side, side));
    placeControl(icon, AboutControl::Icon, { 14, 14, 21, 20 }, DialogUnits(font));
    connect(control<QPushButton>(this, AboutControl::Ok), &QPushButton::clicked, this,
            &QDialog::accept);
    addShortcutList(DialogUnits(font));
    setFixedSize(size());
}

// Below the box's own controls: the shortcuts of what Lexivo offers beyond
// its windows' key tables.
void CAboutDlg::addShortcutList(const DialogUnits &units)
{
    const auto table = [](const QList<ShortcutHelp> &help) {
        QString rows;
        for (const ShortcutHelp &entry : help)
            rows += u"<tr><td>%1&nbsp;&nbsp;</td><td>%2</td></tr>"_s.arg(
                entry.keys.toHtmlEscaped(), entry.what.toHtmlEscaped());
        return rows;
    };
    const QString rows = u"<tr><td colspan=2>In the main window:</td></tr>"_s
        + table(mainWindowShortcutHelp())
        + u"<tr><td colspan=2><br>In the translation editor:</td></tr>"_s
        + table(editorShortcutHelp());

    auto *list = new QLabel(this);
    list->setObjectName(u"shortcuts"_s);
    list->setTextFormat(Qt::RichText);
    list->setText(u"<b>Keyboard shortcuts</b><table>"_s + rows + u"</table>"_s);
    const QPoint topLeft = units.toPixels(QRect(14, 62, 0, 0)).topLeft();
    list->move(topLeft);
    list->adjustSize();
    resize(qMax(width(), list->width() + 2 * topLeft.x()),
           topLeft.y() + list->height() + units.toPixelsY(7));
}
