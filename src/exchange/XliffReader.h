#pragma once

#include "platform/Result.h"

#include <QByteArray>
#include <QString>

#include <vector>

// The translation units of an XLIFF 1.2 document, as translation tools write
// it: units directly in a <body> or in <group>s, any encoding the document
// declares, entities and character references resolved, CDATA as text.
//
// A <target> reads as the plain text Lexivo stores:
// - <ph>, <bpt>, <ept> and <it> give their text, the native code they hold;
// - <g>, <mrk> and elements of other vocabularies give their content;
// - <x/>, <bx/> and <ex/> give the code of the source's <ph> (or <it>),
//   <bpt> or <ept> with the same id, which is how tools write a source's code
//   in a target that they hold only by reference; without one, nothing.
// Where xml:space is not "preserve" (on the target or any element around
// it), the line breaks of a tool's pretty printing are undone: a run of
// XML white space that holds a line break becomes one space inside the text
// and nothing at its ends. Other blanks stay as they are.
struct XliffUnit
{
    int file = 0; // index into XliffDocument::files
    QString id;
    QString resname;
    int line = 0; // of the <trans-unit>
    bool hasTarget = false;
    QString target;
    QString state; // the target's state attribute
};

struct XliffFile
{
    QString original;
    QString sourceLanguage;
    QString targetLanguage;
};

struct XliffDocument
{
    std::vector<XliffFile> files;
    std::vector<XliffUnit> units;
};

// A failure, with a sentence for the user, when the bytes are empty, are not
// well-formed XML (a character that XML does not allow, such as a control
// character or an unpaired surrogate, is that too) or are not XLIFF 1.2.
Result<XliffDocument> readXliff(const QByteArray &bytes);
