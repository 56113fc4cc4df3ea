#include "CLexivoDlg.h"

#include "CAboutDlg.h"
#include "CAddNewLanDlg.h"
#include "CExportDlg.h"
#include "MainWindowControls.h"
#include "MainWindowShortcuts.h"
#include "config/ClientConfig.h"
#include "controls/CWaitingDlg.h"
#include "controls/DialogKeyFilter.h"
#include "controls/DialogResults.h"
#include "controls/DialogTemplate.h"
#include "controls/FileDialogs.h"
#include "controls/MessageBoxes.h"
#include "controls/RowListView.h"
#include "editor/ClientFonts.h"
#include "editor/TextMeasurer.h"
#include "editorwindow/CAmendLanguageMapDlg.h"
#include "overview/COverviewDlg.h"
#include "platform/TextCodec.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

using namespace Qt::StringLiterals;

namespace {

const QString LoadingText = u"Loading data, please wait ..."_s;

} // namespace

CLexivoDlg::CLexivoDlg(const ClientConfig &config, QWidget *parent)
    : QDialog(parent, Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint)
    , m_config(config)
    , m_installation(config)
{
    setWindowTitle(u"Lexivo"_s);
    setWindowIcon(QIcon(u":/res/icon-128.png"_s));
    buildControls();

    // Enter and Escape neither close the window nor press a button.
    DialogKeyFilter::install(this, [](QKeyEvent *event, QWidget *) {
        const int key = event->key();
        return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
    });

    auto *overview = new QAction(u"Overview…"_s, this);
    overview->setShortcut(MainWindowShortcut::overview());
    connect(overview, &QAction::triggered, this, &CLexivoDlg::showOverview);
    addAction(overview);
    m_export = new QAction(u"Export for translation…"_s, this);
    m_export->setEnabled(false); // a language is exported as the list shows it
    connect(m_export, &QAction::triggered, this, &CLexivoDlg::exportForTranslation);
    addAction(m_export);
    auto *about = new QAction(u"&About Lexivo..."_s, this);
    about->setShortcut(MainWindowShortcut::about());
    connect(about, &QAction::triggered, this, &CLexivoDlg::showAbout);
    addAction(about);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

CLexivoDlg::~CLexivoDlg() = default;

void CLexivoDlg::buildControls()
{
    using Kind = ControlSpec::Kind;
    namespace Id = MainWindowControl;
    m_entries = new RowListView(this);
    const QFont font = clientFont(ClientFace::Dialog, 10);
    buildDialog(
        this, font, { 350, 249 },
        { { Id::LanguageLabel, Kind::Label, u"Language"_s, { 10, 12, 35, 8 } },
          { Id::Languages, Kind::ComboBox, {}, { 47, 11, 141, 16 } },
          { Id::AddLanguage, Kind::Button, u"Add New Langugae"_s, { 240, 5, 101, 12 } },
          { Id::AdjustOrder,
            Kind::Button,
            u"Adjust Item Order Of The Translation File"_s,
            { 240, 21, 101, 21 },
            ControlSpec::WordWrap | ControlSpec::Disabled },
          { Id::Entries, Kind::Premade, {}, { 10, 46, 331, 180 }, {}, m_entries },
          { Id::Modify, Kind::Button, u"Modify"_s, { 271, 230, 70, 14 }, ControlSpec::Disabled } });
    // The window can be maximised, so it has a sizing border; it never gets
    // smaller than its table size.
    setMinimumSize(size());
    m_languageLabel = control<QLabel>(this, Id::LanguageLabel);
    m_languages = control<QComboBox>(this, Id::Languages);
    m_addLanguage = control<QPushButton>(this, Id::AddLanguage);
    m_adjustOrder = control<QPushButton>(this, Id::AdjustOrder);
    m_modify = control<QPushButton>(this, Id::Modify);

    m_entries->setModel(&m_entryList);
    m_entries->verticalHeader()->setDefaultSectionSize(m_entries->fontMetrics().height() + 4);

    // "activated": choosing the language already shown loads it again.
    connect(m_languages, &QComboBox::activated, this, &CLexivoDlg::selectLanguage);
    connect(m_modify, &QPushButton::clicked, this, [this] { openEditor(std::nullopt); });
    connect(m_entries, &QTableView::doubleClicked, this, [this](const QModelIndex &index) {
        if (index.isValid())
            openEditor(m_entryList.entries().at(index.row()).ordinal);
    });
    connect(m_addLanguage, &QPushButton::clicked, this, &CLexivoDlg::addLanguage);
    connect(m_adjustOrder, &QPushButton::clicked, this, &CLexivoDlg::adjustItemOrder);
}

bool CLexivoDlg::OnInitDialog()
{
    WaitingPanel waiting(this, LoadingText);
    if (m_config.newTool) {
        // An empty caption is handed over as a null text: the window system
        // would be given the program's name in place of an empty one.
        const QString title = decodeUtf8OrEmpty(m_config.title);
        setWindowTitle(title.isEmpty() ? QString() : title);
    }

    const Installation::Opening opening = m_installation.open(QDir::currentPath());
    if (!opening.opened) {
        waiting.suspend();
        MessageBoxes::inform(this, opening.opened.error());
        return false;
    }
    if (!opening.notice.isEmpty()) {
        waiting.suspend();
        MessageBoxes::inform(this, opening.notice);
        waiting.resume();
    }
    layoutControls();
    setColumnWidths();
    fillLanguageList();
    return true;
}

void CLexivoDlg::fillLanguageList()
{
    const QSignalBlocker blocker(m_languages);
    for (int row = 0; row < m_config.catalogue.count(); ++row) {
        if (m_installation.presentLanguages().count(row))
            m_languages->addItem(m_config.catalogue.NameAt(row), row);
    }
    m_languages->setCurrentIndex(-1);
}

int CLexivoDlg::selectedLanguage() const
{
    return m_languages->currentIndex() < 0 ? -1 : m_languages->currentData().toInt();
}

void CLexivoDlg::selectLanguage()
{
    WaitingPanel waiting(this, LoadingText);
    m_entries->hide();
    LoadSelectedLanguage();
    m_entries->show();
    m_entries->setFocus();
    m_modify->setEnabled(true);
    m_export->setEnabled(true);
}

void CLexivoDlg::LoadSelectedLanguage()
{
    m_entryList.clear();
    const int language = selectedLanguage();
    m_listedLanguage = language;
    m_adjustOrder->setEnabled(m_config.catalogue.CodeAt(language) != u"0x0409");
    Installation::LanguageEntries entries = m_installation.loadLanguage(language);
    m_extraAttributes = std::move(entries.extraKeys);
    m_entryList.setEntries(std::move(entries.rows));
}

void CLexivoDlg::UpdateListValues(const ValueMap &values)
{
    m_entryList.updateValues(values);
}

void CLexivoDlg::adjustItemOrder()
{
    Result<QString> written = ResultError(QString());
    {
        WaitingPanel waiting(this, u"Save file, please wait ..."_s);
        written = m_installation.writeAdjustedCopy(selectedLanguage(), m_extraAttributes);
    }
    MessageBoxes::inform(this, written ? *written : written.error());
}

EditorContext CLexivoDlg::editorContext()
{
    return { m_installation, m_extraAttributes,
             [this](const ValueMap &values) { UpdateListValues(values); } };
}

void CLexivoDlg::openEditor(std::optional<EntryOrdinal> preselected)
{
    const int language = selectedLanguage();
    if (language < 0)
        return;
    // The editor's rows are always the edited language's own.
    if (language != m_listedLanguage)
        selectLanguage();
    CAmendLanguageMapDlg editor(editorContext(), this);
    editor.setSourceList(m_entryList.entries());
    editor.setEditedLanguage(language);
    if (preselected)
        editor.setPreselectedEntry(*preselected);
    editor.exec();
}

bool CLexivoDlg::openEditorOn(int catalogueRow)
{
    const int item = m_languages->findData(catalogueRow);
    if (item < 0)
        return false;
    m_languages->setCurrentIndex(item);
    selectLanguage();
    openEditor(std::nullopt);
    return true;
}

void CLexivoDlg::addLanguage()
{
    CAddNewLanDlg chooser(m_config.catalogue, m_installation.presentLanguages(), this);
    if (chooser.exec() != DialogResult::Done || chooser.selectedIndex < 0)
        return;
    const int language = chooser.selectedIndex;
    {
        WaitingPanel waiting(this, LoadingText);
        m_installation.createLanguage(language);
    }
    // A new file has no keys the reference lacks.
    CAmendLanguageMapDlg editor(
        { m_installation, {}, [this](const ValueMap &values) { UpdateListValues(values); } }, this);
    editor.setSourceMap(m_installation.attributes());
    editor.setEditedLanguage(language);
    if (editor.exec() != DialogResult::Done)
        return;
    // Listed as if the user had chosen it, so that the next editor opened
    // from the list edits this language's rows.
    m_languages->addItem(m_config.catalogue.NameAt(language), language);
    m_languages->setCurrentIndex(m_languages->count() - 1);
    selectLanguage();
}

void CLexivoDlg::exportForTranslation()
{
    const int language = selectedLanguage();
    const QString name = m_config.catalogue.NameAt(language);
    CExportDlg choice(name, this);
    if (choice.exec() != QDialog::Accepted)
        return;
    const QString path = FileDialogs::saveFileName(
        this, QDir(m_installation.folder()).filePath(name + u".xlf"_s), u"XLIFF (*.xlf)"_s);
    if (path.isEmpty())
        return;
    Result<QString> exported = ResultError(QString());
    {
        WaitingPanel waiting(this, u"Save file, please wait ..."_s);
        const FontTextMeasurer measurer(measuringFont());
        exported = m_installation.exportForTranslation(language, choice.onlyOpenEntries(), path,
                                                       measurer);
    }
    MessageBoxes::inform(this, exported ? *exported : exported.error());
}

void CLexivoDlg::showAbout()
{
    CAboutDlg about(this);
    about.exec();
}

// The editor reads its length limits beside the executable, as the overview's
// check does.
void CLexivoDlg::showOverview()
{
    COverviewDlg overview({ m_installation.folder(), m_config.toolFolder, m_config.catalogue,
                            [this](int catalogueRow) { return openEditorOn(catalogueRow); } },
                          this);
    overview.exec();
}

void CLexivoDlg::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    layoutControls();
}

// The entry list takes the room the window gains; Modify stays under its
// right edge. (A window manager may ignore the minimum size: no negative
// sizes then.)
void CLexivoDlg::layoutControls()
{
    if (!m_entries)
        return;
    const QRect label = m_languageLabel->geometry();
    const QRect client = rect();
    m_entries->setGeometry(label.left(), label.bottom() + 1 + 60,
                           qMax(0, client.width() - 2 * label.left()),
                           qMax(0, client.height() - (label.bottom() + 1) - 130));
    QRect modify = m_modify->geometry();
    modify.moveTop(client.height() - 60);
    modify.moveRight(client.width() - label.left() - 1);
    m_modify->setGeometry(modify);
}

// Once, from the list's laid-out client width (the viewport is laid out only
// when the window is shown, so its own size is not used); widths the user
// drags later stay.
void CLexivoDlg::setColumnWidths()
{
    const int width = m_entries->maximumViewportSize().width();
    m_entries->setColumnWidth(EntryListModel::AttributeColumn, width / 3);
    m_entries->setColumnWidth(EntryListModel::ValueColumn, width * 2 / 3);
}
