#include "CommitCommand.h"

#include "EditorRowModel.h"

CommitCommand::CommitCommand(EditorRowModel &rows, EntryOrdinal ordinal, RowState before,
                             RowState after, std::function<void(int row)> shown)
    : m_rows(rows)
    , m_ordinal(ordinal)
    , m_before(std::move(before))
    , m_after(std::move(after))
    , m_shown(std::move(shown))
{
    setText(m_rows.row(m_rows.rowOfOrdinal(ordinal)).attribute);
}

void CommitCommand::redo()
{
    if (m_made) {
        m_made = false;
        return;
    }
    apply(m_after);
}

void CommitCommand::undo()
{
    apply(m_before);
}

void CommitCommand::apply(const RowState &state)
{
    const int row = m_rows.rowOfOrdinal(m_ordinal);
    if (row < 0)
        return;
    m_rows.setRowState(row, state.value, state.status);
    if (m_shown)
        m_shown(row);
}
