#include "FuzzCheck.h"
#include "editor/FormatSymbols.h"
#include "editor/TranslationChecks.h"

#include <QRegularExpression>

#include <algorithm>
#include <numeric>

// Extracts the format symbols of arbitrary texts in both schemes and checks a
// value against a reference. Input: a first byte "w" for a web entry (any
// other for an INI entry), then the value, a line break and the reference
// (the value alone checks itself).

namespace {

bool occursIn(QStringView text, const SymbolCounts &symbols)
{
    return std::all_of(symbols.keyBegin(), symbols.keyEnd(),
                       [&](const QString &symbol) { return text.contains(symbol); });
}

int total(const SymbolCounts &symbols)
{
    return std::accumulate(symbols.begin(), symbols.end(), 0);
}

// Every "%" and every backslash starts exactly one symbol of at most two
// characters, three for "%l".
void checkPrintf(QStringView text)
{
    const SymbolCounts symbols = printfSymbols(text);
    FUZZ_CHECK(occursIn(text, symbols));
    FUZZ_CHECK(total(symbols) == text.count(u'%') + text.count(u'\\'));
    for (const QString &symbol : symbols.keys()) {
        FUZZ_CHECK(symbol.startsWith(u'%') || symbol.startsWith(u'\\'));
        FUZZ_CHECK(symbol.size() <= (symbol.startsWith(u"%l") ? 3 : 2));
    }
}

// Every symbol is "{digits}", each from its own "{".
void checkBraces(QStringView text)
{
    static const QRegularExpression placeholder(QStringLiteral("\\A\\{[0-9]+\\}\\z"));
    const SymbolCounts symbols = braceSymbols(text);
    FUZZ_CHECK(occursIn(text, symbols));
    FUZZ_CHECK(total(symbols) <= text.count(u'{'));
    for (const QString &symbol : symbols.keys())
        FUZZ_CHECK(placeholder.match(symbol).hasMatch());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const EntryOrdinal ordinal = data[0] == 'w' ? FirstWebOrdinal : 0;
    const QString input
        = QString::fromUtf8(reinterpret_cast<const char *>(data) + 1, qsizetype(size) - 1);
    const qsizetype lineBreak = input.indexOf(u'\n');
    const QString value = input.first(lineBreak < 0 ? input.size() : lineBreak);
    const QString reference = input.sliced(lineBreak < 0 ? 0 : lineBreak + 1);

    for (const QString &text : { value, reference }) {
        checkPrintf(text);
        checkBraces(text);
        FUZZ_CHECK(CheckFormatSymbols(ordinal, text, text));
    }
    FUZZ_CHECK(CheckFormatSymbols(ordinal, value, reference)
               == CheckFormatSymbols(ordinal, reference, value));
    return 0;
}
