#pragma once

#include "editor/EditorShortcuts.h"

#include <QKeySequence>

// The shortcuts of the main window beyond its key table; the About box lists
// them with the editor's.
namespace MainWindowShortcut {
// The platform's help key: known only once the application runs.
inline QKeySequence about()
{
    return QKeySequence(QKeySequence::HelpContents);
}
inline QKeySequence overview()
{
    return QKeySequence(Qt::CTRL | Qt::Key_I);
}
} // namespace MainWindowShortcut

QList<ShortcutHelp> mainWindowShortcutHelp();
