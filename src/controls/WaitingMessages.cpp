#include "WaitingMessages.h"

#include <QByteArray>
#include <QHash>

namespace WaitingMessages {

namespace {
QHash<QByteArray, QEvent::Type> s_types;
} // namespace

void registerType(const char *name)
{
    if (!s_types.contains(name))
        s_types.insert(name, QEvent::Type(QEvent::registerEventType()));
}

QEvent::Type type(const char *name)
{
    return s_types.value(name, QEvent::None);
}

} // namespace WaitingMessages
