#pragma once

#include <QByteArray>

// One item of the English web files: its id, the attribute's key exactly as
// the file stores it (UTF-8, compared byte for byte), and the number of the
// file that holds it.
struct WebItem
{
    QByteArray id;
    int fileNumber = -1;
};
