#include "ExchangeRows.h"

using namespace Qt::StringLiterals;

XliffExportInput exchangeInput()
{
    XliffExportInput input;
    input.sourceCode = u"0x0409"_s;
    input.targetCode = u"0x0407"_s;
    input.layout.iniFile = u"German (Germany).ini"_s;
    input.layout.webFiles = { u"common.xml"_s, u"empty.xml"_s, u"sub/b.xml"_s };
    const EntryOrdinal web = FirstWebOrdinal;
    input.layout.webFileOfItem = { { web, 0 }, { web + 1, 0 }, { web + 2, 2 }, { web + 3, 2 } };
    input.limits = { { u"IDS_OK"_s, u"Cancel"_s },
                     { u"IDS_LONG"_s, u"Arming Schedule"_s },
                     { u"web.ok"_s, u"OK & <more>"_s } };
    input.rows = {
        { 0, u"IDS_OK"_s, u"OK"_s, u"OK"_s },
        { 1, u"IDS_COUNT"_s, u"%ld von %d Dateien"_s, u"%d files of %ld"_s },
        { 2, u"IDS_PERCENT"_s, u"100 %%"_s, u"100%%"_s },
        { 3, u"IDS_SAVE"_s, QString(), u"&Save"_s },
        { 4, u"IDS_MARKUP"_s, u"a < b & c > d \"q\" ]]>"_s, u"a < b & c > d \"q\" ]]>"_s },
        { 5, u"IDS_BLANKS"_s, u"  Name\t"_s, u"  Name "_s },
        { 6, u"IDS_EMOJI"_s, u"L\u00e4cheln \U0001F600 %\U0001F600"_s, u"Smile %\U0001F600"_s },
        { 7, u"IDS_SPACES"_s, u"   "_s, u"  "_s },
        { 8, u"IDS_PATH"_s, u"C:\\Ordner\\n"_s, u"C:\\dir\\n"_s },
        { 9, u"IDS_OK"_s, QString(), QString() },
        { 10, u"IDS_LONG"_s, u"Scharfschaltzeitplan"_s, u"Arming Schedule"_s },
        { 11, u"IDS_LOST"_s, u"gespeichert"_s, u"%s saved"_s },
        { web, u"web.ok"_s, u"{0} OK"_s, u"OK {0}"_s },
        { web + 1, u"web.lines"_s, u"Zeile eins\r\nZeile zwei"_s, u"Line one\nLine two"_s },
        { web + 2, u"web.empty"_s, QString(), u"Empty"_s },
        { web + 3, u"IDS_OK"_s, u"Gut"_s, u"Good"_s },
    };
    return input;
}
