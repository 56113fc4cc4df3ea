#include "FuzzCheck.h"
#include "FuzzScratch.h"
#include "xml/XmlPathDocument.h"

#include <string>
#include <string_view>

using tinyxml2::XMLElement;
using tinyxml2::XMLNode;

// Loads arbitrary bytes as an XML file, looks elements up by paths taken from
// the tree and from the input, and saves: a saved file loads again into a
// document that saves to the same bytes, unless the layout itself changes
// the text (see below).

namespace {

// Looks up every element below element by the names leading to it. The
// result, if any, bears the path's last name; while each step is the first
// child of its name and named unlike its parent, it is the element itself.
void checkFind(XmlPathDocument &document, const XMLElement &element, const std::string &path,
               bool exact, int &budget)
{
    if (budget-- <= 0)
        return;
    const XMLElement *found = document.FindElement(path);
    FUZZ_CHECK(!exact || found == &element);
    FUZZ_CHECK(!found || path.substr(path.rfind('/') + 1) == found->Name());
    for (const XMLElement *child = element.FirstChildElement(); child;
         child = child->NextSiblingElement()) {
        const bool childExact = exact && element.FirstChildElement(child->Name()) == child
            && std::string_view(child->Name()) != element.Name();
        checkFind(document, *child, path + '/' + child->Name(), childExact, budget);
    }
}

// Where saving cannot keep a document's text, by the rules of the layout:
// - the parser lets text outside the root element through, which is not XML
//   and need not load back;
// - an element right behind a text node is indented all the same, and the
//   indentation reads back as part of the text.
bool saveChangesText(const XMLNode &node)
{
    for (const XMLNode *child = node.FirstChild(); child; child = child->NextSibling()) {
        const XMLNode *next = child->NextSibling();
        if (child->ToText() && (node.ToDocument() || (next && next->ToElement())))
            return true;
        if (saveChangesText(*child))
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::string path = FuzzScratch::write(QStringLiteral("input.xml"), bytes).toStdString();
    XmlPathDocument document;
    if (!document.Load(path)) {
        FUZZ_CHECK(document.NoChildren());
        return 0;
    }
    FUZZ_CHECK(document.FirstChild()->ToDeclaration());

    // Any text may serve as a path: the input's last line.
    document.FindElement(bytes.sliced(bytes.lastIndexOf('\n') + 1).left(64).toStdString());
    if (const XMLElement *root = document.FirstChildElement()) {
        int budget = 64;
        checkFind(document, *root, root->Name(), true, budget);
    }

    const std::string saved = document.Serialize();
    FUZZ_CHECK(document.Save());
    FUZZ_CHECK(FuzzScratch::read(QString::fromStdString(path)).toStdString() == saved);
    if (saveChangesText(document))
        return 0;
    XmlPathDocument reloaded;
    FUZZ_CHECK(reloaded.Load(path));
    FUZZ_CHECK(reloaded.Serialize() == saved);
    return 0;
}
