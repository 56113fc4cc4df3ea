#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <initializer_list>
#include <utility>

// Markup for exchange files, written exactly as given: no indentation of its
// own, so that mixed content (text between inline elements, blanks at the
// ends of a text) reads back as written. XmlPathDocument cannot write such
// content: its layout indents every start tag, and tinyxml2 drops a text of
// blanks alone between two tags.
class XmlMarkup
{
public:
    using Attributes = std::initializer_list<std::pair<QStringView, QStringView>>;

    // The declaration, version 1.0 in UTF-8, and a line break.
    void declaration();
    // A line break and depth tabs.
    void indent(int depth);
    // A start tag, or an empty element when empty is set.
    void start(QStringView name, Attributes attributes = {}, bool empty = false);
    void end(QStringView name);
    // Text with "&", "<", ">" and CR escaped; CR as a reference, since a
    // parser reads a CR as LF.
    void text(QStringView text);

    // The document as UTF-8, ending in a line break.
    QByteArray bytes() const { return (m_text + u'\n').toUtf8(); }

    // Whether every character of text is one that XML 1.0 allows; a text
    // that holds another (a C0 control, an unpaired surrogate) cannot be
    // written.
    static bool canCarry(QStringView text);

private:
    void escaped(QStringView text, bool attribute);

    QString m_text;
};
