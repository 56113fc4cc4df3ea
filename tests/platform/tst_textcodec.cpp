#include "platform/TextCodec.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_TextCodec : public QObject
{
    Q_OBJECT

private slots:
    void decodeUtf8Trimmed_data();
    void decodeUtf8Trimmed();
    void decodeUtf8TrimmedMatchesTrimmingText();
};

void tst_TextCodec::decodeUtf8Trimmed_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("ASCII blanks") << QByteArray(" \t Wert \r\n") << u"Wert"_s;
    QTest::newRow("no-break spaces") << QByteArray("\xC2\xA0Wert\xC2\xA0") << u"Wert"_s;
    QTest::newRow("ideographic space after an ASCII blank")
        << QByteArray(" \xE3\x80\x80\xE5\x80\xBC ") << u"\u503C"_s;
    QTest::newRow("byte-order mark is text") << QByteArray("\xEF\xBB\xBFW ") << u"\uFEFFW"_s;
    QTest::newRow("not UTF-8 at the end") << QByteArray("W\xE4 ") << u"W\uFFFD"_s;
    QTest::newRow("blanks only") << QByteArray(" \t ") << QString();
}

void tst_TextCodec::decodeUtf8Trimmed()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(::decodeUtf8Trimmed(bytes), text);
}

// Random lines of blanks, ASCII, multi-byte sequences and their broken
// pieces: dropping ASCII blanks before decoding must never change the text.
void tst_TextCodec::decodeUtf8TrimmedMatchesTrimmingText()
{
    const QList<QByteArray> pieces = { " ",
                                       "\t",
                                       "\r",
                                       "\v",
                                       "a",
                                       "=",
                                       "\xC2\xA0",
                                       "\xC2\x85",
                                       "\xC2",
                                       "\xA0",
                                       "\xE3\x80\x80",
                                       "\xE3\x80",
                                       "\x80",
                                       "\xFF",
                                       "\xEF\xBB\xBF",
                                       "\xE2\x80\xA8",
                                       "\xF0\x9F\x98\x80",
                                       "\xF0\x9F",
                                       "\xE5\x80\xBC" };
    QRandomGenerator random(20261209);
    for (int round = 0; round < 100000; ++round) {
        QByteArray bytes;
        for (int count = random.bounded(7); count > 0; --count)
            bytes += pieces.at(random.bounded(int(pieces.size())));
        const QString expected = decodeUtf8(bytes).trimmed();
        const QString text = ::decodeUtf8Trimmed(bytes);
        if (text != expected || text.isNull() != expected.isNull())
            QFAIL(qPrintable(u"bytes %1: %2 instead of %3"_s.arg(QString::fromLatin1(bytes.toHex()),
                                                                 text, expected)));
    }
}

QTEST_GUILESS_MAIN(tst_TextCodec)
#include "tst_textcodec.moc"
