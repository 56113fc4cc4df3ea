#include "DemoInstallation.h"
#include "ModalDialogs.h"
#include "check/CheckEngine.h"
#include "config/ReconcileIndex.h"
#include "controls/CMyEdit.h"
#include "controls/DialogTemplate.h"
#include "editorwindow/EditorControls.h"
#include "overview/COverviewDlg.h"

#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QMutex>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_OverviewDlg : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void shortcutShowsTheCheckersCounts();
    void openingALanguage_data();
    void openingALanguage();
    void checksAgainAfterASave();
    void closingWhileChecking_data();
    void closingWhileChecking();
    void deletedFile_data();
    void deletedFile();

private:
    std::unique_ptr<COverviewDlg> openOverview(MeasurerFactory measurer = {});
    // The summaries lexivo-check gives for the installation as it is now.
    std::vector<LanguageSummary> checked(const QStringList &languages = {}) const;
    void select(COverviewDlg &overview, const QString &language) const;

    std::unique_ptr<DemoInstallation> m_demo;
};

namespace {

const QString German = u"German (Germany)"_s;

QTableView *table(const COverviewDlg &overview)
{
    return overview.findChild<QTableView *>(u"languages"_s);
}

QString status(const COverviewDlg &overview)
{
    return overview.findChild<QLabel *>(u"status"_s)->text();
}

// 10 px a character, measured only while the test leaves the gate open.
class GatedMeasurer : public TextMeasurer
{
public:
    explicit GatedMeasurer(QMutex &gate)
        : m_gate(gate)
    {
    }

    int width(const QString &text) const override
    {
        const QMutexLocker open(&m_gate);
        return 10 * int(text.size());
    }

private:
    QMutex &m_gate;
};

} // namespace

void tst_OverviewDlg::init()
{
    m_demo = std::make_unique<DemoInstallation>();
}

void tst_OverviewDlg::cleanup()
{
    m_demo.reset();
}

std::unique_ptr<COverviewDlg> tst_OverviewDlg::openOverview(MeasurerFactory measurer)
{
    CLexivoDlg *main = &m_demo->mainWindow();
    auto overview = std::make_unique<COverviewDlg>(
        OverviewSource { QDir::currentPath(), QCoreApplication::applicationDirPath(),
                         m_demo->config().catalogue,
                         [main](int row) { return main->openEditorOn(row); }, measurer },
        main);
    overview->show();
    return overview;
}

std::vector<LanguageSummary> tst_OverviewDlg::checked(const QStringList &languages) const
{
    CheckOptions options;
    options.installation = QDir::currentPath();
    options.toolFolder = QCoreApplication::applicationDirPath();
    options.languages = languages;
    return runCheck(options).report.languages;
}

void tst_OverviewDlg::select(COverviewDlg &overview, const QString &language) const
{
    QTableView *view = table(overview);
    view->setCurrentIndex(view->model()->index(overview.model().rowOf(language), 0));
    view->setFocus();
}

// Ctrl+I in the main window; every figure the checker's, under the heading
// the checker gives it; Escape closes.
void tst_OverviewDlg::shortcutShowsTheCheckersCounts()
{
    const std::vector<LanguageSummary> expected = checked();
    QCOMPARE(expected.size(), size_t(4));
    bool compared = false;
    bool escaped = false;
    whenModal<COverviewDlg>(this, [&](COverviewDlg *overview) {
        QTimer::singleShot(LostKeyMilliseconds, overview, &QDialog::reject); // Escape was lost
        QTRY_VERIFY(!overview->busy());
        const OverviewModel &model = overview->model();
        QCOMPARE(model.rowCount(), 4);
        const std::pair<QString, int LanguageSummary::*> columns[]
            = { { u"Entries"_s, &LanguageSummary::entries },
                { u"Blank"_s, &LanguageSummary::blank },
                { u"ERROR"_s, &LanguageSummary::error },
                { u"TOO LONG"_s, &LanguageSummary::tooLong },
                { u"Missing"_s, &LanguageSummary::missing },
                { u"Extra"_s, &LanguageSummary::extra } };
        for (const LanguageSummary &language : expected) {
            const int row = model.rowOf(language.name);
            QVERIFY2(row >= 0, qPrintable(language.name));
            QCOMPARE(model.summary(row), language);
            for (const auto &[title, count] : columns) {
                int column = 0;
                while (model.headerData(column, Qt::Horizontal).toString() != title)
                    ++column;
                QCOMPARE(model.index(row, column).data().toInt(), language.*count);
            }
        }
        const LanguageSummary &german = model.summary(model.rowOf(German));
        QVERIFY(german.error > 0 && german.tooLong > 0 && german.blank > 0 && german.missing > 0);
        compared = true;
        escaped = pressKeyOn(overview, Qt::Key_Escape);
    });
    QVERIFY(pressKeyOn(&m_demo->mainWindow(), Qt::Key_I, Qt::ControlModifier));
    QVERIFY(compared);
    QVERIFY(escaped);
    QVERIFY(!m_demo->mainWindow().findChild<COverviewDlg *>());
}

void tst_OverviewDlg::openingALanguage_data()
{
    QTest::addColumn<bool>("byKey");
    QTest::newRow("Enter") << true;
    QTest::newRow("double click") << false;
}

