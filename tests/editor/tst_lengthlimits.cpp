#include "TestFiles.h"
#include "editor/LengthLimits.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QStringList listed(const LengthLimits &limits)
{
    QStringList list;
    for (const auto &[attribute, sample] : limits)
        list.append(attribute + u" -> "_s + sample);
    return list;
}

} // namespace

class tst_LengthLimits : public QObject
{
    Q_OBJECT

private slots:
    void readsTheTextSection();
    void missingFileGivesNoLimits();

private:
    QTemporaryDir m_dir;
};

void tst_LengthLimits::readsTheTextSection()
{
    const QString path = m_dir.filePath(u"CheckLength.ini"_s);
    TestFiles::write(path,
                     "[other]\n"
                     "IDS_ELSEWHERE=Not read\n"
                     "[text]\n"
                     "  IDS_OK  =  Cancel  \n"
                     "IDS_A=B=Two equals\n"
                     "a line without equals\n"
                     "=Empty key\n"
                     "   = Blank key\n"
                     "IDS_DUP=First\n"
                     "IDS_DUP=Second\n"
                     "ids_dup=Other case\n"
                     "IDS_EMPTY=\n"
                     "IDS_ZH=\xe5\x8f\x96\xe6\xb6\x88\n");

    const QStringList expected {
        u"IDS_A=B -> Two equals"_s, u"IDS_DUP -> First"_s,       u"IDS_EMPTY -> "_s,
        u"IDS_OK -> Cancel"_s,      u"IDS_ZH -> \u53d6\u6d88"_s, u"ids_dup -> Other case"_s,
    };
    QCOMPARE(listed(LoadLengthLimits(path)), expected);
}

void tst_LengthLimits::missingFileGivesNoLimits()
{
    QVERIFY(LoadLengthLimits(m_dir.filePath(u"absent.ini"_s)).empty());
    QVERIFY(LoadLengthLimits(QString()).empty());
}

QTEST_GUILESS_MAIN(tst_LengthLimits)
#include "tst_lengthlimits.moc"
