#pragma once

#include <QByteArrayView>

#include <initializer_list>
#include <memory>
#include <vector>

// Bytes kept at fixed addresses for the arena's life, so that views of them
// stay valid: one allocation per block instead of one per piece.
class ByteArena
{
public:
    // A copy of the parts, one after the other.
    QByteArrayView keep(std::initializer_list<QByteArrayView> parts);

private:
    std::vector<std::unique_ptr<char[]>> m_blocks;
    char *m_free = nullptr; // the unused end of the last block
    qsizetype m_left = 0;
};
