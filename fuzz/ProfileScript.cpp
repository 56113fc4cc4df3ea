#include "ProfileScript.h"

#include "platform/ProfileFile.h"
#include "platform/TextCodec.h"

#include <QtEndian>

QString ProfileOp::wide(const QByteArray &field) const
{
    if (kind != WriteUtf16)
        return decodeUtf8(field);
    QString text(field.size() / 2, Qt::Uninitialized);
    qFromLittleEndian<char16_t>(field.constData(), text.size(), text.data());
    return text;
}

void ProfileOp::applyTo(ProfileFile &file) const
{
    switch (kind) {
    case WriteNarrow:
        return file.writeKeyNarrow(section, key, value);
    case Delete:
        return file.deleteKey(wide(section), wide(key));
    case Write:
    case WriteUtf16:
        return file.writeKey(wide(section), wide(key), wide(value));
    }
}

Result<> ProfileOp::applyOnce(const QString &path) const
{
    switch (kind) {
    case WriteNarrow:
        return Profile::writeStringNarrow(path, section, key, value);
    case Delete:
        return Profile::deleteKey(path, wide(section), wide(key));
    case Write:
    case WriteUtf16:
        return Profile::writeString(path, wide(section), wide(key), wide(value));
    }
    return ResultError(QStringLiteral("unknown operation"));
}

ProfileScript::ProfileScript(QByteArrayView input)
{
    const qsizetype split = input.lastIndexOf('\x1D');
    file = (split < 0 ? input : input.first(split)).toByteArray();
    if (split < 0)
        return;
    for (const QByteArray &record : input.sliced(split + 1).toByteArray().split('\x1E')) {
        const QList<QByteArray> fields = record.split('\x1F');
        if (fields.size() < 3 || fields[0].size() != 1
            || !QByteArrayView("wund").contains(fields[0][0]))
            continue;
        ops.append({ ProfileOp::Kind(fields[0][0]), fields[1], fields[2], fields.value(3) });
        if (ops.size() == MaxOps)
            return;
    }
}
