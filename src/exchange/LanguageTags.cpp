#include "LanguageTags.h"

#include "config/LanguageCatalogue.h"

#include <QRegularExpression>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

struct CodeTag
{
    char16_t code[7]; // lower case, "0x0407"
    const char16_t *tag;
};

// Every identifier of the built-in catalogue. Where a catalogue language has
// no tag of its own the nearest one that keeps it apart is taken: Spanish
// with the traditional sort is es-ES with the traditional collation.
constexpr CodeTag codeTags[] = {
    { u"0x0804", u"zh-CN" },           { u"0x0409", u"en-US" },      { u"0x0436", u"af-ZA" },
    { u"0x041c", u"sq-AL" },           { u"0x1401", u"ar-DZ" },      { u"0x3c01", u"ar-BH" },
    { u"0x0c01", u"ar-EG" },           { u"0x0801", u"ar-IQ" },      { u"0x2c01", u"ar-JO" },
    { u"0x3401", u"ar-KW" },           { u"0x3001", u"ar-LB" },      { u"0x1001", u"ar-LY" },
    { u"0x1801", u"ar-MA" },           { u"0x2001", u"ar-OM" },      { u"0x4001", u"ar-QA" },
    { u"0x0401", u"ar-SA" },           { u"0x2801", u"ar-SY" },      { u"0x1c01", u"ar-TN" },
    { u"0x3801", u"ar-AE" },           { u"0x2401", u"ar-YE" },      { u"0x082c", u"az-Cyrl-AZ" },
    { u"0x042c", u"az-Latn-AZ" },      { u"0x042d", u"eu-ES" },      { u"0x0423", u"be-BY" },
    { u"0x047e", u"br-FR" },           { u"0x0402", u"bg-BG" },      { u"0x0403", u"ca-ES" },
    { u"0x0c04", u"zh-HK" },           { u"0x1004", u"zh-SG" },      { u"0x0404", u"zh-TW" },
    { u"0x041a", u"hr-HR" },           { u"0x0405", u"cs-CZ" },      { u"0x0406", u"da-DK" },
    { u"0x0813", u"nl-BE" },           { u"0x0413", u"nl-NL" },      { u"0x0c09", u"en-AU" },
    { u"0x2809", u"en-BZ" },           { u"0x1009", u"en-CA" },      { u"0x2409", u"en-029" },
    { u"0x1809", u"en-IE" },           { u"0x2009", u"en-JM" },      { u"0x1409", u"en-NZ" },
    { u"0x1c09", u"en-ZA" },           { u"0x2c09", u"en-TT" },      { u"0x0809", u"en-GB" },
    { u"0x0425", u"et-EE" },           { u"0x0438", u"fo-FO" },      { u"0x040b", u"fi-FI" },
    { u"0x080c", u"fr-BE" },           { u"0x0c0c", u"fr-CA" },      { u"0x040c", u"fr-FR" },
    { u"0x140c", u"fr-LU" },           { u"0x180c", u"fr-MC" },      { u"0x100c", u"fr-CH" },
    { u"0x0c07", u"de-AT" },           { u"0x0407", u"de-DE" },      { u"0x1407", u"de-LI" },
    { u"0x1007", u"de-LU" },           { u"0x0807", u"de-CH" },      { u"0x0408", u"el-GR" },
    { u"0x040d", u"he-IL" },           { u"0x040e", u"hu-HU" },      { u"0x040f", u"is-IS" },
    { u"0x0470", u"ig-NG" },           { u"0x0421", u"id-ID" },      { u"0x0410", u"it-IT" },
    { u"0x0810", u"it-CH" },           { u"0x0411", u"ja-JP" },      { u"0x0412", u"ko-KR" },
    { u"0x0426", u"lv-LV" },           { u"0x0427", u"lt-LT" },      { u"0x0414", u"nb-NO" },
    { u"0x0814", u"nn-NO" },           { u"0x0482", u"oc-FR" },      { u"0x0448", u"or-IN" },
    { u"0x0429", u"fa-IR" },           { u"0x0415", u"pl-PL" },      { u"0x0416", u"pt-BR" },
    { u"0x0816", u"pt-PT" },           { u"0x0418", u"ro-RO" },      { u"0x0419", u"ru-RU" },
    { u"0x0c1a", u"sr-Cyrl-RS" },      { u"0x081a", u"sr-Latn-RS" }, { u"0x041b", u"sk-SK" },
    { u"0x0424", u"sl-SI" },           { u"0x2c0a", u"es-AR" },      { u"0x400a", u"es-BO" },
    { u"0x340a", u"es-CL" },           { u"0x240a", u"es-CO" },      { u"0x140a", u"es-CR" },
    { u"0x1c0a", u"es-DO" },           { u"0x300a", u"es-EC" },      { u"0x440a", u"es-SV" },
    { u"0x100a", u"es-GT" },           { u"0x480a", u"es-HN" },      { u"0x080a", u"es-MX" },
    { u"0x4c0a", u"es-NI" },           { u"0x180a", u"es-PA" },      { u"0x3c0a", u"es-PY" },
    { u"0x280a", u"es-PE" },           { u"0x500a", u"es-PR" },      { u"0x0c0a", u"es-ES" },
    { u"0x040a", u"es-ES-u-co-trad" }, { u"0x380a", u"es-UY" },      { u"0x200a", u"es-VE" },
    { u"0x081d", u"sv-FI" },           { u"0x041d", u"sv-SE" },      { u"0x041e", u"th-TH" },
    { u"0x041f", u"tr-TR" },           { u"0x0422", u"uk-UA" },      { u"0x0820", u"ur-IN" },
    { u"0x042a", u"vi-VN" },
};

bool isWindowsIdentifier(const QString &code)
{
    static const QRegularExpression identifier(u"\\A0[xX][0-9A-Fa-f]{1,8}\\z"_s);
    return identifier.match(code).hasMatch();
}

} // namespace

bool isLanguageTag(const QString &text)
{
    static const QRegularExpression tag(u"\\A[A-Za-z]{1,8}(-[A-Za-z0-9]{1,8})*\\z"_s);
    return tag.match(text).hasMatch();
}

QString languageTag(const QString &code)
{
    const QString lower = code.toLower();
    const auto known = std::find_if(std::begin(codeTags), std::end(codeTags),
                                    [&](const CodeTag &row) { return lower == row.code; });
    if (known != std::end(codeTags))
        return QString::fromUtf16(known->tag);
    if (isWindowsIdentifier(code))
        return u"x-lcid-"_s + lower.sliced(2);
    if (isLanguageTag(code))
        return code;
    return u"und"_s;
}

bool tagMatchesCode(const QString &tag, const QString &code)
{
    return tag.compare(languageTag(code), Qt::CaseInsensitive) == 0 || tag == code;
}

int rowOfTag(const LanguageCatalogue &catalogue, const QString &tag)
{
    for (int row = 0; row < catalogue.count(); ++row) {
        if (tagMatchesCode(tag, catalogue.CodeAt(row)))
            return row;
    }
    return -1;
}
