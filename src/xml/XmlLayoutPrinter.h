#pragma once

#include <string>
#include <tinyxml2.h>

// Writes a document in the layout of the program's XML files: one tab per
// open element, text kept on its element's line, a line break after each
// top-level element. tinyxml2's XMLPrinter indents with spaces and cannot be
// told otherwise, hence a printer of our own.
//
// One text marker remembers the depth of the element whose text was written
// last. While it is set, start tags get no line break (their tabs still come)
// and end tags follow the text directly.
class XmlLayoutPrinter : public tinyxml2::XMLVisitor
{
public:
    using tinyxml2::XMLVisitor::VisitExit;

    bool VisitEnter(const tinyxml2::XMLDocument &document) override;
    bool VisitEnter(const tinyxml2::XMLElement &element,
                    const tinyxml2::XMLAttribute *firstAttribute) override;
    bool VisitExit(const tinyxml2::XMLElement &element) override;
    bool Visit(const tinyxml2::XMLDeclaration &declaration) override;
    bool Visit(const tinyxml2::XMLText &text) override;
    bool Visit(const tinyxml2::XMLComment &comment) override;
    bool Visit(const tinyxml2::XMLUnknown &unknown) override;

    // Line breaks are single LFs; Serialize adapts them to the platform.
    std::string takeOutput() { return std::move(m_output); }

private:
    void writeMarkup(const char *open, const char *value, const char *close);
    void writeTabs(int count);
    enum class Escape { Text, WhiteSpace, Attribute };

    void writeEscaped(const char *text, Escape escape);
    void writeReference(char c);

    std::string m_output;
    int m_depth = 0; // open elements
    int m_textDepth = -1; // the text marker; -1 while unset
    bool m_nodeWritten = false;
};
