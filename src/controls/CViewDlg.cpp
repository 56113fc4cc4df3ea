#include "CViewDlg.h"

#include "DialogTemplate.h"
#include "StaticTextBox.h"

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
    auto *sampleBox = new StaticTextBox(this);
    auto *valueBox = new StaticTextBox(this);
    buildDialog(this, font, {630, 236},
                {{ExplanationId, Kind::Label,
                  u"If the length of the text in the second box exceeds the first box, the text "
                  "will not be fully displayed. "_s,
                  {12, 13, 603, 20}, ControlSpec::WordWrap},
                 {SampleBoxId, Kind::Premade, {}, {13, 42, 604, 70}, {}, sampleBox},
                 {ValueBoxId, Kind::Premade, {}, {13, 116, 604, 70}, {}, valueBox},
                 {OkId, Kind::DefaultButton, u"OK"_s, {298, 210, 50, 14}}});
    setFixedSize(size());

    QFont boxFont(u"Droid Sans Fallback"_s);
    boxFont.setPixelSize(BoxFontPixelSize);
    sampleBox->setFont(boxFont);
    valueBox->setFont(boxFont);
    auto *explanation = control<QLabel>(this, ExplanationId);
    explanation->setTextFormat(Qt::PlainText);
    explanation->setFont(fontWithCellHeight(u"Arial"_s, ExplanationCellHeight));
    QPalette palette = explanation->palette();
    palette.setColor(QPalette::WindowText, ExplanationColour);
    explanation->setPalette(palette);

    connect(control<QPushButton>(this, OkId), &QPushButton::clicked, this, &QDialog::accept);
}

void CViewDlg::showEvent(QShowEvent *event)
{
    control<StaticTextBox>(this, SampleBoxId)->setText(sampleText);
    control<StaticTextBox>(this, ValueBoxId)->setText(valueText);
    QDialog::showEvent(event);
}
