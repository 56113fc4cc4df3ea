#include "CLexivoDlg.h"

#include "CAboutDlg.h"
#include "CAddNewLanDlg.h"
#include "config/ClientConfig.h"
#include "controls/CWaitingDlg.h"
#include "controls/DialogKeyFilter.h"
#include "controls/DialogTemplate.h"
#include "controls/MessageBoxes.h"
#include "editor/CAmendLanguageMapDlg.h"
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

#include <tuple>

using namespace Qt::StringLiterals;

const QString CLexivoDlg::MainFileMissingMessage = mainFileMissingMessage();

namespace {

const QString LoadingText = u"Loading data, please wait ..."_s;

enum ControlId {
    LanguageLabelId = 1031,
    LanguagesId = 1001,
    AddLanguageId = 1047,
    AdjustOrderId = 1048,
    EntriesId = 1003,
    ModifyId = 1004,
};

} // namespace

CLexivoDlg::CLexivoDlg(const ClientConfig &config, QWidget *parent)
    : QDialog(parent, Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint)
    , m_config(config)
    , m_webLanguageStore(config.catalogue)
    , m_languageStore(config.catalogue)
{
    setWindowTitle(u"Lexivo"_s);
    setWindowIcon(QIcon(u":/res/icon-128.png"_s));
    buildControls();

    // Enter and Escape neither close the window nor press a button.
    DialogKeyFilter::install(this, [](QKeyEvent *event, QWidget *) {
        const int key = event->key();
        return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
    });

    auto *overview = new QAction(u"&Overview..."_s, this);
    overview->setShortcut(Qt::CTRL | Qt::Key_I);
    connect(overview, &QAction::triggered, this, &CLexivoDlg::showOverview);
    addAction(overview);
    auto *about = new QAction(u"&About Lexivo..."_s, this);
    about->setShortcut(QKeySequence::HelpContents);
    connect(about, &QAction::triggered, this, &CLexivoDlg::showAbout);
    addAction(about);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

CLexivoDlg::~CLexivoDlg() = default;

void CLexivoDlg::buildControls()
{
    using Kind = ControlSpec::Kind;
    m_entries = new QTableView(this);
    QFont font(u"微软雅黑"_s);
    font.setPointSize(10);
    buildDialog(this, font, {350, 249},
                {{LanguageLabelId, Kind::Label, u"Language"_s, {10, 12, 35, 8}},
                 {LanguagesId, Kind::ComboBox, {}, {47, 11, 141, 16}},
                 {AddLanguageId, Kind::Button, u"Add New Langugae"_s, {240, 5, 101, 12}},
                 {AdjustOrderId, Kind::Button, u"Adjust Item Order Of The Translation File"_s,
                  {240, 21, 101, 21}, ControlSpec::WordWrap | ControlSpec::Disabled},
                 {EntriesId, Kind::Premade, {}, {10, 46, 331, 180}, {}, m_entries},
                 {ModifyId, Kind::Button, u"Modify"_s, {271, 230, 70, 14}, ControlSpec::Disabled}});
    // The window can be maximised, so it has a sizing border; it never gets
    // smaller than its table size.
    setMinimumSize(size());
    m_languageLabel = control<QLabel>(this, LanguageLabelId);
    m_languages = control<QComboBox>(this, LanguagesId);
    m_addLanguage = control<QPushButton>(this, AddLanguageId);
    m_adjustOrder = control<QPushButton>(this, AdjustOrderId);
    m_modify = control<QPushButton>(this, ModifyId);

    m_entries->setModel(&m_entryList);
    m_entries->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_entries->setSelectionMode(QAbstractItemView::SingleSelection);
    m_entries->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_entries->setTabKeyNavigation(false);
    m_entries->setShowGrid(true);
    m_entries->setWordWrap(false);
    m_entries->verticalHeader()->hide();
    m_entries->verticalHeader()->setDefaultSectionSize(m_entries->fontMetrics().height() + 4);
    m_entries->horizontalHeader()->setHighlightSections(false);

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

    m_needWebLanguage = m_config.needWebLanguage;
    m_newTool = m_config.newTool;
    m_languageStore.setUtf8Mode(m_newTool);
    if (m_newTool) {
        // An empty caption is handed over as a null text: the window system
        // would be given the program's name in place of an empty one.
        const QString title = decodeUtf8OrEmpty(m_config.title);
        setWindowTitle(title.isEmpty() ? QString() : title);
    }

    m_startDirectory = QDir::currentPath();
    const QDir start(m_startDirectory);
    const QString languageFolder = start.filePath(u"language"_s);
    const QString webFolder = start.filePath(u"Web/LanguageInfo"_s);
    const bool webOpened = bool(m_webLanguageStore.Open(webFolder, languageFolder));
    if ((!webOpened && m_needWebLanguage) || !m_languageStore.Open(languageFolder)) {
        waiting.suspend();
        MessageBoxes::inform(this, MainFileMissingMessage);
        return false;
    }

    ReconcileInput input;
    input.languageFolder = languageFolder;
    input.webFolder = webFolder;
    input.needWebLanguage = m_needWebLanguage;
    input.catalogue = &m_config.catalogue;
    input.createLanguageFile = [this](const QString &name) {
        return m_languageStore.CreateLanguageFile(name);
    };
    input.createWebLanguage = [this](const QString &key) {
        return m_webLanguageStore.CreateWebLanguage(key);
    };
    const ReconcileResult reconciled = ReconcileIndex(input);
    if (!reconciled.indexUsable) {
        waiting.suspend();
        MessageBoxes::inform(this, indexUnusableMessage());
        waiting.resume();
    }
    m_presentLanguages = reconciled.presentLanguages;

    layoutControls();
    setColumnWidths();
    fillLanguageList();
    return true;
}

void CLexivoDlg::fillLanguageList()
{
    const QSignalBlocker blocker(m_languages);
    for (int row = 0; row < m_config.catalogue.count(); ++row) {
        if (m_presentLanguages.count(row))
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
}

AttributeMap CLexivoDlg::attributeMap() const
{
    AttributeMap attributes = m_languageStore.ReferenceKeyTable();
    if (m_needWebLanguage)
        m_webLanguageStore.AddWebKeys(attributes);
    return attributes;
}

void CLexivoDlg::LoadSelectedLanguage()
{
    m_extraAttributes.clear();
    m_entryList.clear();
    const int language = selectedLanguage();
    m_listedLanguage = language;
    const LanguageCatalogue &catalogue = m_config.catalogue;
    m_adjustOrder->setEnabled(catalogue.CodeAt(language) != u"0x0409");

    // A language whose files cannot be read is listed with empty values.
    ValueMap values;
    std::ignore
        = m_languageStore.LoadLanguage(catalogue.NameAt(language), values, m_extraAttributes);
    if (m_needWebLanguage)
        std::ignore = m_webLanguageStore.LoadWebValues(catalogue.KeyAt(language), values);
    m_entryList.setEntries(attributeMap(), values);
}

void CLexivoDlg::UpdateListValues(const ValueMap &values)
{
    m_entryList.updateValues(values);
}

void CLexivoDlg::adjustItemOrder()
{
    const QString name = m_config.catalogue.NameAt(selectedLanguage());
    const QString adjusted = name + u"_adjust"_s;
    Result<> written;
    {
        WaitingPanel waiting(this, u"Save file, please wait ..."_s);
        ValueMap values;
        Result<> reset = m_languageStore.ResetLanguageFile(adjusted);
        // A source that cannot be read gives a copy with empty values.
        std::ignore = m_languageStore.LoadLanguage(name, values, m_extraAttributes);
        written = m_languageStore.WriteValues(values, adjusted);
        written.keepFirstFailure(std::move(reset));
    }
    if (!written) {
        MessageBoxes::inform(this, written.error());
        return;
    }
    MessageBoxes::inform(this, u"%1.ini has been saved as %2.ini according to the item order of "
                               "the english language."_s.arg(name, adjusted));
}

EditorContext CLexivoDlg::editorContext()
{
    return {m_languageStore, m_webLanguageStore, m_config, m_presentLanguages,
            [this](const ValueMap &values) { UpdateListValues(values); }};
}

void CLexivoDlg::openEditor(std::optional<EntryOrdinal> preselected)
{
    const int language = selectedLanguage();
    if (language < 0)
        return;
    // The editor's rows are always the edited language's own.
    if (language != m_listedLanguage)
        selectLanguage();
    QList<EditorRowModel::SourceEntry> rows;
    rows.reserve(m_entryList.entries().size());
    for (const EntryListModel::Entry &entry : m_entryList.entries())
        rows.append({entry.ordinal, entry.attribute, entry.value});

    CAmendLanguageMapDlg editor(editorContext(), this);
    editor.setSourceList(rows);
    editor.setEditedLanguage(language);
    if (preselected)
        editor.setPreselectedEntry(*preselected);
    if (editor.exec() != CAmendLanguageMapDlg::Written)
        return;
    // Keys the reference lacks go from the saved file.
    const Result<> removed
        = m_languageStore.RemoveKeys(m_config.catalogue.NameAt(language), m_extraAttributes);
    if (!removed)
        MessageBoxes::inform(this, removed.error());
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
    CAddNewLanDlg chooser(m_config.catalogue, m_presentLanguages, this);
    if (chooser.exec() != 5 || chooser.selectedIndex < 0)
        return;
    const int language = chooser.selectedIndex;
    const QString name = m_config.catalogue.NameAt(language);
    {
        WaitingPanel waiting(this, LoadingText);
        // Failures go unreported: the editor opens all the same, and saving
        // tells what cannot be written.
        std::ignore = m_languageStore.CreateLanguageFile(name);
        if (m_needWebLanguage)
            std::ignore = m_webLanguageStore.CreateWebLanguage(m_config.catalogue.KeyAt(language));
    }
    CAmendLanguageMapDlg editor(editorContext(), this);
    editor.setSourceMap(attributeMap());
    editor.setEditedLanguage(language);
    if (editor.exec() != CAmendLanguageMapDlg::Written)
        return;
    // Listed as if the user had chosen it, so that the next editor opened
    // from the list edits this language's rows.
    m_languages->addItem(name, language);
    m_languages->setCurrentIndex(m_languages->count() - 1);
    selectLanguage();
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
    COverviewDlg overview({m_startDirectory, executableFolder(), m_config.catalogue,
                           [this](int catalogueRow) { return openEditorOn(catalogueRow); }},
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
