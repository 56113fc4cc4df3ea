#include "FailDevice.h"

#include <algorithm>

FailDevice::FailDevice(QIODevice &target, qint64 capacity, qint64 chunk)
    : m_target(target)
    , m_left(capacity)
    , m_chunk(chunk)
{
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 FailDevice::readData(char *, qint64)
{
    return -1;
}

qint64 FailDevice::writeData(const char *data, qint64 size)
{
    if (m_left == 0) {
        setErrorString(QStringLiteral("No space left on device"));
        return -1;
    }
    const qint64 written = m_target.write(data, std::min({ size, m_left, m_chunk }));
    if (written < 0) {
        setErrorString(m_target.errorString());
        return -1;
    }
    m_left -= written;
    return written;
}
