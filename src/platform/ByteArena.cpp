#include "ByteArena.h"

#include <algorithm>

QByteArrayView ByteArena::keep(std::initializer_list<QByteArrayView> parts)
{
    constexpr qsizetype BlockSize = 64 * 1024;
    qsizetype size = 0;
    for (const QByteArrayView part : parts)
        size += part.size();
    if (size > m_left) {
        // A piece larger than a block gets a block of its own.
        const qsizetype blockSize = std::max(BlockSize, size);
        m_blocks.push_back(std::make_unique_for_overwrite<char[]>(size_t(blockSize)));
        m_free = m_blocks.back().get();
        m_left = blockSize;
    }
    char *const start = m_free;
    for (const QByteArrayView part : parts)
        m_free = std::copy(part.begin(), part.end(), m_free);
    m_left -= size;
    return QByteArrayView(start, size);
}
