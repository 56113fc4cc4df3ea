#include "XmlPathDocument.h"

#include "XmlLayoutPrinter.h"
#include "platform/SafeFileWriter.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <charconv>
#include <string_view>
#include <vector>

using namespace tinyxml2;

namespace {

const char kDeclaration[] = "xml version=\"1.0\" encoding=\"UTF-8\"";

// Cuts a path at "/": runs of slashes count as one, a trailing slash adds
// nothing, a leading one gives an empty first segment. Never returns an
// empty list.
std::vector<std::string> splitPath(const std::string &path)
{
    std::vector<std::string> segments;
    std::size_t start = 0;
    for (;;) {
        const std::size_t slash = path.find('/', start);
        if (slash == std::string::npos) {
            segments.push_back(path.substr(start));
            return segments;
        }
        segments.push_back(path.substr(start, slash - start));
        start = path.find_first_not_of('/', slash);
        if (start == std::string::npos)
            return segments;
    }
}

bool isXmlCharacter(unsigned long code)
{
    return code == 0x9 || code == 0xA || code == 0xD || (code >= 0x20 && code <= 0xD7FF)
        || (code >= 0xE000 && code <= 0xFFFD) || (code >= 0x10000 && code <= 0x10FFFF);
}

// Whether every "&#" of text not yet resolved opens "&#digits;" or "&#xhex;"
// naming a character XML allows.
bool referencesValid(std::string_view text)
{
    for (std::size_t at = text.find("&#"); at != std::string_view::npos; at = text.find("&#", at)) {
        at += 2;
        const bool hex = at < text.size() && text[at] == 'x';
        const char *digits = text.data() + at + (hex ? 1 : 0);
        const char *end = text.data() + text.size();
        unsigned long code = 0;
        const auto [stop, error] = std::from_chars(digits, end, code, hex ? 16 : 10);
        if (error != std::errc() || stop == end || *stop != ';' || !isXmlCharacter(code))
            return false;
        at = std::size_t(stop - text.data());
    }
    return true;
}

bool referencesValid(const XMLNode &node)
{
    if (const XMLText *text = node.ToText())
        return text->CData() || referencesValid(text->Value());
    if (const XMLElement *element = node.ToElement()) {
        for (const XMLAttribute *attribute = element->FirstAttribute(); attribute;
             attribute = attribute->Next()) {
            if (!referencesValid(attribute->Value()))
                return false;
        }
    }
    for (const XMLNode *child = node.FirstChild(); child; child = child->NextSibling()) {
        if (!referencesValid(*child))
            return false;
    }
    return true;
}

// tinyxml2 resolves "&#;" and "&#0;" to a NUL that cuts the text short, drops
// references past U+1FFFFF, turns surrogates into invalid UTF-8 and keeps a
// malformed reference as text, which the next save escapes. Such a file is
// not XML. Only text and attribute values resolve references: a second parse
// that leaves them unresolved finds them where tinyxml2 does, and not in
// comments, CDATA or unknown nodes. Only files with "&#" pay for it.
bool characterReferencesValid(const QByteArray &bytes)
{
    if (!bytes.contains("&#"))
        return true;
    XMLDocument unresolved(false, PRESERVE_WHITESPACE);
    unresolved.Parse(bytes.constData(), std::size_t(bytes.size()));
    return referencesValid(unresolved);
}

} // namespace

XmlPathDocument::XmlPathDocument()
{
    InsertFirstChild(NewDeclaration(kDeclaration));
}

