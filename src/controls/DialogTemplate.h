#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>

#include <initializer_list>

// Dialogs are laid out from tables in dialog units, which scale with the
// dialog font: x pixels = x units * average character width / 4, y pixels =
// y units * character height / 8.
class DialogUnits
{
public:
    explicit DialogUnits(const QFont &font);

    int toPixelsX(int units) const;
    int toPixelsY(int units) const;
    QRect toPixels(const QRect &units) const;
    QSize toPixels(const QSize &units) const;

private:
    int m_averageWidth = 0;
    int m_height = 0;
};

// One control of a dialog table. Every control keeps its id as objectName
// ("1004"), so code and tests find it the same way.
struct ControlSpec
{
    enum class Kind {
        Label,
        Button,
        DefaultButton,
        CheckBox,
        RadioButton,
        GroupBox,
        LineEdit,
        ComboBox,
        Premade
    };
    enum Flag {
        NoFlags = 0,
        Disabled = 1,
        Hidden = 2,
        ReadOnly = 4,
        RightAligned = 8,
        WordWrap = 16,
    };

    int id;
    Kind kind;
    QString text;
    QRect units; // x, y, width, height in dialog units
    int flags = NoFlags;
    QWidget *premade = nullptr; // Kind::Premade: a control of the dialog's own class
};

// Creates the controls of a table as children of dialog (or places the
// premade ones), sizes the dialog to size (in dialog units) and puts the
// controls in the Tab order of the table. Find a control with control<T>().
// A combo box gets the height of a closed one: its table height is the
// extent of its drop-down list.
void buildDialog(QWidget *dialog, const QFont &font, const QSize &size,
                 std::initializer_list<ControlSpec> controls);

// Names a control that the dialog made itself and puts it at its table place.
void placeControl(QWidget *control, int id, const QRect &units, const DialogUnits &dialogUnits);

QString controlName(int id);

template<typename T> T *control(const QWidget *dialog, int id)
{
    return dialog->findChild<T *>(controlName(id));
}
