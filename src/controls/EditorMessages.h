#pragma once

#include <QEvent>

// Private messages of the translation editor, delivered synchronously with
// QCoreApplication::sendEvent. Both numbers lie above QEvent::User and below
// the range that QEvent::registerEventType hands out.

// Sent by the value field to its parent after it has processed a character.
inline constexpr QEvent::Type ValueEditedEvent = QEvent::Type(0x505);

// Asks the editor to preview the texts of one row.
inline constexpr QEvent::Type PreviewRequestEvent = QEvent::Type(0x501);

class PreviewRequest : public QEvent
{
public:
    explicit PreviewRequest(int row)
        : QEvent(PreviewRequestEvent)
        , m_row(row)
    {
    }

    int row() const { return m_row; }

private:
    int m_row;
};
