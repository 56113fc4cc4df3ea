#include "EntryStatus.h"

QString statusText(EntryStatus status)
{
    switch (status) {
    case EntryStatus::Modified:
        return StatusText::Modified.toString();
    case EntryStatus::Error:
        return StatusText::Error.toString();
    case EntryStatus::TooLong:
        return StatusText::TooLong.toString();
    case EntryStatus::None:
        break;
    }
    return {};
}

EntryStatus statusFromText(QStringView text)
{
    if (text == StatusText::Modified)
        return EntryStatus::Modified;
    if (text == StatusText::Error)
        return EntryStatus::Error;
    if (text == StatusText::TooLong)
        return EntryStatus::TooLong;
    return EntryStatus::None;
}

QColor statusBackground(EntryStatus status)
{
    switch (status) {
    case EntryStatus::Modified:
        return QColor::fromRgb(0xFFFFFF5D);
    case EntryStatus::Error:
    case EntryStatus::TooLong:
        return QColor::fromRgb(0xFFFF0000);
    case EntryStatus::None:
        break;
    }
    return {};
}

QColor statusForeground(EntryStatus status)
{
    if (status == EntryStatus::Error || status == EntryStatus::TooLong)
        return QColor(Qt::white);
    return {};
}
