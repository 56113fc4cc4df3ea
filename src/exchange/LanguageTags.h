#pragma once

#include <QString>

class LanguageCatalogue;

// The language attributes of an exchange file. The catalogue's codes are
// Windows language identifiers ("0x0407"), which translation tools do not
// know and the XLIFF schema does not take (its languages are xsd:language):
// files carry the BCP 47 tag of the code instead ("de-DE"). A code that is
// not one of the catalogue's built-in identifiers but is a tag already (a
// supported-languages file may say "de-DE") is used as it stands; any other
// number becomes a private-use tag ("x-lcid-0999"); anything else "und".
//
// Each built-in code has a tag of its own, so a tag names one language.

// The tag written for a catalogue code.
QString languageTag(const QString &code);

// Whether a file's language attribute names the language of code: its tag,
// compared without regard to case as BCP 47 compares, or the code itself.
bool tagMatchesCode(const QString &tag, const QString &code);

// The catalogue row whose code the tag names, or -1.
int rowOfTag(const LanguageCatalogue &catalogue, const QString &tag);

// Whether text can be an xsd:language: letters, then "-" and letters or
// digits, each part 1 to 8 characters.
bool isLanguageTag(const QString &text);
