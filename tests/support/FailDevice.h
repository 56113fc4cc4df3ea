#pragma once

#include <QIODevice>

#include <limits>

// A device that passes writes on to another one until it has taken capacity
// bytes, then fails as a full disk does: the write that reaches the capacity
// is cut short, and every later one fails with the reason "No space left on
// device". Each write takes at most chunk bytes, so that short writes come
// before, or without, a failure.
class FailDevice : public QIODevice
{
public:
    static constexpr qint64 Unlimited = std::numeric_limits<qint64>::max();

    explicit FailDevice(QIODevice &target, qint64 capacity, qint64 chunk = Unlimited);

protected:
    qint64 readData(char *data, qint64 size) override;
    qint64 writeData(const char *data, qint64 size) override;

private:
    QIODevice &m_target;
    qint64 m_left;
    qint64 m_chunk;
};
