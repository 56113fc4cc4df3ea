#include "TextCodec.h"

#include <QStringDecoder>

std::optional<QString> decodeUtf8Strict(QByteArrayView bytes)
{
    // Valid text takes the fast path: decoding never makes a U+FFFD of valid
    // bytes without one, so only text that shows one needs checking; fromUtf8
    // would drop a leading U+FEFF. A strict decoder for every value made a
    // language's loading in UTF-8 mode a fifth slower.
    if (!bytes.startsWith("\xEF\xBB\xBF")) {
        QString text = QString::fromUtf8(bytes);
        if (!text.contains(QChar::ReplacementCharacter) || bytes.isValidUtf8())
            return text;
        return std::nullopt;
    }
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless
                               | QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

QString decodeUtf8OrEmpty(QByteArrayView bytes)
{
    return decodeUtf8Strict(bytes).value_or(QString());
}

QString decodeUtf8(QByteArrayView bytes)
{
    // The common case takes the faster QString::fromUtf8.
    if (!bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes);
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless
                               | QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

QString decodeUtf8Trimmed(QByteArrayView bytes)
{
    const QByteArrayView inner = bytes.trimmed();
    QString text = decodeUtf8(inner);
    if (!inner.isEmpty() && (quint8(inner.front()) >= 0x80 || quint8(inner.back()) >= 0x80))
        return std::move(text).trimmed();
    return text;
}
