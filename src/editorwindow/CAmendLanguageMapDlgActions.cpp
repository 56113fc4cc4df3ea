// What the editor offers beyond its template: filters of the list, undo and
// redo of commits, the next blank from the selection, and the reference or a
// suggested value as the value field's text. Each is on the list's context
// menu and on a shortcut that the editor's key table leaves free.

#include "CAmendLanguageMapDlg.h"
#include "controls/CAmendListCtrl.h"
#include "controls/CMyEdit.h"
#include "controls/MessageBoxes.h"
#include "editor/EditorShortcuts.h"

#include <QAction>
#include <QActionGroup>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

using namespace Qt::StringLiterals;

namespace {

bool isRedoKey(const QKeyEvent *event)
{
    return EditorShortcut::Redo.contains(QKeySequence(event->keyCombination()));
}

bool isUndoKey(const QKeyEvent *event)
{
    return QKeySequence(event->keyCombination()) == EditorShortcut::Undo;
}

} // namespace

void CAmendLanguageMapDlg::buildActions()
{
    const auto command = [this](const QString &text, QList<QKeySequence> keys,
                                void (CAmendLanguageMapDlg::*slot)()) {
        auto *action = new QAction(text, this);
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
        return action;
    };
    using namespace EditorShortcut;
    command(u"Next Blank Value"_s, { NextBlank }, &CAmendLanguageMapDlg::findBlankFromSelection);
    command(u"Copy The Reference"_s, { CopyReference }, &CAmendLanguageMapDlg::copyReference);
    command(u"Take The Suggested Value"_s, { TakeSuggestion },
            &CAmendLanguageMapDlg::takeSuggestion);

    command(u"Import translation…"_s, {}, &CAmendLanguageMapDlg::importTranslation);

    QAction *undo = m_history.createUndoAction(this, u"Undo Commit"_s);
    undo->setShortcut(Undo);
    QAction *redo = m_history.createRedoAction(this, u"Redo Commit"_s);
    redo->setShortcuts(Redo);
    addActions({ undo, redo });

    auto *filters = new QActionGroup(this);
    for (const Filter &choice : EditorShortcut::filters()) {
        auto *action = new QAction(choice.text, filters);
        action->setShortcut(choice.keys);
        action->setCheckable(true);
        action->setChecked(choice.kind == EditorRowFilter::AllRows);
        connect(action, &QAction::triggered, this, [this, kind = choice.kind] { setFilter(kind); });
        m_filterActions.append(action);
    }
    addActions(filters->actions());

    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_list, &QWidget::customContextMenuRequested, this,
            &CAmendLanguageMapDlg::showContextMenu);
}

void CAmendLanguageMapDlg::showContextMenu(const QPoint &position)
{
    QMenu menu(this);
    menu.addActions(m_filterActions);
    menu.addSeparator();
    // The commands in the order they were added: next blank, reference,
    // suggestion, import, undo, redo.
    for (QAction *action : actions()) {
        if (!m_filterActions.contains(action))
            menu.addAction(action);
    }
    menu.exec(m_list->viewport()->mapToGlobal(position));
}

int CAmendLanguageMapDlg::modelRow(const QModelIndex &viewIndex) const
{
    return m_filter->mapToSource(viewIndex).row();
}

QModelIndex CAmendLanguageMapDlg::viewIndex(int modelRow) const
{
    return m_filter->mapFromSource(m_rows.index(modelRow, EditorRowModel::AttributeColumn));
}

EditorSearch::Visible CAmendLanguageMapDlg::shownRows() const
{
    if (m_filter->kind() == EditorRowFilter::AllRows)
        return {};
    return [this](int row) { return m_filter->shows(row); };
}