// As choosing the language in the main window and pressing Modify: the main
// list shows its entries and the editor gets them.
void tst_OverviewDlg::openingALanguage()
{
    QFETCH(bool, byKey);
    const auto overview = openOverview();
    QTRY_VERIFY(!overview->busy());
    select(*overview, German);

    QString title;
    int rows = -1;
    whenModal<CAmendLanguageMapDlg>(this, [&](CAmendLanguageMapDlg *editor) {
        title = editor->windowTitle();
        rows = editor->rows().rowCount();
        editor->reject();
    });
    if (byKey) {
        QVERIFY(pressKeyOn(overview.get(), Qt::Key_Return));
    } else {
        QTableView *view = table(*overview);
        const QPoint centre = view->visualRect(view->currentIndex()).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre);
    }
    QCOMPARE(title, u"Translation in Process      German (Germany)"_s);
    const CLexivoDlg &main = m_demo->mainWindow();
    QCOMPARE(main.entryList().rowCount(), rows);
    QCOMPARE(m_demo->config().catalogue.NameAt(main.selectedLanguage()), German);
    QVERIFY(overview->isVisible()); // Enter reached the list, not the dialog
    QTRY_VERIFY(!overview->busy());
}

void tst_OverviewDlg::checksAgainAfterASave()
{
    const auto overview = openOverview();
    QTRY_VERIFY(!overview->busy());
    const LanguageSummary before = overview->model().summary(overview->model().rowOf(German));
    select(*overview, German);

    whenModal<CAmendLanguageMapDlg>(this, [](CAmendLanguageMapDlg *editor) {
        const QList<EditorRow> &rows = editor->rows().rows();
        // Blank in the demo.
        const auto blank = std::find_if(rows.cbegin(), rows.cend(), [](const EditorRow &row) {
            return row.attribute == u"web.login.locked"_s;
        });
        editor->SelectRow(int(blank - rows.cbegin()));
        control<CMyEdit>(editor, EditorControl::Value)->setText(u"Anwenden"_s);
        editor->CommitValue();
        editor->Save();
    });
    QVERIFY(pressKeyOn(overview.get(), Qt::Key_Return));
    QTRY_VERIFY(!overview->busy());

    const LanguageSummary after = overview->model().summary(overview->model().rowOf(German));
    QCOMPARE(after, checked({ German }).front());
    QCOMPARE(after.translated, before.translated + 1);
}

void tst_OverviewDlg::closingWhileChecking_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("Escape") << 0;
    QTest::newRow("the close button") << 1;
    QTest::newRow("destroyed while shown") << 2;
}

// The check waits at the gate while the overview is closed: it is cancelled
// at once, and the overview ends once the thread has let go of it.
void tst_OverviewDlg::closingWhileChecking()
{
    QFETCH(int, how);
    QMutex gate;
    gate.lock();
    auto overview = openOverview([&gate] { return std::make_unique<GatedMeasurer>(gate); });
    QVERIFY(QTest::qWaitForWindowExposed(overview.get()));
    QVERIFY(overview->busy());
    QCOMPARE(status(*overview), u"Reading the installation..."_s);
    QVERIFY(overview->findChild<QProgressBar *>(u"progress"_s)->isVisible());
    // The window answers while the check waits.
    QTest::mouseClick(table(*overview)->horizontalHeader()->viewport(), Qt::LeftButton, {},
                      { 5, 5 });

    if (how == 0)
        QVERIFY(pressKeyOn(overview.get(), Qt::Key_Escape));
    else if (how == 1)
        QTest::mouseClick(overview->findChild<QPushButton *>(u"close"_s), Qt::LeftButton);
    if (how != 2) {
        QVERIFY(!overview->isVisible());
        QVERIFY(!overview->busy());
    }
    gate.unlock();
    overview.reset();
}

void tst_OverviewDlg::deletedFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("languages");
    QTest::addColumn<QString>("message");

    QTest::newRow("a language") << u"language/German (Germany).ini"_s << 4
                                << u"language/German (Germany).ini: the language file is"
                                   " missing."_s;
    QTest::newRow("the reference")
        << u"language/English (United States).ini"_s << 0 << mainFileMissingMessage();
}

// Deleted while the overview is open, then F5: the row or the whole overview
// says what is wrong, and the language still opens (with empty values).
void tst_OverviewDlg::deletedFile()
{
    QFETCH(QString, file);
    QFETCH(int, languages);
    QFETCH(QString, message);
    const auto overview = openOverview();
    QTRY_VERIFY(!overview->busy());
    QVERIFY(QFile::remove(m_demo->path(file)));

    // The button takes its shortcut with a short animation.
    const QSignalSpy checks(overview.get(), &COverviewDlg::checked);
    QVERIFY(pressKeyOn(overview.get(), Qt::Key_F5));
    QTRY_COMPARE(checks.count(), 1);
    QVERIFY2(status(*overview).contains(message), qPrintable(status(*overview)));
    QCOMPARE(overview->model().rowCount(), languages);
    if (languages == 0)
        return;

    const int row = overview->model().rowOf(German);
    QCOMPARE(overview->model().summary(row).problem, u"the language file is missing"_s);
    QVERIFY(overview->model()
                .index(row, 0)
                .data(Qt::ToolTipRole)
                .toString()
                .contains(message.chopped(1)));
    select(*overview, German);
    int rows = -1;
    whenModal<CAmendLanguageMapDlg>(this, [&rows](CAmendLanguageMapDlg *editor) {
        rows = editor->rows().rowCount();
        editor->reject();
    });
    QVERIFY(pressKeyOn(overview.get(), Qt::Key_Return));
    QCOMPARE(rows, overview->model().summary(row).entries);
    QTRY_VERIFY(!overview->busy());
}

QTEST_MAIN(tst_OverviewDlg)
#include "tst_overviewdlg.moc"
