#include "CViewDlg.h"

#include "DialogTemplate.h"
#include "StaticTextBox.h"
#include "ViewControls.h"
#include "editor/ClientFonts.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

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
    const QFont font = clientFont(ClientFace::Sans, 8);
    auto *sampleBox = new StaticTextBox(this);
    auto *valueBox = new StaticTextBox(this);
    buildDialog(this, font, { 630, 236 },
                { { ViewControl::Explanation,
                    Kind::Label,
                    u"If the length of the text in the second box exceeds the first box, the text "
                    "will not be fully displayed. "_s,
                    { 12, 13, 603, 20 },
                    ControlSpec::WordWrap },
                  { ViewControl::SampleBox, Kind::Premade, {}, { 13, 42, 604, 70 }, {}, sampleBox },
                  { ViewControl::ValueBox, Kind::Premade, {}, { 13, 116, 604, 70 }, {}, valueBox },
                  { ViewControl::Ok, Kind::DefaultButton, u"OK"_s, { 298, 210, 50, 14 } } });
    setFixedSize(size());

    QFont boxFont(ClientFace::Display);
    boxFont.setPixelSize(BoxFontPixelSize);
    sampleBox->setFont(boxFont);
    valueBox->setFont(boxFont);
    auto *explanation = control<QLabel>(this, ViewControl::Explanation);
    explanation->setTextFormat(Qt::PlainText);
    explanation->setFont(fontWithCellHeight(ClientFace::Explanation, ExplanationCellHeight));
    QPalette palette = explanation->palette();
    palette.setColor(QPalette::WindowText, ExplanationColour);
    explanation->setPalette(palette);

    connect(control<QPushButton>(this, ViewControl::Ok), &QPushButton::clicked, this,
            &QDialog::accept);
}

void CViewDlg::showEvent(QShowEvent *event)
{
    control<StaticTextBox>(this, ViewControl::SampleBox)->setText(sampleText);
    control<StaticTextBox>(this, ViewControl::ValueBox)->setText(valueText);
    QDialog::showEvent(event);
}