Result<> XmlPathDocument::Load(const std::string &path)
{
    m_loadedPath = path;
    // tinyxml2 keeps the flag from an earlier load when the file is missing or
    // empty; it has to describe this file, also when a document is reused.
    SetBOM(false);
    // Read here rather than by tinyxml2, which needs the bytes once more for
    // the references; the path is UTF-8, as Save takes it.
    QFile file(QString::fromUtf8(path));
    XMLError error = XML_SUCCESS;
    QByteArray bytes;
    if (!file.open(QIODevice::ReadOnly))
        error = file.exists() ? XML_ERROR_FILE_COULD_NOT_BE_OPENED : XML_ERROR_FILE_NOT_FOUND;
    else
        bytes = file.readAll();
    if (error == XML_SUCCESS && !bytes.isEmpty())
        error = Parse(bytes.constData(), std::size_t(bytes.size()));
    // A byte-order mark and white space alone is an empty document too.
    const bool empty = error == XML_SUCCESS && (bytes.isEmpty() || NoChildren());
    const bool badReference = error == XML_SUCCESS && !empty && !characterReferencesValid(bytes);
    if (error != XML_SUCCESS || empty || badReference) {
        // tinyxml2 keeps the nodes completed before a parse error, such as the
        // declaration; a half document must not be saved back.
        DeleteChildren();
        if (badReference)
            return ResultError(QStringLiteral("\"%1\" holds a character reference to no XML "
                                              "character.")
                                   .arg(QDir::toNativeSeparators(QString::fromStdString(path))));
        return ResultError(describeLoadFailure(path, empty ? XML_ERROR_EMPTY_DOCUMENT : error));
    }
    const XMLNode *first = FirstChild();
    if (!first || !first->ToDeclaration())
        InsertFirstChild(NewDeclaration(kDeclaration));
    return ResultOk;
}

QString XmlPathDocument::describeLoadFailure(const std::string &path, XMLError error) const
{
    const QString name = QDir::toNativeSeparators(QString::fromStdString(path));
    switch (error) {
    case XML_SUCCESS:
    case XML_ERROR_EMPTY_DOCUMENT:
        return QStringLiteral("\"%1\" is empty.").arg(name);
    case XML_ERROR_FILE_NOT_FOUND:
        return QStringLiteral("\"%1\" does not exist.").arg(name);
    case XML_ERROR_FILE_COULD_NOT_BE_OPENED:
    case XML_ERROR_FILE_READ_ERROR:
        return QStringLiteral("\"%1\" could not be read.").arg(name);
    default:
        return QStringLiteral("\"%1\" is not well-formed XML (line %2).")
            .arg(name)
            .arg(ErrorLineNum());
    }
}

Result<> XmlPathDocument::Save(const std::string &path)
{
    const std::string &target = path.empty() ? m_loadedPath : path;
    return writeFileSafely(QString::fromUtf8(target),
                           [this](QIODevice &device) { return Write(device); });
}

Result<> XmlPathDocument::Write(QIODevice &device) const
{
    const std::string bytes = Serialize();
    return writeAll(device, QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

std::string XmlPathDocument::Serialize() const
{
    XmlLayoutPrinter printer;
    Accept(&printer);
    std::string bytes = printer.takeOutput();
#ifdef Q_OS_WIN
    // The files are text files, which have CR LF line ends on Windows.
    bytes = QByteArray::fromStdString(bytes).replace("\n", "\r\n").toStdString();
#endif
    return bytes;
}

XMLElement *XmlPathDocument::FindElement(const std::string &path)
{
    XMLElement *root = FirstChildElement();
    if (!root || path == root->Name())
        return root;
    XMLElement *current = root;
    for (const std::string &segment : splitPath(path)) {
        if (!current)
            break;
        // A segment naming the current element keeps it, so the root's name may
        // lead the path or be left out.
        if (segment != current->Name())
            current = current->FirstChildElement(segment.c_str());
    }
    return current;
}

XMLElement *XmlPathDocument::CreatePath(const std::string &path, const std::string &text,
                                        XMLNode *parent)
{
    const std::vector<std::string> segments = splitPath(path);
    XMLElement *outermost = NewElement(segments.front().c_str());
    XMLElement *innermost = outermost;
    for (auto segment = segments.begin() + 1; segment != segments.end(); ++segment)
        innermost = innermost->InsertEndChild(NewElement(segment->c_str()))->ToElement();
    innermost->InsertFirstChild(NewText(text.c_str()));
    if (parent)
        parent->InsertEndChild(outermost);
    return innermost;
}

XMLElement *XmlPathDocument::CreatePathUnderRoot(const std::string &path, const std::string &text)
{
    XMLNode *root = FirstChildElement();
    return CreatePath(path, text, root ? root : this);
}

std::string XmlPathDocument::ElementText(const XMLElement *element)
{
    const XMLNode *first = element ? element->FirstChild() : nullptr;
    return first && first->ToText() ? first->Value() : std::string();
}

std::string XmlPathDocument::AttributeText(const XMLElement *element, const char *name)
{
    const char *value = element && name ? element->Attribute(name) : nullptr;
    return value ? value : std::string();
}
