#include "FixedTextMeasurer.h"
#include "editor/FormatSymbols.h"
#include "editor/TextMeasurer.h"
#include "editor/TranslationChecks.h"

#include <QFontMetrics>
#include <QTest>

#include <bit>

using namespace Qt::StringLiterals;

namespace {

constexpr EntryOrdinal IniEntry = 7;
constexpr EntryOrdinal WebEntry = FirstWebOrdinal + 7;

// The multiset as a sorted list with repeats, for readable failures.
QStringList listed(const SymbolCounts &symbols)
{
    QStringList list;
    for (auto it = symbols.cbegin(); it != symbols.cend(); ++it) {
        for (int i = 0; i < it.value(); ++i)
            list.append(it.key());
    }
    list.sort();
    return list;
}

} // namespace

class tst_TranslationChecks : public QObject
{
    Q_OBJECT

private slots:
    void symbols_data();
    void symbols();
    void formatCheck_data();
    void formatCheck();
    void displayLength_data();
    void displayLength();
    void blank_data();
    void blank();
    void failedCheck_data();
    void failedCheck();
    void fontMeasurerAgreesWithItsFont();
};

void tst_TranslationChecks::symbols_data()
{
    QTest::addColumn<EntryOrdinal>("ordinal");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("printf") << IniEntry << u"Copy %d of %s"_s << QStringList { u"%d"_s, u"%s"_s };
    QTest::newRow("%l takes three") << IniEntry << u"%ld files"_s << QStringList { u"%ld"_s };
    QTest::newRow("%l at the end") << IniEntry << u"size %l"_s << QStringList { u"%l"_s };
    QTest::newRow("% at the end") << IniEntry << u"100%"_s << QStringList { u"%"_s };
    QTest::newRow("%%d") << IniEntry << u"50%%d"_s << QStringList { u"%%"_s, u"%d"_s };
    QTest::newRow("%l then %") << IniEntry << u"%l%d"_s << QStringList { u"%d"_s, u"%l%"_s };
    QTest::newRow("escapes") << IniEntry << u"a\\nb\\t"_s << QStringList { u"\\n"_s, u"\\t"_s };
    QTest::newRow("two backslashes")
        << IniEntry << u"a\\\\b"_s << QStringList { u"\\\\"_s, u"\\b"_s };
    QTest::newRow("trailing backslash") << IniEntry << u"dir\\"_s << QStringList { u"\\"_s };
    QTest::newRow("INI braces are text") << IniEntry << u"{0} of %d"_s << QStringList { u"%d"_s };
    QTest::newRow("braces") << WebEntry << u"{1} of {0}, {1}"_s
                            << QStringList { u"{0}"_s, u"{1}"_s, u"{1}"_s };
    QTest::newRow("several digits") << WebEntry << u"{12}"_s << QStringList { u"{12}"_s };
    QTest::newRow("web % and backslash are text")
        << WebEntry << u"100% \\n {0}"_s << QStringList { u"{0}"_s };
    QTest::newRow("brace after backslash")
        << WebEntry << u"\\{0} {1}"_s << QStringList { u"{1}"_s };
    QTest::newRow("letters, signs, empty") << WebEntry << u"{a} {1x} {-1} {}"_s << QStringList {};
    QTest::newRow("group hides its braces")
        << WebEntry << u"{x{1} {2}"_s << QStringList { u"{2}"_s };
    QTest::newRow("unclosed ends the scan") << WebEntry << u"{0} {1"_s << QStringList { u"{0}"_s };
}

void tst_TranslationChecks::symbols()
{
    QFETCH(EntryOrdinal, ordinal);
    QFETCH(QString, text);
    QFETCH(QStringList, expected);

    QCOMPARE(listed(formatSymbols(ordinal, text)), expected);
}

void tst_TranslationChecks::formatCheck_data()
{
    QTest::addColumn<EntryOrdinal>("ordinal");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("reference");
    QTest::addColumn<bool>("passes");

    QTest::newRow("reordered") << IniEntry << u"%s: %d"_s << u"%d of %s"_s << true;
    QTest::newRow("dropped") << IniEntry << u"%d"_s << u"%d of %s"_s << false;
    QTest::newRow("added") << IniEntry << u"%d %s"_s << u"%d"_s << false;
    QTest::newRow("repeated") << IniEntry << u"%d, %d"_s << u"%d"_s << false;
    QTest::newRow("%ld against %d") << IniEntry << u"%d"_s << u"%ld"_s << false;
    QTest::newRow("case matters") << IniEntry << u"%S"_s << u"%s"_s << false;
    QTest::newRow("empty value, symbol") << IniEntry << QString() << u"%d"_s << false;
    QTest::newRow("empty value, plain") << IniEntry << QString() << u"OK"_s << true;
    QTest::newRow("no reference, symbol") << IniEntry << u"%d"_s << QString() << false;
    QTest::newRow("web reordered") << WebEntry << u"{1} {0}"_s << u"{0} {1}"_s << true;
    QTest::newRow("web dropped") << WebEntry << u"{0}"_s << u"{0} {1}"_s << false;
}

