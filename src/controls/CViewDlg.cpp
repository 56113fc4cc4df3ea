#include "CViewDlg.h"

#include "DialogTemplate.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

enum ControlId { OkId = 1, ExplanationId = 1044, SampleBoxId = 1049, ValueBoxId = 1050 };

constexpr int BoxFontPixelSize = 20;
constexpr int ExplanationCellHeight = 18;
const QColor ExplanationColour(190, 0, 0);

// A font whose cell (ascent plus descent) is at most cellHeight pixels, the
// way a positive font height is understood by the client's platform.
QFont fontWithCellHeight(const QString &family, int cellHeight)
{
    QFont font(family);
    font.setPixelSize(cellHeight);
    const int cell = QFontMetrics(font).height();
    if (cell > cellHeight)
        font.setPixelSize(qMax(1, cellHeight * cellHeight / cell));
    return font;
}

} // namespace

CViewDlg::CViewDlg(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowCloseButtonHint)
{
    using Kind = ControlSpec::Kind;
    setWindowTitle(u"View the text display result"_s);
    QFont font(u"Microsoft Sans Serif"_s);
    font.setPointSize(8);
    constexpr int boxFlags = ControlSpec::Sunken | ControlSpec::WordWrap;
    buildDialog(this, font, {630, 236},
                {{ExplanationId, Kind::Label,
                  u"If the length of the text in the second box exceeds the first box, the text "
                  "will not be fully displayed. "_s,
                  {12, 13, 603, 20}, ControlSpec::WordWrap},
                 {SampleBoxId, Kind::Label, {}, {13, 42, 604, 70}, boxFlags},
                 {ValueBoxId, Kind::Label, {}, {13, 116, 604, 70}, boxFlags},
                 {OkId, Kind::DefaultButton, u"OK"_s, {298, 210, 50, 14}}});
    setFixedSize(size());

    QFont boxFont(u"Droid Sans Fallback"_s);
    boxFont.setPixelSize(BoxFontPixelSize);
    for (const int id : {ExplanationId, SampleBoxId, ValueBoxId}) {
        // Values are shown as they are: no markup, and an ampersand is an
        // ampersand rather than a mnemonic.
        auto *label = control<QLabel>(this, id);
        label->setTextFormat(Qt::PlainText);
        label->setFont(id == ExplanationId
                           ? fontWithCellHeight(u"Arial"_s, ExplanationCellHeight)
                           : boxFont);
    }
    auto *explanation = control<QLabel>(this, ExplanationId);
    QPalette palette = explanation->palette();
    palette.setColor(QPalette::WindowText, ExplanationColour);
    explanation->setPalette(palette);

    connect(control<QPushButton>(this, OkId), &QPushButton::clicked, this, &QDialog::accept);
}

void CViewDlg::showEvent(QShowEvent *event)
{
    control<QLabel>(this, SampleBoxId)->setText(sampleText);
    control<QLabel>(this, ValueBoxId)->setText(valueText);
    QDialog::showEvent(event);
}
