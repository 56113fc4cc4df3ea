#pragma once

#include "EntryStatus.h"
#include "store/EntryOrdinal.h"

#include <QString>
#include <QUndoCommand>

#include <functional>

class EditorRowModel;

// A row's value and status.
struct RowState
{
    QString value;
    EntryStatus status = EntryStatus::None;
};

// One commit of a value (typed, or imported) as an undoable step: undo puts
// the row's value and status back exactly, redo makes the commit again. The
// row is found by its ordinal, wherever sorting has moved it; shown is told
// the row's model index after each step.
class CommitCommand : public QUndoCommand
{
public:
    CommitCommand(EditorRowModel &rows, EntryOrdinal ordinal, RowState before, RowState after,
                  std::function<void(int row)> shown);

    // The first redo is the commit already made.
    void redo() override;
    void undo() override;

private:
    void apply(const RowState &state);

    EditorRowModel &m_rows;
    const EntryOrdinal m_ordinal;
    const RowState m_before;
    const RowState m_after;
    const std::function<void(int row)> m_shown;
    bool m_made = true;
};
