#include "MainWindowShortcuts.h"

using namespace Qt::StringLiterals;

QList<ShortcutHelp> mainWindowShortcutHelp()
{
    return {{MainWindowShortcut::about().toString(QKeySequence::NativeText), u"About Lexivo"_s}};
}
