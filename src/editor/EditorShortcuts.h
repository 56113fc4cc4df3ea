#pragma once

#include "EditorRowFilter.h"

#include <QKeySequence>
#include <QList>
#include <QString>

// The shortcuts of what the editor offers beyond its template, in one table
// that the editor's actions and the About box share. None is a key of the
// editor's own key table.
namespace EditorShortcut {

inline const QKeySequence NextBlank { Qt::CTRL | Qt::Key_J };
inline const QKeySequence CopyReference { Qt::CTRL | Qt::Key_B };
inline const QKeySequence TakeSuggestion { Qt::CTRL | Qt::SHIFT | Qt::Key_B };
inline const QKeySequence Undo { Qt::CTRL | Qt::Key_Z };
inline const QList<QKeySequence> Redo { QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                                        QKeySequence(Qt::CTRL | Qt::Key_Y) };

struct Filter
{
    EditorRowFilter::Kind kind;
    QString text;
    QKeySequence keys;
};
// In the order of EditorRowFilter::Kind.
const QList<Filter> &filters();

} // namespace EditorShortcut

// Every shortcut of the program beyond its key tables, described for a user:
// the keys (as the platform writes them) and what they do.
struct ShortcutHelp
{
    QString keys;
    QString what;
};
QList<ShortcutHelp> editorShortcutHelp();
