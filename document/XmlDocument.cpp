#include "document/XmlDocument.h"

#include <cstring>
#include <new>

#include <windows.h>

#include "platform/BufferedFile.h"
#include "platform/StringUtil.h"

namespace {

// Character data and attribute values beyond this are dropped: no XML text of the program comes
// near it, and a damaged file must not make the reader take all memory.
const int kMaxTextLength = 16 * 1024 * 1024;
// Attributes per node beyond this are read and dropped.
const int kMaxAttributes = 1000;
// The attributes the nodes of the list hold together, the node being read among them. Each
// value takes a memory block of its own, of which the system gives a process some 65,000: open
// elements nested deep with many attributes each would take them all while little memory is in
// use. No file of the program comes near this; a file that goes beyond is broken.
const int kMaxHeldAttributes = 10000;

// The opening of a CDATA section after '<'.
const char kCdataOpening[] = "![CDATA[";
const int kCdataOpeningLength = 8;

inline bool isDelimiter(unsigned char b) { return b == ' ' || b == '<' || b == '=' || b == '>' || b == '"'; }

} // namespace

namespace {

// The character reference "&#N;" or "&#xH;" at `text` in the ANSI code page: its bytes (one or
// two, never more than the reference is long) and the reference's length; 0 for a reference
// that is not one (no digits, no ';', 0, or beyond Unicode). Characters the code page lacks
// become its default character.
int decodeCharacterReference(const char* text, int length, char* out, int& outLength)
{
    if (length < 4 || text[0] != '&' || text[1] != '#')
        return 0;
    const bool hex = text[2] == 'x';
    int i = hex ? 3 : 2;
    unsigned long code = 0;
    int digits = 0;
    for (; i < length && text[i] != ';'; ++i, ++digits) {
        const char c = text[i];
        int d;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (hex && c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (hex && c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        else
            return 0;
        code = code * (hex ? 16 : 10) + static_cast<unsigned long>(d);
        if (code > 0x10FFFF)
            return 0;
    }
    if (i >= length || digits == 0 || code == 0)
        return 0;
    // A control character becomes a blank, as the text's own line breaks are dropped.
    if (code < 32)
        code = ' ';
    wchar_t units[2];
    int unitCount = 1;
    if (code > 0xFFFF) {
        units[0] = static_cast<wchar_t>(0xD800 + ((code - 0x10000) >> 10));
        units[1] = static_cast<wchar_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
        unitCount = 2;
    } else {
        units[0] = static_cast<wchar_t>(code);
    }
    char bytes[8];
    const int n = WideCharToMultiByte(CP_ACP, 0, units, unitCount, bytes, sizeof bytes, nullptr, nullptr);
    const int referenceLength = i + 1;
    if (n < 1 || n > referenceLength)
        return 0;
    std::memcpy(out, bytes, static_cast<size_t>(n));
    outLength = n;
    return referenceLength;
}

} // namespace

int decodeXmlEntities(char* text, int length)
{
    static const struct {
        const char* entity;
        int length;
        char value;
    } entities[] = {{"&amp;", 5, '&'}, {"&lt;", 4, '<'}, {"&gt;", 4, '>'}, {"&quot;", 6, '"'}, {"&apos;", 6, '\''}};
    if (!text)
        return 0;
    int out = 0;
    for (int in = 0; in < length;) {
        bool replaced = false;
        if (text[in] == '&') {
            for (const auto& e : entities) {
                if (length - in >= e.length && std::memcmp(text + in, e.entity, static_cast<size_t>(e.length)) == 0) {
                    text[out++] = e.value;
                    in += e.length;
                    replaced = true;
                    break;
                }
            }
        }
        if (!replaced && text[in] == '&') {
            char bytes[8];
            int n = 0;
            if (const int used = decodeCharacterReference(text + in, length - in, bytes, n)) {
                std::memcpy(text + out, bytes, static_cast<size_t>(n));
                out += n;
                in += used;
                replaced = true;
            }
        }
        if (!replaced)
            text[out++] = text[in++];
    }
    if (out < length)
        text[out] = 0;
    return out;
}

XmlNode::~XmlNode()
{
    for (int i = 0; i < attributes.count; ++i)
        delete attributeAt(i);
}

XmlAttribute* XmlNode::attributeAt(int i) const
{
    XmlAttribute* attribute = nullptr;
    if (i < 0 || i >= attributes.count || !attributes.get(i, &attribute))
        return nullptr;
    return attribute;
}

int XmlNode::addAttribute(XmlAttribute* attribute)
{
    if (!attribute)
        return 0;
    if (attributes.count >= kMaxAttributes || !attributes.append(&attribute)) {
        delete attribute;
        return 0;
    }
    return 1;
}

XmlDocument::XmlDocument()
{
    static const char* const baseKeywords[] = {"?xml", "!DOCTYPE", "<!--", "version", "encording", "standalone", "yes", "no"};
    // A table that cannot grow has told the user; a name it lacks reads as unknown.
    for (int i = 0; i < 8; ++i)
        (void)addKeyword(i + 1, baseKeywords[i]);
}

XmlDocument::~XmlDocument()
{
    dropNodesFrom(0);
    delete carriedText;
}

int XmlDocument::addKeyword(int id, const char* text)
{
    Keyword keyword = {};
    keyword.id = static_cast<unsigned int>(id);
    StringUtil::copy(keyword.text, text ? text : "");
    return keywords.append(&keyword);
}

int XmlDocument::keywordId(const char* name) const
{
    BlockLock lock(keywords);
    if (!lock || !name)
        return -1;
    const Keyword* table = lock.data<Keyword>();
    for (int i = 0; i < keywords.count; ++i) {
        if (StringUtil::equalsNoCase(table[i].text, name))
            return static_cast<int>(table[i].id);
    }
    return -1;
}

const char* XmlDocument::keywordName(int id) const
{
    BlockLock lock(keywords);
    if (!lock)
        return nullptr;
    // The table is never moved after its last addition, so the text stays valid.
    const Keyword* table = lock.data<Keyword>();
    for (int i = 0; i < keywords.count; ++i) {
        if (table[i].id == static_cast<unsigned int>(id))
            return table[i].text;
    }
    return nullptr;
}

XmlNode* XmlDocument::nodeAt(int i) const
{
    XmlNode* node = nullptr;
    if (i < 0 || i >= nodes.count || !nodes.get(i, &node))
        return nullptr;
    return node;
}

void XmlDocument::dropNodesFrom(int index)
{
    if (index < 0)
        index = 0;
    while (nodes.count > index) {
        XmlNode* last = nodeAt(nodes.count - 1);
        if (last)
            heldAttributes -= last->attributeCount();
        delete last;
        nodes.removeLast();
    }
}

int XmlDocument::appendNode(XmlNode* node)
{
    if (!nodes.append(&node)) {
        delete node;
        return 0;
    }
    heldAttributes += node->attributeCount();
    return 1;
}

int XmlDocument::beginInput()
{
    dropNodesFrom(0);
    currentDepth = 0;
    pendingDepth = 0;
    depthCapped = 0;
    depthStart[0] = 0;
    commentInContent = 0;
    delete carriedText;
    carriedText = nullptr;
    if (!openForRead())
        return 0;
    hasNodeList = nodes.handle || nodes.allocate() ? 1 : 0;
    return hasNodeList;
}

int XmlDocument::endInput()
{
    dropNodesFrom(0);
    delete carriedText;
    carriedText = nullptr;
    hasNodeList = 0;
    return close();
}

int XmlDocument::beginOutput() { return openForWrite(); }

int XmlDocument::endOutput() { return flushAndClose(); }

void XmlDocument::applyPendingDepth()
{
    if (pendingDepth > 0 && currentDepth < kMaxDepth) {
        ++currentDepth;
        depthStart[currentDepth] = nodes.count;
    } else if (pendingDepth < 0 && currentDepth > 0) {
        dropNodesFrom(depthStart[currentDepth]);
        --currentDepth;
    } else {
        if (pendingDepth > 0)
            depthCapped = 1;
        // Also when the nesting is at its cap: the list then keeps only the path, as above.
        dropNodesFrom(depthStart[currentDepth]);
    }
    pendingDepth = 0;
}

bool XmlDocument::closesOpenElement(const char* name) const
{
    // Beyond the nesting cap the path is no longer kept, and nothing is checked.
    if (currentDepth >= kMaxDepth || depthCapped)
        return true;
    const XmlNode* open = currentDepth > 0 ? nodeAt(depthStart[currentDepth] - 1) : nullptr;
    // Tag names compare as the keywords do, without regard to case.
    return open && StringUtil::equalsNoCase(open->name, name);
}

int XmlDocument::gatherText(TextString& text)
{
    // Only the bytes added here are decoded: a CDATA section before them is taken as it stands.
    const int start = text.length();
    unsigned char b;
    for (;;) {
        if (!readByte(b))
            return 0;
        // A double quote here is a character of the text like any other: XML character data
        // holds no raw '<', so a quoted run read whole up to its closing quote would only take a
        // lone quote's markup after it as text.
        if (b == '<')
            break;
        if (b < 32 || text.length() >= kMaxTextLength)
            continue;
        // A text that cannot grow (which has told the user) ends the read rather than lose bytes.
        if (!text.appendChar(static_cast<char>(b)))
            return 0;
    }
    if (text.length() > start)
        text.shorten(start + decodeXmlEntities(text.data() + start, text.length() - start));
    return 1;
}

int XmlDocument::gatherCdata(TextString& text)
{
    // The brackets of a possible "]]>" are held back until the byte after them shows whether
    // they end the section.
    int brackets = 0;
    unsigned char b;
    for (;;) {
        if (!readByte(b))
            return 0;
        const bool end = b == '>' && brackets >= 2;
        if (end) {
            brackets -= 2;
        } else if (b == ']') {
            ++brackets;
            continue;
        }
        for (; brackets > 0; --brackets) {
            if (text.length() < kMaxTextLength && !text.appendChar(']'))
                return 0;
        }
        if (end)
            return 1;
        // As in the character data around it, control characters are dropped.
        if (b < 32 || text.length() >= kMaxTextLength)
            continue;
        if (!text.appendChar(static_cast<char>(b)))
            return 0;
    }
}

int XmlDocument::readQuotedValue(TextString* value, int blankForSpace, char quote)
{
    unsigned char b;
    for (;;) {
        if (!readByte(b))
            return 0;
        if (b == static_cast<unsigned char>(quote))
            return 1;
        // An attribute value's line breaks and tabs are blanks, as XML has them.
        if (blankForSpace && (b == '\t' || b == '\r' || b == '\n'))
            b = ' ';
        if (b < 32 || !value || value->length() >= kMaxTextLength)
            continue;
        if (!value->appendChar(static_cast<char>(b)))
            return 0;
    }
}

int XmlDocument::readName(char* name, char& ender)
{
    int n = 0;
    bool cut = false;
    unsigned char b;
    name[0] = 0;
    ender = 0;
    for (;;) {
        if (!readByte(b))
            return 0;
        if (isDelimiter(b) || b < 32) {
            if (n == 0)
                continue; // an empty read: look again
            ender = static_cast<char>(b);
            break;
        }
        if (n < 79)
            name[n++] = static_cast<char>(b);
        else
            cut = true;
        // A comment's name is its opening: what follows, however long and whatever it holds,
        // is skipped up to "-->" by the caller.
        if (n == 3 && std::strncmp(name, "!--", 3) == 0)
            break;
        // So is a CDATA section's, whose characters the caller takes up to "]]>".
        if (n == kCdataOpeningLength && std::strncmp(name, kCdataOpening, kCdataOpeningLength) == 0)
            break;
    }
    // A name longer than the buffer keeps whole characters.
    if (cut)
        n = StringUtil::cutOfLongerText(name, n);
    name[n] = 0;
    return 1;
}

void XmlDocument::takeDeclarationValue(const XmlAttribute& attribute)
{
    if (StringUtil::equals(attribute.name, "version"))
        attribute.value.copyTo(version, sizeof version);
    else if (StringUtil::equals(attribute.name, "encording") || StringUtil::equals(attribute.name, "encoding"))
        attribute.value.copyTo(encoding, sizeof encoding);
    else if (StringUtil::equals(attribute.name, "standalone"))
        attribute.value.copyTo(standalone, sizeof standalone);
}

void XmlDocument::startAttribute(XmlAttribute*& current, const char* name) const
{
    delete current;
    current = new (std::nothrow) XmlAttribute;
    if (current) {
        StringUtil::copy(current->name, name);
        current->keywordId = keywordId(name);
    }
}

int XmlDocument::readAttributes(XmlNode& node)
{
    XmlAttribute* current = nullptr;
    bool slashLast = false;
    // A name that blanks ended: an '=' after them still makes it an attribute's, as XML allows.
    char spacedName[80] = {};
    unsigned char b;
    for (;;) {
        if (!readByte(b)) {
            delete current;
            return 0;
        }
        if (b == '>')
            break;
        if (b <= 32)
            continue;
        if (b == '/') {
            slashLast = true;
            spacedName[0] = 0;
            continue;
        }
        slashLast = false;
        if (b == '=' && spacedName[0]) {
            startAttribute(current, spacedName);
            spacedName[0] = 0;
            continue;
        }
        spacedName[0] = 0;
        // XML quotes a value with either mark; an apostrophe opens one only after "name=".
        if (b == '"' || (b == '\'' && current)) {
            if (current && heldAttributes + node.attributeCount() >= kMaxHeldAttributes) {
                delete current;
                return 0;
            }
            if (!readQuotedValue(current ? &current->value : nullptr, 1, static_cast<char>(b))) {
                delete current;
                return 0;
            }
            if (current) {
                current->value.shorten(decodeXmlEntities(current->value.data(), current->value.length()));
                takeDeclarationValue(*current);
                // Beyond the node's limit (or without memory) the attribute is dropped, as one
                // that could not be made is.
                (void)node.addAttribute(current);
                current = nullptr;
            }
            continue;
        }
        // A name: up to '=' (which starts an attribute) or another delimiter.
        char name[80];
        int n = 0;
        bool cut = false;
        name[n++] = static_cast<char>(b);
        for (;;) {
            if (!readByte(b)) {
                delete current;
                return 0;
            }
            if (isDelimiter(b) || b < 32)
                break;
            if (n < 79)
                name[n++] = static_cast<char>(b);
            else
                cut = true;
        }
        if (cut)
            n = StringUtil::cutOfLongerText(name, n);
        name[n] = 0;
        if (b == '=') {
            startAttribute(current, name);
        } else if (b == '>') {
            break;
        } else if (b <= 32) {
            StringUtil::copy(spacedName, name);
        } else if (b == '"') {
            // A quoted run without '=': read over it.
            if (!readQuotedValue(nullptr)) {
                delete current;
                return 0;
            }
        }
    }
    delete current;
    if (slashLast)
        node.endFlag = 1;
    return 1;
}

int XmlDocument::read()
{
    if (!hasNodeList)
        return 0;
    // A start tag read last leaves its depth pending: the character data now read is its content,
    // as it is after a comment within that content.
    const bool afterStartTag = pendingDepth > 0 || commentInContent;
    commentInContent = 0;
    applyPendingDepth();

    // The content before such a comment goes on with the characters after it.
    XmlAttribute* text = carriedText ? carriedText : new (std::nothrow) XmlAttribute;
    carriedText = nullptr;
    char name[80];
    char ender = 0;
    if (!text)
        return 0;
    // Character data runs up to the next markup; a CDATA section within it adds its characters.
    for (;;) {
        if (!gatherText(text->value) || !readName(name, ender)) {
            delete text;
            return 0;
        }
        if (std::strcmp(name, kCdataOpening) != 0)
            break;
        if (!gatherCdata(text->value)) {
            delete text;
            return 0;
        }
    }
    XmlNode* last = lastNode();
    const bool commentInText = afterStartTag && last && last->keywordId == 14 && std::strncmp(name, "!--", 3) == 0;
    if (commentInText)
        commentInContent = 1;
    if (commentInText && text->value.length() > 0) {
        carriedText = text;
        text = nullptr;
    } else if (text->value.length() > 0 && last) {
        // Only what follows the start tag of tag 14 is its content. After an end tag the last node
        // left is the start tag of the element it closed, and the blanks there are no content.
        text->keywordId = last->keywordId == 14 && afterStartTag ? 26 : last->keywordId;
    } else {
        delete text;
        text = nullptr;
    }

    XmlNode* node = new (std::nothrow) XmlNode;
    if (!node) {
        delete text;
        return 0;
    }
    node->level = currentDepth;
    // Character data the node cannot take (beyond its limit or without memory) is dropped.
    if (text)
        (void)node->addAttribute(text);
    StringUtil::copy(node->name, name);

    bool ok = true;
    if (name[0] == '!') {
        if (std::strncmp(name, "!--", 3) == 0) {
            node->type = XmlNode::Comment;
            ok = skipPastPattern("-->", 0) == 1;
        } else {
            node->type = XmlNode::Directive;
            ok = ender == '>' || readAttributes(*node);
        }
    } else if (name[0] == '/') {
        node->type = XmlNode::Element;
        node->endFlag = 1;
        node->keywordId = keywordId(name + 1);
        node->level = currentDepth > 0 ? currentDepth - 1 : 0;
        pendingDepth = -1;
        // An end tag closes the element open last, by its name: any other nesting is a broken
        // file, whose reading ends here.
        ok = closesOpenElement(name + 1);
        if (ok && ender != '>') {
            unsigned char b;
            do {
                ok = readByte(b) != 0;
            } while (ok && b != '>');
        }
    } else if (name[0] == '?') {
        node->type = XmlNode::Declaration;
        node->keywordId = keywordId(name);
        ok = ender == '>' || readAttributes(*node);
    } else {
        node->type = XmlNode::Element;
        int length = StringUtil::length(name);
        if (ender == '>' && length > 1 && name[length - 1] == '/') {
            // "<name/>": an element in empty form.
            node->name[length - 1] = 0;
            node->endFlag = 1;
        }
        node->keywordId = keywordId(node->name);
        if (ender != '>')
            ok = readAttributes(*node);
        if (ok && !node->endFlag)
            pendingDepth = 1;
    }
    if (!ok) {
        pendingDepth = 0;
        delete node;
        return 0;
    }
    return appendNode(node);
}

int XmlDocument::writeNode(const XmlNode& node)
{
    if (node.type != XmlNode::Element)
        return 0;
    const char* name = keywordName(node.keywordId);
    if (!name)
        name = node.name;
    int ok = 1;
    if (node.attributeCount() > 0) {
        ok &= writeByte('<') & writeText(name);
        for (int i = 0; i < node.attributeCount(); ++i) {
            const XmlAttribute* attribute = node.attributeAt(i);
            const char* attributeName = attribute->keywordId >= 0 ? keywordName(attribute->keywordId) : nullptr;
            ok &= writeByte(' ') & writeText(attributeName ? attributeName : attribute->name);
            ok &= writeText("=\"") & writeString(attribute->value) & writeByte('"');
        }
        ok &= writeText(node.endFlag ? "/>" : ">");
    } else {
        ok &= writeText(node.endFlag ? "</" : "<") & writeText(name) & writeByte('>');
    }
    return ok & writeLineEnd();
}

int XmlDocument::writeDeclaration()
{
    // Viewers need the encoding to read the Shift-JIS texts. The texts are the Windows form of it,
    // with its extra characters (①, 髙, ～ ...), which readers refuse in a file declared Shift_JIS.
    return writeLine("<?xml version=\"1.0\" encoding=\"windows-31j\" standalone=\"no\"?>");
}

int XmlDocument::writeSvgDocType()
{
    return writeLine("<!DOCTYPE svg PUBLIC \"-//W3C//DTD SVG 20001102//EN\"") &&
           writeLine("  \"http://www.w3.org/TR/2000/CR-SVG-20001102/DTD/svg-20001102.dtd\">");
}
