#pragma once

#include "platform/Result.h"

#include <QString>

#include <string>
#include <tinyxml2.h>

class QIODevice;

// The program's XML document: a tinyxml2 document that remembers where it was
// loaded from, always starts with the declaration
// xml version="1.0" encoding="UTF-8", addresses elements by slash-separated
// paths such as "clientConfig/content/title", and writes files in one fixed
// layout (tab indentation, text kept on its element's line).
//
// The document owns every node; elements returned below stay valid until the
// document is destroyed or loaded again.
class XmlPathDocument : public tinyxml2::XMLDocument
{
public:
    // A document holding the declaration alone.
    XmlPathDocument();

    XmlPathDocument(const XmlPathDocument &) = delete;
    XmlPathDocument &operator=(const XmlPathDocument &) = delete;

    // Remembers path for Save(""), then parses the file. On success a missing
    // leading declaration is added in front. A failure when the file cannot be
    // read, is empty (a byte-order mark alone included), does not parse or
    // holds a character reference that names no XML character ("&#;").
    Result<> Load(const std::string &path);

    // Writes the whole document to path, or to the loaded path when path is
    // empty. A failure when there is no target or it cannot be written; the
    // file is then unchanged.
    Result<> Save(const std::string &path = std::string());

    // The bytes Save() writes.
    std::string Serialize() const;

    // Writes those bytes to device; a failure tells the device's reason.
    Result<> Write(QIODevice &device) const;

    // The element at path, starting at the root element, or nullptr. The
    // first segment may name the root or be left out.
    tinyxml2::XMLElement *FindElement(const std::string &path);

    // Builds a new chain of elements for path, the innermost holding text
    // (an empty text node when text is empty), appended as the last child of
    // parent when parent is given. Returns the innermost element.
    tinyxml2::XMLElement *CreatePath(const std::string &path, const std::string &text,
                                     tinyxml2::XMLNode *parent);

    // CreatePath under the root element, or under the document when it has none.
    tinyxml2::XMLElement *CreatePathUnderRoot(const std::string &path, const std::string &text);

    // The value of the element's first child when that is a text node, else "".
    static std::string ElementText(const tinyxml2::XMLElement *element);

    // The attribute's value, or "" when element is nullptr or lacks it.
    static std::string AttributeText(const tinyxml2::XMLElement *element, const char *name);

    const std::string &loadedPath() const { return m_loadedPath; }

private:
    QString describeLoadFailure(const std::string &path, tinyxml2::XMLError error) const;

    std::string m_loadedPath;
};