void tst_TranslationChecks::formatCheck()
{
    QFETCH(EntryOrdinal, ordinal);
    QFETCH(QString, value);
    QFETCH(QString, reference);
    QFETCH(bool, passes);

    QCOMPARE(CheckFormatSymbols(ordinal, value, reference), passes);
}

void tst_TranslationChecks::displayLength_data()
{
    QTest::addColumn<QString>("attribute");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("limited");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<int>("cut");

    // IDS_OK has room for "Cancel" (60 px), IDS_NONE for nothing.
    QTest::newRow("no limit") << u"IDS_OTHER"_s << u"A long, long text"_s << false << true << 0;
    QTest::newRow("exact look-up") << u"ids_ok"_s << u"A long, long text"_s << false << true << 0;
    QTest::newRow("exactly as wide") << u"IDS_OK"_s << u"Accept"_s << true << true << 0;
    QTest::newRow("one pixel wider") << u"IDS_OK"_s << u"Accept."_s << true << false << 6;
    QTest::newRow("cut") << u"IDS_OK"_s << u"Abbrechen und weiter"_s << true << false << 6;
    QTest::newRow("nothing fits") << u"IDS_NONE"_s << u"A"_s << true << false << 0;
    QTest::newRow("empty value") << u"IDS_NONE"_s << QString() << true << true << 0;
    QTest::newRow("long value") << u"IDS_OK"_s << QString(100000, u'x') << true << false << 6;
    QTest::newRow("cut before a pair")
        << u"IDS_OK"_s << u"Cance\U0001F600x"_s << true << false << 5;
}

void tst_TranslationChecks::displayLength()
{
    QFETCH(QString, attribute);
    QFETCH(QString, value);
    QFETCH(bool, limited);
    QFETCH(bool, fits);
    QFETCH(int, cut);

    const LengthLimits limits { { u"IDS_OK"_s, u"Cancel"_s }, { u"IDS_NONE"_s, QString() } };
    FixedTextMeasurer measurer;
    const LengthVerdict verdict = CheckDisplayLength(attribute, value, limits, measurer);
    QCOMPARE(verdict.limited, limited);
    QCOMPARE(verdict.fits, fits);
    QCOMPARE(verdict.cut, cut);
    // Sample and value once, then a halving search for the cut.
    QVERIFY(measurer.calls() <= 2 + (fits ? 0 : int(std::bit_width(quint64(value.size())))));
}

void tst_TranslationChecks::blank_data()
{
    QTest::addColumn<QString>("attribute");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("blank");

    QTest::newRow("empty value") << u"IDS_A"_s << QString() << true;
    QTest::newRow("white value") << u"IDS_A"_s << u" \t "_s << true;
    QTest::newRow("value") << u"IDS_A"_s << u" x "_s << false;
    QTest::newRow("no attribute") << u"  "_s << QString() << false;
}

void tst_TranslationChecks::blank()
{
    QFETCH(QString, attribute);
    QFETCH(QString, value);
    QFETCH(bool, blank);

    QCOMPARE(isBlank(attribute, value), blank);
}

void tst_TranslationChecks::failedCheck_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("reference");
    QTest::addColumn<int>("status"); // -1: passes

    QTest::newRow("passes") << u"Ok %d"_s << u"OK %d"_s << -1;
    QTest::newRow("too long") << u"Okay then %d"_s << u"OK %d"_s << int(EntryStatus::TooLong);
    QTest::newRow("both fail") << u"Okay then %s"_s << u"OK %d"_s << int(EntryStatus::Error);
    QTest::newRow("blank, symbol") << QString() << u"%d"_s << int(EntryStatus::Error);
}

void tst_TranslationChecks::failedCheck()
{
    QFETCH(QString, value);
    QFETCH(QString, reference);
    QFETCH(int, status);

    const LengthLimits limits { { u"IDS_OK"_s, u"Cancel"_s } };
    const EditorRow row { IniEntry, u"IDS_OK"_s, value, reference, {} };
    const std::optional<EntryStatus> failure = ::failedCheck(row, limits, FixedTextMeasurer());
    QCOMPARE(failure ? int(*failure) : -1, status);
}

void tst_TranslationChecks::fontMeasurerAgreesWithItsFont()
{
    const QFont font(u"Sans Serif"_s, 9);
    const QFontMetrics metrics(font);
    const FontTextMeasurer measurer(font);
    const QStringList texts { u"Cancel"_s, u"Abbrechen"_s, u"\u53d6\u6d88"_s, QString() };
    for (int pass = 0; pass < 2; ++pass) { // the second pass reads remembered widths
        for (const QString &text : texts)
            QCOMPARE(measurer.width(text), metrics.horizontalAdvance(text));
    }
}

QTEST_MAIN(tst_TranslationChecks)
#include "tst_translationchecks.moc"