// The shown row stays when the filter still shows it; otherwise the first row
// shown takes its place, and with no row shown the fields empty, so that a
// commit never writes into a row the list hides.
void CAmendLanguageMapDlg::setFilter(EditorRowFilter::Kind kind)
{
    m_filter->setKind(kind);
    m_filterActions.at(kind)->setChecked(true);
    const int shown = currentRow();
    if (shown >= 0 && m_filter->shows(shown)) {
        m_list->selectionModel()->setCurrentIndex(
            viewIndex(shown), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        m_list->scrollTo(viewIndex(shown));
    } else if (m_filter->rowCount() > 0) {
        showRow(modelRow(m_filter->index(0, 0)), false);
    } else {
        m_currentOrdinal.reset();
        m_attributeText.clear();
        m_valueText.clear();
        m_referenceText.clear();
        pushTexts();
    }
    m_searchPosition = -1;
    updateShownCount();
}

void CAmendLanguageMapDlg::updateShownCount(const QString &note)
{
    QStringList parts;
    if (m_filter->kind() != EditorRowFilter::AllRows)
        parts.append(u"%1 of %2 rows shown"_s.arg(m_filter->rowCount()).arg(m_rows.rowCount()));
    if (!note.isEmpty())
        parts.append(note);
    m_shownCount->setText(parts.join(u"  ·  "_s));
    m_shownCount->setVisible(!parts.isEmpty());
}

void CAmendLanguageMapDlg::findBlankFromSelection()
{
    const EditorSearch::BlankFound found
        = EditorSearch::findBlankAfter(m_rows, currentRow(), shownRows());
    if (found.row < 0) {
        MessageBoxes::inform(this, u"No Blank Value."_s);
        return;
    }
    SelectRow(found.row);
    updateShownCount(found.wrapped ? u"No blank value below: went on from the first row."_s
                                   : QString());
}

void CAmendLanguageMapDlg::copyReference()
{
    if (currentRow() >= 0)
        setFieldText(m_rows.row(currentRow()).reference);
}

void CAmendLanguageMapDlg::takeSuggestion()
{
    if (const auto suggestion = EditorSearch::suggestedValue(m_rows, currentRow()))
        setFieldText(*suggestion);
}

// As if typed: one step of the field's own undo, measured and coloured at
// once, and nothing committed.
void CAmendLanguageMapDlg::setFieldText(const QString &text)
{
    m_value->replaceText(text);
    m_value->setFocus();
    liveHighlight();
}

void CAmendLanguageMapDlg::offerSuggestion()
{
    const auto suggestion = EditorSearch::suggestedValue(m_rows, currentRow());
    m_value->setToolTip(
        suggestion ? u"Entries with the same reference say: %1 (Ctrl+Shift+B)"_s.arg(*suggestion)
                   : QString());
}

void CAmendLanguageMapDlg::recordCommit(int row, const RowState &before)
{
    const EditorRow &committed = m_rows.row(row);
    m_history.push(new CommitCommand(m_rows, committed.ordinal, before,
                                     { committed.value, committed.status },
                                     [this](int changed) { showRow(changed, false); }));
}

// Ctrl+Z and the redo keys belong to a text field while it has typing of its
// own to undo or redo; otherwise they undo and redo commits.
bool CAmendLanguageMapDlg::undoKeyForAField(QKeyEvent *event, QWidget *target) const
{
    const bool undo = isUndoKey(event);
    if (target == m_search)
        return undo ? m_search->isUndoAvailable() : m_search->isRedoAvailable();
    if (target != m_value && target->parentWidget() != m_value)
        return false;
    if (!undo)
        return m_value->document()->isRedoAvailable();
    const int row = currentRow();
    return row < 0 || m_value->text() != m_rows.row(row).value;
}

bool CAmendLanguageMapDlg::handleHistoryKey(QKeyEvent *event, QWidget *target)
{
    if (!isUndoKey(event) && !isRedoKey(event))
        return false;
    if (undoKeyForAField(event, target))
        return false;
    isUndoKey(event) ? m_history.undo() : m_history.redo();
    return true;
}
