#include "DialogTemplate.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

DialogUnits::DialogUnits(const QFont &font)
{
    const QFontMetrics metrics(font);
    const int alphabetWidth = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    m_averageWidth = (alphabetWidth / 26 + 1) / 2;
    m_height = metrics.height();
}

int DialogUnits::toPixelsX(int units) const
{
    return (units * m_averageWidth + 2) / 4;
}

int DialogUnits::toPixelsY(int units) const
{
    return (units * m_height + 4) / 8;
}

QRect DialogUnits::toPixels(const QRect &units) const
{
    return QRect(toPixelsX(units.x()), toPixelsY(units.y()), toPixelsX(units.width()),
                 toPixelsY(units.height()));
}

QSize DialogUnits::toPixels(const QSize &units) const
{
    return QSize(toPixelsX(units.width()), toPixelsY(units.height()));
}

QString controlName(int id)
{
    return QString::number(id);
}

void placeControl(QWidget *control, int id, const QRect &units, const DialogUnits &dialogUnits)
{
    control->setObjectName(controlName(id));
    control->setGeometry(dialogUnits.toPixels(units));
}

namespace {

// A push button cannot wrap its text; a label inside it does.
void wrapButtonText(QPushButton *button)
{
    auto *label = new QLabel(button->text(), button);
    label->setObjectName(QStringLiteral("text"));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto *layout = new QHBoxLayout(button);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->addWidget(label);
    button->setAccessibleName(button->text());
    button->setText(QString());
}

QWidget *createControl(QWidget *dialog, const ControlSpec &spec)
{
    using Kind = ControlSpec::Kind;
    switch (spec.kind) {
    case Kind::Label: {
        auto *label = new QLabel(spec.text, dialog);
        label->setAlignment(
            (spec.flags & ControlSpec::RightAligned ? Qt::AlignRight : Qt::AlignLeft)
            | Qt::AlignTop);
        label->setWordWrap(spec.flags & ControlSpec::WordWrap);
        return label;
    }
    case Kind::Button:
    case Kind::DefaultButton: {
        auto *button = new QPushButton(spec.text, dialog);
        button->setDefault(spec.kind == Kind::DefaultButton);
        button->setAutoDefault(false);
        if (spec.flags & ControlSpec::WordWrap)
            wrapButtonText(button);
        return button;
    }
    case Kind::CheckBox:
        return new QCheckBox(spec.text, dialog);
    case Kind::RadioButton:
        return new QRadioButton(spec.text, dialog);
    case Kind::GroupBox:
        return new QGroupBox(spec.text, dialog);
    case Kind::LineEdit: {
        auto *edit = new QLineEdit(spec.text, dialog);
        edit->setReadOnly(spec.flags & ControlSpec::ReadOnly);
        return edit;
    }
    case Kind::ComboBox:
        return new QComboBox(dialog);
    case Kind::Premade:
        return spec.premade;
    }
    return nullptr;
}

} // namespace

void buildDialog(QWidget *dialog, const QFont &font, const QSize &size,
                 std::initializer_list<ControlSpec> controls)
{
    dialog->setFont(font);
    const DialogUnits units(font);
    dialog->resize(units.toPixels(size));
    QWidget *previousInTabOrder = nullptr;
    for (const ControlSpec &spec : controls) {
        QWidget *control = createControl(dialog, spec);
        placeControl(control, spec.id, spec.units, units);
        if (spec.kind == ControlSpec::Kind::ComboBox)
            control->resize(control->width(), control->sizeHint().height());
        control->setEnabled(!(spec.flags & ControlSpec::Disabled));
        if (spec.flags & ControlSpec::Hidden)
            control->hide();
        // Group boxes stay behind the controls they frame.
        if (spec.kind == ControlSpec::Kind::GroupBox)
            control->lower();
        if (control->focusPolicy() & Qt::TabFocus) {
            if (previousInTabOrder)
                QWidget::setTabOrder(previousInTabOrder, control);
            previousInTabOrder = control;
        }
    }
}
