#include "COverviewDlg.h"

#include "config/LanguageCatalogue.h"
#include "controls/MessageBoxes.h"
#include "controls/ProgressBarDelegate.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

int catalogueRowOf(const LanguageCatalogue &catalogue, const QString &name)
{
    for (int row = 0; row < catalogue.count(); ++row) {
        if (catalogue.NameAt(row) == name)
            return row;
    }
    return -1;
}

} // namespace

COverviewDlg::COverviewDlg(OverviewSource source, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint)
    , m_source(std::move(source))
{
    setWindowTitle(u"Overview of the languages"_s);
    buildControls();
    connect(&m_run, &OverviewRun::languageChecked, this, &COverviewDlg::languageChecked);
    connect(&m_run, &OverviewRun::finished, this, &COverviewDlg::finished);
    refresh();
}

COverviewDlg::~COverviewDlg() = default;

void COverviewDlg::buildControls()
{
    m_status = new QLabel(this);
    m_status->setObjectName(u"status"_s);
    m_status->setWordWrap(true);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(u"progress"_s);
    m_progress->setTextVisible(false);

    m_table = new QTableView(this);
    m_table->setObjectName(u"languages"_s);
    m_table->setModel(&m_model);
    m_table->setItemDelegateForColumn(
        OverviewModel::TranslatedColumn,
        new ProgressBarDelegate(OverviewModel::PerMilleRole, m_table));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setTabKeyNavigation(false);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 8);
    QHeaderView *header = m_table->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(OverviewModel::LanguageColumn, QHeaderView::Stretch);
    header->setHighlightSections(false);
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(OverviewModel::LanguageColumn, Qt::AscendingOrder);

    // No button is the default one: Enter belongs to the list.
    m_refresh = new QPushButton(u"&Refresh"_s, this);
    m_refresh->setObjectName(u"refresh"_s);
    m_refresh->setShortcut(QKeySequence::Refresh);
    m_refresh->setAutoDefault(false);
    auto *close = new QPushButton(u"Close"_s, this);
    close->setObjectName(u"close"_s);
    close->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_refresh);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_status);
    layout->addWidget(m_progress);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttons);
    resize(780, 460);
    m_table->setFocus();

    // activated: a double click, or Enter on the current row.
    connect(m_table, &QTableView::activated, this, &COverviewDlg::openEditor);
    connect(m_refresh, &QPushButton::clicked, this, &COverviewDlg::refresh);
    connect(close, &QPushButton::clicked, this, &COverviewDlg::reject);
}

CheckOptions COverviewDlg::options(const QStringList &languages) const
{
    CheckOptions options;
    options.installation = m_source.installation;
    options.toolFolder = m_source.toolFolder;
    options.languages = languages;
    options.measurer = m_source.measurer;
    return options;
}

void COverviewDlg::refresh()
{
    m_single.clear();
    m_reported.clear();
    showProgress(u"Reading the installation..."_s);
    m_run.start(options({}));
}

// One language after the editor: unless every one is being checked anyway.
void COverviewDlg::recheck(const QString &language)
{
    if (m_run.running()) {
        refresh();
        return;
    }
    m_single = language;
    showProgress(u"Checking %1..."_s.arg(language));
    m_run.start(options({ language }));
}

void COverviewDlg::languageChecked(int checked, int total, const LanguageSummary &summary)
{
    m_model.setSummary(summary);
    if (m_single.isEmpty()) {
        m_reported.insert(summary.name);
        showProgress(u"Checked %1 of %2 languages..."_s.arg(checked).arg(total), checked, total);
    }
}

void COverviewDlg::finished(const QString &error)
{
    m_progress->hide();
    m_refresh->setEnabled(true);
    if (!error.isEmpty() && !m_single.isEmpty()) {
        // The language has gone from the installation, or the installation
        // itself: checking everything tells which.
        refresh();
        return;
    }
    if (!error.isEmpty()) {
        m_model.clear();
        m_status->setText(error);
    } else {
        if (m_single.isEmpty())
            m_model.keepOnly(m_reported);
        // Enter opens a language from the start.
        if (!m_table->currentIndex().isValid())
            m_table->selectRow(0);
        m_status->setText(outcomeText());
    }
    emit checked();
}

QString COverviewDlg::outcomeText() const
{
    const int count = m_model.rowCount();
    QString text = (count == 1 ? u"1 language"_s : u"%1 languages"_s.arg(count))
        + u" checked as the editor checks them. Double-click a language or press Enter to"
          " edit it."_s;
    for (int row = 0; row < m_model.rowCount(); ++row) {
        const LanguageSummary &language = m_model.summary(row);
        if (!language.problem.isEmpty())
            text += u"\n%1: %2."_s.arg(language.file, language.problem);
    }
    return text;
}

void COverviewDlg::showProgress(const QString &text, int checked, int total)
{
    m_status->setText(text);
    // Without a total the bar shows that work goes on.
    m_progress->setRange(0, total);
    m_progress->setValue(checked);
    m_progress->show();
    m_refresh->setEnabled(false);
}

void COverviewDlg::openEditor(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    const QString language = m_model.summary(index.row()).name;
    if (!m_source.openEditor(catalogueRowOf(m_source.catalogue, language))) {
        MessageBoxes::inform(this,
                             u"%1 was added to the installation after Lexivo started."
                             " Start Lexivo again to edit it."_s.arg(language));
        return;
    }
    recheck(language);
}

void COverviewDlg::reject()
{
    m_run.cancel();
    QDialog::reject();
}
