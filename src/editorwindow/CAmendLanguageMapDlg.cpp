#include "CAmendLanguageMapDlg.h"

#include "EditorControls.h"
#include "application/Installation.h"
#include "config/ClientConfig.h"
#include "controls/CAmendListCtrl.h"
#include "controls/CMyEdit.h"
#include "controls/CViewDlg.h"
#include "controls/CWaitingDlg.h"
#include "controls/DialogKeyFilter.h"
#include "controls/DialogTemplate.h"
#include "controls/EditorMessages.h"
#include "editor/ClientFonts.h"
#include "editor/ReferenceChoice.h"
#include "editor/TranslationChecks.h"
#include "platform/TextCodec.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace {

const QString LoadingText = u"Loading data, please wait ..."_s;
const QColor WarningColour(190, 0, 0);
const QColor OverflowColour(255, 0, 0);
const QColor FittingColour(0, 0, 0);

} // namespace

CAmendLanguageMapDlg::CAmendLanguageMapDlg(EditorContext context, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint)
    , m_context(std::move(context))
    , m_measurer(std::make_unique<FontTextMeasurer>(measuringFont()))
{
    setWindowTitle(u"Translation in Process"_s);
    buildControls();
    connectControls();
    buildActions();
    DialogKeyFilter::install(
        this, [this](QKeyEvent *event, QWidget *target) { return handleKey(event, target); });
}

CAmendLanguageMapDlg::~CAmendLanguageMapDlg() = default;

void CAmendLanguageMapDlg::buildControls()
{
    using Kind = ControlSpec::Kind;
    using Flag = ControlSpec::Flag;
    namespace Id = EditorControl;
    const QFont font = clientFont(ClientFace::Dialog, 9);
    m_value = new CMyEdit(this);
    m_list = new CAmendListCtrl(this);
    buildDialog(
        this, font, { 566, 332 },
        { { Id::SearchGroup, Kind::GroupBox, u"Search"_s, { 12, 6, 545, 28 } },
          { Id::SearchText, Kind::LineEdit, {}, { 57, 15, 259, 15 } },
          { Id::ByAttribute, Kind::RadioButton, u"By Attribute"_s, { 332, 17, 49, 10 } },
          { Id::ByValue, Kind::RadioButton, u"By Value"_s, { 388, 17, 40, 10 } },
          { Id::ByReference, Kind::RadioButton, u"By Reference"_s, { 430, 17, 53, 10 } },
          { Id::SearchNext, Kind::Button, u"Search Next"_s, { 492, 15, 49, 12 } },
          { Id::ModifyGroup, Kind::GroupBox, u"Modify"_s, { 12, 36, 410, 85 } },
          { Id::ValueLabel, Kind::Label, u"Value"_s, { 16, 50, 39, 10 }, Flag::RightAligned },
          { Id::Value, Kind::Premade, {}, { 57, 49, 348, 13 }, {}, m_value },
          { Id::HiddenValue,
            Kind::LineEdit,
            {},
            { 66, 49, 348, 13 },
            Flag::Disabled | Flag::Hidden },
          { Id::ReferenceLabel,
            Kind::Label,
            u"Reference"_s,
            { 16, 70, 39, 10 },
            Flag::RightAligned },
          { Id::Reference, Kind::LineEdit, {}, { 57, 69, 348, 13 }, Flag::ReadOnly },
          { Id::AttributeLabel,
            Kind::Label,
            u"Attribute"_s,
            { 16, 93, 39, 10 },
            Flag::RightAligned },
          { Id::Attribute, Kind::LineEdit, {}, { 59, 90, 286, 13 }, Flag::ReadOnly },
          { Id::Modify, Kind::Button, u"Modify"_s, { 354, 90, 51, 13 } },
          { Id::Warning, Kind::Label, u"WARNING"_s, { 13, 109, 408, 8 } },
          { Id::ReferenceLanguageLabel,
            Kind::Label,
            u"Select Reference Language"_s,
            { 432, 54, 108, 8 } },
          { Id::ReferenceLanguage, Kind::ComboBox, {}, { 431, 68, 120, 24 } },
          { Id::NextBlank, Kind::Button, u"Next Blank"_s, { 482, 100, 69, 13 }, Flag::Hidden },
          { Id::List, Kind::Premade, {}, { 7, 126, 552, 178 }, {}, m_list },
          { Id::RemoveRedundant,
            Kind::Button,
            u"Remove Redundant Entries"_s,
            { 7, 314, 109, 11 },
            Flag::Hidden },
          { Id::AddAttribute, Kind::Button, u"添加新属性"_s, { 142, 312, 98, 13 }, Flag::Hidden },
          { Id::SaveAs, Kind::Button, u"Save as"_s, { 415, 311, 50, 14 } },
          { Id::Save, Kind::Button, u"Save"_s, { 498, 311, 50, 14 } },
          { Id::Cancel, Kind::Button, u"Cancel"_s, { 566, 311, 50, 14 } } });
    setMinimumSize(size());

    m_filter = new EditorRowFilter(&m_rows, this);
    m_list->setModel(m_filter);
    m_shownCount = new QLabel(this);
    m_shownCount->setObjectName(u"shownCount"_s);
    m_shownCount->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    m_shownCount->hide();

    m_search = control<QLineEdit>(this, EditorControl::SearchText);
    m_byAttribute = control<QRadioButton>(this, EditorControl::ByAttribute);
    m_byValue = control<QRadioButton>(this, EditorControl::ByValue);
    m_byReference = control<QRadioButton>(this, EditorControl::ByReference);
    m_reference = control<QLineEdit>(this, EditorControl::Reference);
    m_attribute = control<QLineEdit>(this, EditorControl::Attribute);
    m_warning = control<QLabel>(this, EditorControl::Warning);
    m_referenceLanguages = control<QComboBox>(this, EditorControl::ReferenceLanguage);
    m_hiddenAddButton = control<QPushButton>(this, EditorControl::AddAttribute);
    m_removeRedundant = control<QPushButton>(this, EditorControl::RemoveRedundant);
    m_saveAs = control<QPushButton>(this, EditorControl::SaveAs);
    m_save = control<QPushButton>(this, EditorControl::Save);
    m_cancel = control<QPushButton>(this, EditorControl::Cancel);

    QPalette warning = m_warning->palette();
    warning.setColor(QPalette::WindowText, WarningColour);
    m_warning->setPalette(warning);
}

