#include "FuzzCheck.h"
#include "editor/TranslationChecks.h"
#include "exchange/XliffExport.h"
#include "exchange/XliffImport.h"

// Two properties of the XLIFF exchange. Input "e" or "w", then a value, a
// line break and a reference: the entry (INI, or web for "w") exported and
// read back comes back unchanged unless the export leaves it out. Any other
// input is an XLIFF file to plan an import of: never a crash, and an
// imported value is one that the entry's file can hold.

using namespace Qt::StringLiterals;

namespace {

const EntryOrdinal WebItem = FirstWebOrdinal;

XliffExportInput entries(const QString &value, const QString &reference)
{
    XliffExportInput input;
    input.sourceCode = u"0x0409"_s;
    input.targetCode = u"0x0407"_s;
    input.layout.iniFile = u"German (Germany).ini"_s;
    input.layout.webFiles = { u"common.xml"_s };
    input.layout.webFileOfItem = { { WebItem, 0 } };
    input.rows
        = { { 0, u"IDS_OK"_s, value, reference }, { WebItem, u"web.ok"_s, value, reference } };
    return input;
}

ImportTarget targetOf(const XliffExportInput &input)
{
    return { input.targetCode, u"German (Germany)"_s, input.layout, input.rows, nullptr };
}

void roundTrip(bool web, const QString &value, const QString &reference)
{
    XliffExportInput input = entries(value, reference);
    input.rows.removeAt(web ? 0 : 1);
    const XliffExport exported = exportXliff(input);
    const Result<ImportPlan> plan = planImport(exported.bytes, targetOf(input));
    if (!exported.leftOut.isEmpty()) {
        FUZZ_CHECK(!plan); // no unit, so no target
        return;
    }
    FUZZ_CHECK(plan && plan->units.size() == 1);
    // A blank value comes back as still to be translated, never as a change.
    const ImportUnit &unit = plan->units[0];
    FUZZ_CHECK(unit.outcome
               == (isBlank(unit.attribute, value) ? ImportOutcome::Untranslated
                                                  : ImportOutcome::Unchanged));
    FUZZ_CHECK(unit.value == value && plan->changes().empty());
}

void planFile(const QByteArray &bytes)
{
    const XliffExportInput input = entries(u"OK"_s, u"OK"_s);
    const Result<ImportPlan> plan = planImport(bytes, targetOf(input));
    if (!plan)
        return;
    for (const ImportUnit &unit : plan->units) {
        if (unit.outcome != ImportOutcome::Imported)
            continue;
        FUZZ_CHECK(unit.value != unit.previous && unit.value.size() <= MaxImportedLength);
        for (const QChar c : unit.value) {
            const bool lineBreak = c == u'\n' || c == u'\r';
            FUZZ_CHECK(c.category() != QChar::Other_Control || c == u'\t'
                       || (lineBreak && isWebOrdinal(unit.ordinal)));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (size == 0 || (data[0] != 'e' && data[0] != 'w')) {
        planFile(bytes);
        return 0;
    }
    const QString input = QString::fromUtf8(bytes.sliced(1));
    const qsizetype lineBreak = input.indexOf(u'\n');
    roundTrip(data[0] == 'w', lineBreak < 0 ? input : input.first(lineBreak),
              lineBreak < 0 ? input : input.sliced(lineBreak + 1));
    return 0;
}
