#include "MainWindowShortcuts.h"

using namespace Qt::StringLiterals;

QList<ShortcutHelp> mainWindowShortcutHelp()
{
    return { { MainWindowShortcut::overview().toString(QKeySequence::NativeText),
               u"Overview of the languages"_s },
             { MainWindowShortcut::about().toString(QKeySequence::NativeText),
               u"About Lexivo"_s } };
}