void CAmendLanguageMapDlg::setSourceMap(const AttributeMap &attributes)
{
    m_source = entryRows(attributes, {});
}

int CAmendLanguageMapDlg::exec()
{
    OnInitDialog();
    return QDialog::exec();
}

void CAmendLanguageMapDlg::OnInitDialog()
{
    if (m_initialised)
        return;
    m_initialised = true;
    fill();
    // After the panel has gone: while it is up the editor takes no focus.
    if (m_preselected)
        SelectRow(m_rows.rowOfOrdinal(*m_preselected));
}

void CAmendLanguageMapDlg::fill()
{
    WaitingPanel waiting(this, LoadingText);

    const LanguageCatalogue &catalogue = m_context.installation.catalogue();
    setWindowTitle(u"Translation in Process      "_s + catalogue.NameAt(m_editedLanguage));

    m_list->setStatusColumn(EditorRowModel::StatusColumn);
    m_list->setColumnWidth(EditorRowModel::AttributeColumn, 200);
    m_list->setColumnWidth(EditorRowModel::ValueColumn, 270);
    m_list->setColumnWidth(EditorRowModel::ReferenceColumn, 250);
    m_list->setColumnWidth(EditorRowModel::StatusColumn, 100);
    m_rows.setEntries(m_source);

    m_byAttribute->setChecked(true);
    m_searchColumn = EditorRowModel::AttributeColumn;
    m_searchPosition = -1;

    fillReferenceLanguages();
    m_limits = LoadLengthLimits(lengthLimitsPath(m_context.installation.config().toolFolder));
    LoadReference();
    m_warning->setText(decodeUtf8OrEmpty(m_context.installation.config().notice));
    layoutControls();
}

