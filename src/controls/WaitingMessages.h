#pragma once

#include <QEvent>

// The waiting panel's messages are event types registered at program start
// and looked up by name.
namespace WaitingMessages {

enum ShowCommand { Hide = 0, Show = 5 };

void registerType(const char *name);
// The registered type, or QEvent::None for an unknown name.
QEvent::Type type(const char *name);

// "Set wait text" carries a show command.
class ShowCommandEvent : public QEvent
{
public:
    ShowCommandEvent(QEvent::Type type, int showCommand)
        : QEvent(type)
        , command(showCommand)
    {
    }
    const int command;
};

} // namespace WaitingMessages
