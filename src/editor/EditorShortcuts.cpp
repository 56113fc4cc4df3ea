#include "EditorShortcuts.h"

using namespace Qt::StringLiterals;

namespace EditorShortcut {

const QList<Filter> &filters()
{
    static const QList<Filter> table {
        { EditorRowFilter::AllRows, u"All Rows"_s, QKeySequence(Qt::CTRL | Qt::Key_0) },
        { EditorRowFilter::BlankValues, u"Blank Values"_s, QKeySequence(Qt::CTRL | Qt::Key_1) },
        { EditorRowFilter::Errors, u"ERROR Rows"_s, QKeySequence(Qt::CTRL | Qt::Key_2) },
        { EditorRowFilter::TooLong, u"TOO LONG Rows"_s, QKeySequence(Qt::CTRL | Qt::Key_3) },
        { EditorRowFilter::AnyStatus, u"Rows With A Status"_s, QKeySequence(Qt::CTRL | Qt::Key_4) },
        { EditorRowFilter::SameAsReference, u"Values Equal To The Reference"_s,
          QKeySequence(Qt::CTRL | Qt::Key_5) },
    };
    return table;
}

} // namespace EditorShortcut

QList<ShortcutHelp> editorShortcutHelp()
{
    using namespace EditorShortcut;
    const auto keys
        = [](const QKeySequence &sequence) { return sequence.toString(QKeySequence::NativeText); };
    QList<ShortcutHelp> help {
        { keys(NextBlank), u"next blank value, from the selected row"_s },
        { keys(CopyReference), u"the reference into the value field"_s },
        { keys(TakeSuggestion), u"the suggested value into the value field"_s },
        { keys(Undo), u"undo the last commit"_s },
        { keys(Redo.at(0)) + u", "_s + keys(Redo.at(1)), u"redo it"_s },
    };
    for (const Filter &filter : filters())
        help.append({ keys(filter.keys), u"show "_s + filter.text.toLower() });
    return help;
}