// Every other present language, in catalogue order; English by default, or
// Chinese when English is the language being edited.
void CAmendLanguageMapDlg::fillReferenceLanguages()
{
    const LanguageCatalogue &catalogue = m_context.installation.catalogue();
    const QSignalBlocker blocker(m_referenceLanguages);
    for (int row : m_context.installation.presentLanguages()) {
        if (row != m_editedLanguage)
            m_referenceLanguages->addItem(catalogue.NameAt(row), row);
    }
    const int chosen = defaultReferenceLanguage(
        catalogue, m_context.installation.presentLanguages(), m_editedLanguage);
    m_referenceLanguages->setCurrentIndex(m_referenceLanguages->findData(chosen));
}

void CAmendLanguageMapDlg::LoadReference()
{
    // No reference language: every reference is empty.
    const ValueMap reference = m_referenceLanguages->currentIndex() < 0
        ? ValueMap()
        : m_context.installation.values(m_referenceLanguages->currentData().toInt());
    m_rows.applyReference(reference, m_limits, *m_measurer);
    highlightCurrentRow();
}

void CAmendLanguageMapDlg::changeReference()
{
    {
        WaitingPanel waiting(this, LoadingText);
        m_list->hide();
        LoadReference();
        m_list->show();
    }
    m_list->setFocus();
}

int CAmendLanguageMapDlg::currentRow() const
{
    return m_currentOrdinal ? m_rows.rowOfOrdinal(*m_currentOrdinal) : -1;
}

void CAmendLanguageMapDlg::highlightCurrentRow()
{
    const int row = currentRow();
    if (row < 0)
        return;
    const EditorRow &shown = m_rows.row(row);
    const LengthVerdict verdict
        = CheckDisplayLength(shown.attribute, shown.value, m_limits, *m_measurer);
    if (!verdict.fits)
        HighlightOverflow(verdict.cut);
}

void CAmendLanguageMapDlg::HighlightOverflow(int cut)
{
    m_value->colourRange(cut, -1, OverflowColour);
}

// After every character typed: the part of the field's text beyond the
// attribute's room turns red, or all of it black when it fits.
void CAmendLanguageMapDlg::liveHighlight()
{
    const int row = currentRow();
    if (row < 0)
        return;
    const QString &attribute = m_rows.row(row).attribute;
    if (m_limits.find(attribute) == m_limits.cend())
        return;
    const LengthVerdict verdict
        = CheckDisplayLength(attribute, m_value->text(), m_limits, *m_measurer);
    // Black first, so that characters the cut has moved past lose their red.
    m_value->setWholeTextColour(FittingColour);
    if (!verdict.fits)
        HighlightOverflow(verdict.cut);
}

void CAmendLanguageMapDlg::openPreview(int row)
{
    if (row < 0 || row >= m_rows.rowCount())
        return;
    const EditorRow &entry = m_rows.row(row);
    CViewDlg preview(this);
    preview.attributeText = entry.attribute;
    preview.valueText = entry.value;
    const auto sample = m_limits.find(entry.attribute);
    if (sample != m_limits.cend())
        preview.sampleText = sample->second;
    preview.exec();
}

bool CAmendLanguageMapDlg::event(QEvent *event)
{
    if (event->type() == ValueEditedEvent) {
        liveHighlight();
        return true;
    }
    if (event->type() == PreviewRequestEvent) {
        openPreview(static_cast<PreviewRequest *>(event)->row());
        return true;
    }
    return QDialog::event(event);
}

void CAmendLanguageMapDlg::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    layoutControls();
}

// The list takes the room the window gains; the command buttons keep to the
// bottom edge, Save as, Save and Cancel to the right. (Save as kept its place
// from the dialog table, where a taller list would cover it.)
void CAmendLanguageMapDlg::layoutControls()
{
    const QRect client = rect();
    const int width = client.width();
    const int height = client.height();
    m_list->setGeometry(10, 270, width - 20, height - 315);
    m_hiddenAddButton->setGeometry(25, height - 40, 100, 30);
    m_saveAs->setGeometry(width - 350, height - 40, 100, 30);
    m_save->setGeometry(width - 230, height - 40, 100, 30);
    m_cancel->setGeometry(width - 110, height - 40, 100, 30);
    m_removeRedundant->move(10, height - 40);
    // Right above the list, beside the Modify group, where the template
    // leaves room.
    const int left = m_referenceLanguages->x();
    m_shownCount->setGeometry(left, 270 - 22, qMax(0, width - 10 - left), 20);
}
