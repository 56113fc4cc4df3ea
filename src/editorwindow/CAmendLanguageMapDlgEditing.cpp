// Showing, committing and finding rows, and the keys that drive them.

#include "CAmendLanguageMapDlg.h"
#include "EditorControls.h"
#include "controls/CAmendListCtrl.h"
#include "controls/CMyEdit.h"
#include "controls/DialogTemplate.h"
#include "controls/EditorMessages.h"
#include "controls/MessageBoxes.h"
#include "editor/EditorSearch.h"
#include "editor/TranslationChecks.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::StringLiterals;

void CAmendLanguageMapDlg::connectControls()
{
    const auto searchIn = [this](int column) {
        return [this, column] {
            pullTexts();
            m_searchColumn = column;
        };
    };
    connect(m_byAttribute, &QRadioButton::clicked, this, searchIn(EditorRowModel::AttributeColumn));
    connect(m_byValue, &QRadioButton::clicked, this, searchIn(EditorRowModel::ValueColumn));
    connect(m_byReference, &QRadioButton::clicked, this, searchIn(EditorRowModel::ReferenceColumn));
    connect(m_search, &QLineEdit::textChanged, this, [this] {
        pullTexts();
        m_searchPosition = -1;
    });
    connect(control<QPushButton>(this, EditorControl::SearchNext), &QPushButton::clicked, this,
            [this] {
                pullTexts();
                FindNext(m_searchText);
            });
    connect(control<QPushButton>(this, EditorControl::Modify), &QPushButton::clicked, this,
            &CAmendLanguageMapDlg::CommitValue);
    connect(control<QPushButton>(this, EditorControl::NextBlank), &QPushButton::clicked, this,
            &CAmendLanguageMapDlg::FindNextBlank);
    // Redundant entries leave the language's file with every save.
    connect(m_removeRedundant, &QPushButton::clicked, this,
            [this] { MessageBoxes::inform(this, u"DONE."_s); });
    connect(m_save, &QPushButton::clicked, this, &CAmendLanguageMapDlg::Save);
    connect(m_saveAs, &QPushButton::clicked, this, &CAmendLanguageMapDlg::SaveAs);
    connect(m_cancel, &QPushButton::clicked, this, &CAmendLanguageMapDlg::reject);
    connect(m_referenceLanguages, &QComboBox::currentIndexChanged, this,
            &CAmendLanguageMapDlg::changeReference);

    connect(m_list, &CAmendListCtrl::clicked, this,
            [this](const QModelIndex &index) { SelectRow(modelRow(index)); });
    // A double click shows the row's value under its sample text.
    connect(m_list, &CAmendListCtrl::doubleClicked, this, [this](const QModelIndex &index) {
        PreviewRequest request(modelRow(index));
        QCoreApplication::sendEvent(this, &request);
    });
    // Keys the list handles itself (Page Up, Home, type-ahead ...) and sorting
    // move its selection: the fields follow, so a commit always writes into
    // the row they show.
    connect(m_list->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid() && modelRow(current) != currentRow())
                    showRow(modelRow(current), false);
            });
}

void CAmendLanguageMapDlg::pullTexts()
{
    m_searchText = m_search->text();
    m_attributeText = m_attribute->text();
    m_valueText = m_value->text();
    m_referenceText = m_reference->text();
}

// A field whose text already equals its bound text is left alone, so that
// the value field keeps its colours. The search field goes last: a change of
// its text pulls every text back.
void CAmendLanguageMapDlg::pushTexts()
{
    if (m_attribute->text() != m_attributeText)
        m_attribute->setText(m_attributeText);
    if (m_value->text() != m_valueText)
        m_value->setText(m_valueText);
    if (m_reference->text() != m_referenceText)
        m_reference->setText(m_referenceText);
    if (m_search->text() != m_searchText)
        m_search->setText(m_searchText);
}

void CAmendLanguageMapDlg::SelectRow(int row)
{
    showRow(row, true);
}

void CAmendLanguageMapDlg::showRow(int row, bool focusValue)
{
    if (row < 0 || row >= m_rows.rowCount())
        return;
    // A row the filter hides is shown with every row.
    if (!m_filter->shows(row))
        setFilter(EditorRowFilter::AllRows);
    const QModelIndex index = viewIndex(row);
    m_currentOrdinal = m_rows.row(row).ordinal;
    m_list->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_list->scrollTo(index);

    const EditorRow &shown = m_rows.row(row);
    m_attributeText = shown.attribute;
    m_valueText = shown.value;
    m_referenceText = shown.reference;
    m_value->setText(m_valueText);
    highlightCurrentRow();
    m_value->moveCursor(QTextCursor::End);
    if (focusValue)
        m_value->setFocus();
    pushTexts();
    offerSuggestion();
}

void CAmendLanguageMapDlg::CommitValue()
{
    pullTexts();
    const int row = currentRow();
    if (row < 0)
        return;
    const RowState before { m_rows.row(row).value, m_rows.row(row).status };
    const EntryStatus status = m_rows.commitValue(row, m_valueText, m_limits, *m_measurer);
    recordCommit(row, before);
    m_list->scrollTo(viewIndex(row));
    if (status == EntryStatus::TooLong)
        highlightCurrentRow();
}

// Searches forward from the last match; after the last row the search
// starts again from the first.
void CAmendLanguageMapDlg::FindNext(const QString &pattern)
{
    m_searchPosition
        = EditorSearch::findNext(m_rows, m_searchColumn, pattern, m_searchPosition, shownRows());
    if (m_searchPosition < 0) {
        MessageBoxes::inform(this, u"No matching objects."_s);
        return;
    }
    SelectRow(m_searchPosition);
}

void CAmendLanguageMapDlg::FindNextBlank()
{
    const int row = EditorSearch::findFirstBlank(m_rows);
    if (row < 0) {
        MessageBoxes::inform(this, u"No Blank Value."_s);
        return;
    }
    SelectRow(row);
}

// To the next row the list shows, up or down; from none, to the first.
void CAmendLanguageMapDlg::moveSelection(int step)
{
    const int view = currentRow() < 0 ? -1 : viewIndex(currentRow()).row();
    const int next = view < 0 ? 0 : view + step;
    if (next >= 0 && next < m_filter->rowCount())
        SelectRow(modelRow(m_filter->index(next, 0)));
}

// Enter and Escape never press a button or end the editor; Up and Down move
// through the rows from every control. An open drop-down list and the
// dialogs opened over the editor are windows of their own and keep their keys.
bool CAmendLanguageMapDlg::handleKey(QKeyEvent *event, QWidget *target)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (target == m_search) {
            pullTexts();
            if (m_searchColumn == EditorRowModel::AttributeColumn)
                m_searchText = m_searchText.toUpper();
            FindNext(m_searchText);
        } else if (target == m_value || target->parentWidget() == m_value) {
            const int row = currentRow();
            pullTexts();
            if (row >= 0 && m_valueText != m_rows.row(row).value)
                CommitValue();
            moveSelection(1);
        }
        return true;
    case Qt::Key_Escape:
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (m_rows.rowCount() > 0)
            moveSelection(event->key() == Qt::Key_Up ? -1 : 1);
        return true;
    default:
        return handleHistoryKey(event, target);
    }
}
