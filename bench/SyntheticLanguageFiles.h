#pragma once

#include <QByteArray>
#include <QString>

// Language files for benchmarks: a reference file of keyCount keys with
// English texts holding format symbols, and translations of the same keys in
// another order, as UTF-8 with a byte-order mark.
namespace SyntheticLanguageFiles {

// The key of entry number index, e.g. "IDS_CAMERA_00042".
QString key(int index);

// The reference text of entry number index.
QString referenceValue(int index);

// "[text]" and every key in index order with its reference text.
QByteArray referenceFile(int keyCount);

// "[text]" and every key, in a fixed order unlike the reference's, with a
// translated text; seed changes the order and the texts.
QByteArray languageFile(int keyCount, int seed = 1);

} // namespace SyntheticLanguageFiles
