// Times the translation editor's row model: opening on 10,000 rows with both
// checks on every row (measured with a real font), switching the reference,
// and sorting 20,000 rows by their values, each way. Each figure is the best
// of several runs, besides the very first opening.

#include "BenchTiming.h"
#include "editor/EditorRowFilter.h"
#include "editor/EditorRowModel.h"
#include "editor/TextMeasurer.h"

#include <QElapsedTimer>
#include <QFont>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <limits>
#include <memory>

using namespace Qt::StringLiterals;
using namespace BenchTiming;

namespace {

constexpr int OpenRows = 10000;
constexpr int SortRows = 20000;

// Rows as a client's language files hold them: four in five INI entries with
// printf symbols and escapes, the rest web entries with brace symbols, mixed
// Latin and Chinese text; every attribute has a sample, one value in eight
// overflows it and one in twenty has lost a symbol.
struct EditorInput
{
    QList<EntryRow> entries;
    ValueMap reference;
    ValueMap otherReference; // the reference the user switches to
    LengthLimits limits;
};

EditorInput makeEditorInput(int rows)
{
    EditorInput made;
    made.entries.reserve(rows);
    for (int i = 0; i < rows; ++i) {
        const bool web = i % 5 == 4;
        const EntryOrdinal ordinal = web ? FirstWebOrdinal + EntryOrdinal(i) : EntryOrdinal(i);
        const QString attribute = web ? u"web_item_%1"_s.arg(i) : u"IDS_ENTRY_%1"_s.arg(i);
        const QString symbols = web ? u"{0} / {1}"_s : u"%d \\n %s"_s;
        QString value = u"\u5f55\u50cf %1 \u5df2\u4fdd\u5b58 "_s.arg(i) + symbols;
        if (i % 8 == 0)
            value += u" \u4ee5\u53ca\u66f4\u591a\u7684\u6587\u5b57\u8bf4\u660e"_s;
        if (i % 20 == 0)
            value.chop(2);
        made.reference.emplace(ordinal, u"Recording %1 saved "_s.arg(i) + symbols);
        made.otherReference.emplace(ordinal, u"Aufnahme %1 gespeichert "_s.arg(i) + symbols);
        made.limits.emplace(attribute, u"Recording %1 saved to the folder"_s.arg(i));
        made.entries.append({ ordinal, attribute, value });
    }
    return made;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
#ifndef NDEBUG
    std::puts("note: not an optimised build; build in Release mode for meaningful figures");
#endif
    const QFont font(u"Sans Serif"_s, 9);
    const EditorInput open = makeEditorInput(OpenRows);
    EditorRowModel openModel;
    std::unique_ptr<FontTextMeasurer> measurer;
    // Each opening has a measurer of its own, as each dialog has: nothing is
    // measured yet.
    const auto openEditor = [&] {
        measurer = std::make_unique<FontTextMeasurer>(font);
        openModel.setEntries(open.entries);
        openModel.applyReference(open.reference, open.limits, *measurer);
    };
    // The first opening also finds the font's own caches cold.
    QElapsedTimer coldTimer;
    coldTimer.start();
    openEditor();
    const double coldOpening = coldTimer.nsecsElapsed() / 1e6;
    const double opening = bestOf(openEditor);
    const double switching = bestOf(
        [] {}, [&] { openModel.applyReference(open.otherReference, open.limits, *measurer); });

    const EditorInput sorted = makeEditorInput(SortRows);
    EditorRowModel sortModel;
    const auto unsorted = [&] { sortModel.setEntries(sorted.entries); };
    const double ascending = bestOf(
        unsorted, [&] { sortModel.sort(EditorRowModel::ValueColumn, Qt::AscendingOrder); });
    // The second click on the header: the rows are already ascending.
    const double descending = bestOf(
        [&] {
            unsorted();
            sortModel.sort(EditorRowModel::ValueColumn, Qt::AscendingOrder);
        },
        [&] { sortModel.sort(EditorRowModel::ValueColumn, Qt::DescendingOrder); });

    // Filtering and sorting together, as the list does them: the filter over
    // the model, a header click sorting the model under it.
    EditorRowModel filteredModel;
    EditorRowFilter filter(&filteredModel);
    const auto marked = [&] {
        filteredModel.setEntries(sorted.entries);
        filteredModel.applyReference(sorted.reference, sorted.limits, *measurer);
    };
    marked();
    const auto switchFilter = [&] {
        for (const EditorRowFilter::Kind kind :
             { EditorRowFilter::Errors, EditorRowFilter::BlankValues, EditorRowFilter::AnyStatus,
               EditorRowFilter::SameAsReference, EditorRowFilter::AllRows }) {
            filter.setKind(kind);
            // The proxy maps its rows when they are first asked for.
            if (filter.rowCount() < 0)
                std::abort();
        }
    };
    const double filtering = bestOf(switchFilter) / 5;
    filter.setKind(EditorRowFilter::AnyStatus);
    const double filteredSort = bestOf(marked, [&] {
        filter.sort(EditorRowModel::ValueColumn, Qt::AscendingOrder);
        if (filter.rowCount() < 0)
            std::abort();
    });

    int failing = 0;
    for (int row = 0; row < openModel.rowCount(); ++row)
        failing += openModel.GetItemStatus(row) != EntryStatus::None;
    std::printf("open: %d rows, %d marked ERROR or TOO LONG\n", OpenRows, failing);
    const bool coldOk
        = reportBudget("open 10000 rows with both checks, first run", coldOpening, 500);
    const bool openOk = reportBudget("open 10000 rows with both checks", opening, 500);
    const bool switchOk = reportBudget("switch the reference of 10000 rows", switching, 500);
    const bool ascendingOk = reportBudget("sort 20000 rows by value, ascending", ascending, 100);
    const bool descendingOk = reportBudget("sort 20000 rows by value, descending", descending, 100);
    std::printf("filter: %d of %d rows carry a status\n", int(filter.rowCount()),
                int(filteredModel.rowCount()));
    const bool filterOk = reportBudget("filter 20000 rows (one choice)", filtering, 100);
    const bool filteredSortOk
        = reportBudget("sort 20000 rows by value under a filter", filteredSort, 100);
    return coldOk && openOk && switchOk && ascendingOk && descendingOk && filterOk && filteredSortOk
        ? 0
        : 1;
}
