#pragma once
#include "document/TextFile.h"
#include "document/TextString.h"
#include "platform/GlobalBlock.h"

// One attribute of a node: `name="value"`, or the character data before a node.
struct XmlAttribute {
    int keywordId = -1;
    char name[80] = {};
    TextString value{256};
    double number = 0.0; // the value as a double once converted
};

// One node read from an XML-like file.
struct XmlNode {
    enum Type { Declaration = 1, Directive = 2, Comment = 3, Element = 4 };

    XmlNode() = default;
    ~XmlNode();
    XmlNode(const XmlNode&) = delete;
    XmlNode& operator=(const XmlNode&) = delete;

    [[nodiscard]] int attributeCount() const { return attributes.count; }
    [[nodiscard]] XmlAttribute* attributeAt(int i) const;
    // Takes ownership; 0 (and the attribute deleted) when the list cannot grow.
    [[nodiscard]] int addAttribute(XmlAttribute* attribute);

    int level = 0;
    int type = Element;
    int keywordId = -1;
    int endFlag = 0; // a closing tag, or an element written in empty form
    char name[80] = {};

private:
    mutable GlobalBlock attributes{4, static_cast<int>(sizeof(void*))};
};

// The base of the XML-like documents other than the drawing file (the SVG reader and writer
// derive from it): a keyword table of tag and attribute names, and a reader that returns one node
// per call while it keeps the path of open elements.
//
// The node list holds the open elements from the root down and the node read last: when the
// depth goes down, or stays, the nodes read since the current depth began are dropped first.
// Names are at most 79 bytes, the nesting at most 99 levels, and the nodes of the list hold at
// most 10,000 attributes together: reading a file that needs more ends as at a parse error.
class XmlDocument : public TextFile {
public:
    static constexpr int kMaxDepth = 99;

    XmlDocument();
    ~XmlDocument() override;

    // Reads the next node and appends it to the node list; 0 at the end of the file, at an end
    // tag that does not close the element open last, at an attribute beyond those the list may
    // hold, or without a node list.
    [[nodiscard]] virtual int read();
    // Opens the file for writing; closes it after flushing.
    [[nodiscard]] virtual int beginOutput();
    [[nodiscard]] virtual int endOutput();
    // Opens the file for reading and makes the node list; drops the nodes and closes it again.
    [[nodiscard]] int beginInput();
    [[nodiscard]] int endInput();

    // Elements only: '<', the name, the attributes as  name="value", then "/>" or ">" (or
    // "</name>" for a closing tag without attributes), and CR LF. 0 for other node types.
    [[nodiscard]] int writeNode(const XmlNode& node);
    [[nodiscard]] int writeDeclaration();
    [[nodiscard]] int writeSvgDocType();

    // Keywords, compared without regard to ASCII case; -1 / null when unknown.
    [[nodiscard]] int addKeyword(int id, const char* text);
    [[nodiscard]] int keywordId(const char* name) const;
    [[nodiscard]] const char* keywordName(int id) const;

    [[nodiscard]] int nodeCount() const { return nodes.count; }
    [[nodiscard]] XmlNode* nodeAt(int i) const;
    [[nodiscard]] XmlNode* lastNode() const { return nodeAt(nodes.count - 1); }
    [[nodiscard]] int depth() const { return currentDepth; }

    char version[20] = {};
    char encoding[128] = {};
    char standalone[20] = {};

private:
    struct Keyword {
        unsigned int id;
        char text[40];
    };

    void applyPendingDepth();
    void dropNodesFrom(int index);
    [[nodiscard]] int appendNode(XmlNode* node);
    // Character data up to the next '<' (consumed); 0 when the file ends first or the text
    // cannot grow.
    [[nodiscard]] int gatherText(TextString& text);
    // The characters of a CDATA section after its opening, up to "]]>" (consumed); control
    // characters are dropped. 0 when the file ends first or the text cannot grow.
    [[nodiscard]] int gatherCdata(TextString& text);
    // Whether an end tag of that name closes the element open last.
    [[nodiscard]] bool closesOpenElement(const char* name) const;
    // Replaces `current` by a new attribute of that name (null without memory).
    void startAttribute(XmlAttribute*& current, const char* name) const;
    // The name after '<' (or a comment's or CDATA section's opening); 0 at the end of the file.
    // `ender` gets the byte that ended it.
    [[nodiscard]] int readName(char* name, char& ender);
    // Attributes up to '>'; 0 at the end of the file.
    [[nodiscard]] int readAttributes(XmlNode& node);
    // Up to the closing quote ('"', or the apostrophe that opened an attribute value); control
    // characters are dropped, or with blankForSpace (attribute values) a tab, CR or LF becomes a
    // blank.
    [[nodiscard]] int readQuotedValue(TextString* value, int blankForSpace = 0, char quote = '"');
    void takeDeclarationValue(const XmlAttribute& attribute);

    mutable GlobalBlock keywords{30, static_cast<int>(sizeof(Keyword))};
    mutable GlobalBlock nodes{16, static_cast<int>(sizeof(void*))};
    int hasNodeList = 0;
    int currentDepth = 0;
    int depthStart[kMaxDepth + 1] = {};
    int pendingDepth = 0;
    int depthCapped = 0; // an element went beyond kMaxDepth since the input began
    int heldAttributes = 0; // the attributes of the nodes in the list
    // A comment within a text's content: the next read still takes its character data as that
    // content, after the characters before the comment (owned, null when none).
    int commentInContent = 0;
    XmlAttribute* carriedText = nullptr;
};

// Replaces the entities &amp; &lt; &gt; &quot; &apos; and the character references (&#N; and
// &#xH;, in the ANSI code page) in place; the new length.
[[nodiscard]] int decodeXmlEntities(char* text, int length);
