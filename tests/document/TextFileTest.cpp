// Text strings, text files with their stop-byte and pattern readers, the file error reporter and
// the XML document base.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "document/FileErrorReporter.h"
#include "document/TextFile.h"
#include "document/TextString.h"
#include "document/XmlDocument.h"
#include "platform/FileName.h"
#include "platform/StringUtil.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ScratchFolder.h"

namespace {

// A text file opened for reading on the given bytes.
class OpenTextFile {
public:
    explicit OpenTextFile(const std::string& bytes)
    {
        EXPECT_TRUE(file.createFileName() && file.setPath(scratch.file("t.txt", bytes).c_str()) && file.openForRead());
    }
    ScratchFolder scratch;
    TextFile file;
};

} // namespace

TEST(TextString, GrowsKeepsItsTerminatorAndGivesTokens)
{
    TextString text(4);
    EXPECT_STREQ(text.text(), "");
    EXPECT_EQ(text.append("abc", 0), 3);
    EXPECT_EQ(text.append("defghij", 2), 5);
    EXPECT_EQ(text.appendChar('!'), 1);
    EXPECT_STREQ(text.text(), "abcde!");
    std::string big(5000, 'x');
    EXPECT_EQ(text.append(big.c_str(), 0), 5006);
    EXPECT_EQ(text.length(), 5006);
    EXPECT_EQ(text.text()[5006], 0);

    ASSERT_EQ(text.assign("  12.5\r\n\x95\x5C  -3 "), 1);
    char token[8];
    ASSERT_EQ(text.nextToken(token, sizeof token), 1);
    EXPECT_STREQ(token, "12.5");
    ASSERT_EQ(text.nextToken(token, sizeof token), 1);
    EXPECT_STREQ(token, "\x95\x5C") << "bytes of 0x80 and above are never blanks";
    double value = 0;
    ASSERT_EQ(text.nextTokenDouble(value), 1);
    EXPECT_EQ(value, -3.0);
    EXPECT_EQ(text.nextToken(token, sizeof token), 0);
    text.resetReadPosition();
    ASSERT_EQ(text.nextToken(token, 3), 1);
    EXPECT_STREQ(token, "12") << "cut to the buffer";
    ASSERT_EQ(text.assign("a\x95\x5C\x95\x5C"), 1); // "a表表"
    ASSERT_EQ(text.nextToken(token, 5), 1);
    EXPECT_STREQ(token, "a\x95\x5C") << "a cut token keeps whole characters";

    ASSERT_EQ(text.setDouble(2.3, 5), 1);
    EXPECT_STREQ(text.text(), "2.3");
    EXPECT_EQ(text.setDouble(1e50, 2), 0);
    EXPECT_STREQ(text.text(), "2.3") << "a value without a text leaves the text as it was";
    EXPECT_EQ(text.toDouble(), 2.3);
    char small[4];
    EXPECT_EQ(text.copyTo(small, sizeof small), 3);
    EXPECT_STREQ(small, "2.3");
}

TEST(TextFile, ReadsUpToAStopByteOrAPattern)
{
    // The pattern is matched across a partial match: "a--->" ends after all five bytes.
    OpenTextFile a("a--->rest");
    char buffer[32];
    EXPECT_EQ(a.file.readUntilPattern(buffer, sizeof buffer, "-->", 0), 2);
    EXPECT_STREQ(buffer, "a-");
    EXPECT_EQ(a.file.readUntilByte(buffer, sizeof buffer, 't', 0), 3);
    EXPECT_STREQ(buffer, "res");
    EXPECT_EQ(a.file.readUntilByte(buffer, sizeof buffer, '!', 0), -1) << "the file ends first";

    // Bytes at or below the lowest kept byte are dropped, Shift-JIS bytes never.
    OpenTextFile b("a b\r\n\x95\x5C\x81\x40;x-->");
    EXPECT_EQ(b.file.readUntilByte(buffer, sizeof buffer, ';', ' '), 6);
    EXPECT_STREQ(buffer, "ab\x95\x5C\x81\x40");
    EXPECT_EQ(b.file.readUntilPattern(buffer, 3, "-->", 0), 2) << "a full buffer ends the read";

    // Skipping keeps nothing and has no piece boundary for a match to straddle.
    OpenTextFile skip("a--->b" + std::string(300, '-') + std::string("\0->c", 4));
    EXPECT_EQ(skip.file.skipPastPattern("-->", 0), 1);
    EXPECT_EQ(skip.file.readUntilByte(buffer, sizeof buffer, '-', 0), 1);
    EXPECT_STREQ(buffer, "b");
    EXPECT_EQ(skip.file.skipPastPattern("-->", 0), 1) << "a dropped byte takes no part in the match";
    EXPECT_EQ(skip.file.readUntilByte(buffer, sizeof buffer, '!', 0), -1);
    EXPECT_STREQ(buffer, "c");
    EXPECT_EQ(skip.file.skipPastPattern("-->", 0), -1) << "the file ends first";

    OpenTextFile c("key=value\r\n");
    char stoppedBy = 0;
    EXPECT_EQ(c.file.readUntilAny(buffer, sizeof buffer, "=:", 2, 0, stoppedBy), 3);
    EXPECT_EQ(stoppedBy, '=');
    EXPECT_EQ(c.file.readUntilAny(buffer, sizeof buffer, ":", 1, 1, stoppedBy), 5);
    EXPECT_EQ(stoppedBy, '\r');
    EXPECT_STREQ(buffer, "value");
}

TEST(FileErrorReporter, ShowsEachKindOnceUntilReset)
{
    MessageBoxScript boxes;
    ScratchFolder scratch;
    theFileErrorReporter.reset();
    for (const char* name : {"missing1.bmp", "missing2.bmp"}) {
        TextFile file;
        ASSERT_EQ(file.createFileName(), 1);
        ASSERT_EQ(file.setPath(scratch.pathOf(name).c_str()), 1);
        EXPECT_EQ(file.openForRead(), 0);
        EXPECT_EQ(file.hasError(), 1);
        EXPECT_EQ(file.openForRead(), 0) << "the error flag stops later opens";
    }
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, "ファイルが存在しません");
    EXPECT_EQ(boxes.shown()[0].caption, "エラー");
    EXPECT_EQ(theFileErrorReporter.count(0), 2);
    EXPECT_EQ(theFileErrorReporter.count(FileErrorReporter::kMissing), 2);

    TextFile unnamed;
    ASSERT_EQ(unnamed.createFileName(), 1);
    EXPECT_EQ(unnamed.openForRead(), 0);
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(boxes.shown()[1].text, "ファイル名がない");

    theFileErrorReporter.reset();
    theFileErrorReporter.report(FileErrorReporter::kMissing, "x.bmp", "Read");
    ASSERT_EQ(boxes.shown().size(), 3u);
    EXPECT_EQ(boxes.shown()[2].text, "x.bmp");
    EXPECT_EQ(boxes.shown()[2].caption, "Read");
    theFileErrorReporter.reset();
}

TEST(TextFile, WritesANewFileOverAnOldOne)
{
    ScratchFolder scratch;
    std::string path = scratch.file("out.txt", "old contents that are longer");
    TextFile file;
    ASSERT_EQ(file.createFileName(), 1);
    ASSERT_EQ(file.setPath(path.c_str()), 1);
    ASSERT_EQ(file.openForWrite(), 1);
    TextString value;
    ASSERT_EQ(value.assign("v"), 1);
    EXPECT_TRUE(file.writeLine("abc") && file.writeByte('x') && file.writeString(value) && file.writeLineEnd());
    EXPECT_EQ(file.flushAndClose(), 1);
    EXPECT_EQ(ScratchFolder::read(path), "abc\r\nxv\r\n");
}

namespace {

class SvgLike : public XmlDocument {
public:
    SvgLike()
    {
        EXPECT_TRUE(addKeyword(14, "text") && addKeyword(20, "svg") && addKeyword(21, "rect") &&
                    addKeyword(22, "width") && addKeyword(23, "height") && addKeyword(24, "g"));
    }
};

struct ReadXml {
    explicit ReadXml(const std::string& bytes)
    {
        ok = xml.createFileName() && xml.setPath(scratch.file("a.svg", bytes).c_str()) && xml.beginInput();
    }
    ScratchFolder scratch;
    SvgLike xml;
    int ok = 0;
};

} // namespace

TEST(XmlDocument, ReadsNodesAndKeepsThePathOfOpenElements)
{
    ReadXml r("<?xml version=\"1.0\" encording=\"Shift_JIS\"?>\r\n<!-- a <comment> -->\r\n"
              "<svg width=\"10\">\r\n <g>\r\n  <RECT width=\"3\" height=\"4\"/>\r\n"
              "  <text>R&amp;D a&lt;b</text>\r\n </g>\r\n</svg>\r\n");
    ASSERT_EQ(r.ok, 1);
    SvgLike& x = r.xml;

    ASSERT_EQ(x.read(), 1);
    EXPECT_EQ(x.lastNode()->type, XmlNode::Declaration);
    EXPECT_STREQ(x.version, "1.0");
    EXPECT_STREQ(x.encoding, "Shift_JIS");
    ASSERT_EQ(x.read(), 1);
    EXPECT_EQ(x.lastNode()->type, XmlNode::Comment);

    ASSERT_EQ(x.read(), 1); // <svg width="10">
    XmlNode* svg = x.lastNode();
    EXPECT_EQ(svg->keywordId, 20);
    ASSERT_EQ(svg->attributeCount(), 1);
    EXPECT_EQ(svg->attributeAt(0)->keywordId, 22);
    EXPECT_STREQ(svg->attributeAt(0)->value.text(), "10");
    ASSERT_EQ(x.read(), 1); // <g>
    EXPECT_EQ(x.depth(), 1);
    EXPECT_EQ(x.nodeCount(), 2);

    // An element in empty form: one node, two attributes, the end flag, no change of depth.
    ASSERT_EQ(x.read(), 1);
    XmlNode* rect = x.lastNode();
    EXPECT_EQ(rect->keywordId, 21) << "keywords compare without regard to case";
    EXPECT_EQ(rect->endFlag, 1);
    EXPECT_EQ(rect->attributeCount(), 3) << "the blanks before it, then width and height";
    EXPECT_STREQ(rect->attributeAt(2)->value.text(), "4");
    EXPECT_EQ(x.depth(), 2);
    EXPECT_EQ(x.nodeCount(), 3);

    ASSERT_EQ(x.read(), 1); // <text>, its rect dropped
    EXPECT_EQ(x.nodeCount(), 3);
    EXPECT_EQ(x.nodeAt(1)->keywordId, 24);
    ASSERT_EQ(x.read(), 1); // </text>, carrying the character data
    XmlNode* end = x.lastNode();
    EXPECT_EQ(end->endFlag, 1);
    ASSERT_GE(end->attributeCount(), 1);
    EXPECT_EQ(end->attributeAt(0)->keywordId, 26) << "text of a text element";
    EXPECT_STREQ(end->attributeAt(0)->value.text(), "R&D a<b");

    // A closing tag brings the depth back and drops the nodes read since its opening.
    ASSERT_EQ(x.read(), 1); // </g>
    ASSERT_EQ(x.read(), 1); // </svg>
    EXPECT_EQ(x.depth(), 1);
    EXPECT_EQ(x.lastNode()->endFlag, 1);
    EXPECT_EQ(x.read(), 0) << "the end of the file";
    EXPECT_EQ(x.depth(), 0);
    EXPECT_EQ(x.nodeCount(), 1) << "only the root stays";
    EXPECT_EQ(x.endInput(), 1);
}

TEST(XmlDocument, ACommentEndsAtItsFirstCloseWhateverItsLength)
{
    // Lengths around the reader's 256-byte pieces, where "-->" once fell across two of them.
    for (int length : {250, 251, 252, 253, 254, 255, 256, 509, 510, 511, 5000}) {
        ReadXml r("<svg><!-- " + std::string(static_cast<size_t>(length), 'a') + "--><rect/><!-- x --><circle/></svg>");
        ASSERT_EQ(r.ok, 1);
        SvgLike& x = r.xml;
        std::vector<std::string> names;
        while (x.read() && names.size() < 20)
            names.push_back(x.lastNode()->type == XmlNode::Comment ? "comment" : x.lastNode()->name);
        EXPECT_EQ(names, (std::vector<std::string>{"svg", "comment", "rect", "comment", "circle", "/svg"})) << length;
        EXPECT_EQ(x.endInput(), 1);
    }
    // Without blanks, as long as a name or longer, and closed at once.
    for (std::string comment : {"<!--" + std::string(74, 'a') + "-->", "<!--" + std::string(75, 'a') + "-->",
                                "<!--" + std::string(300, 'a') + "-->", std::string("<!---->"), std::string("<!--a>b-->"),
                                std::string("<!--->-->")}) {
        ReadXml r("<svg>" + comment + "<rect/><!-- x --><circle/></svg>");
        SvgLike& x = r.xml;
        std::vector<std::string> names;
        while (x.read() && names.size() < 20)
            names.push_back(x.lastNode()->type == XmlNode::Comment ? "comment" : x.lastNode()->name);
        EXPECT_EQ(names, (std::vector<std::string>{"svg", "comment", "rect", "comment", "circle", "/svg"})) << comment;
        EXPECT_EQ(x.endInput(), 1);
    }
}

TEST(XmlDocument, WritesElementNodesAndTheDeclarations)
{
    ScratchFolder scratch;
    std::string path = scratch.pathOf("w.svg");
    SvgLike x;
    ASSERT_EQ(x.createFileName(), 1);
    ASSERT_EQ(x.setPath(path.c_str()), 1);
    ASSERT_EQ(x.beginOutput(), 1);
    ASSERT_EQ(x.writeDeclaration(), 1);
    ASSERT_EQ(x.writeSvgDocType(), 1);
    XmlNode rect;
    rect.keywordId = 21;
    rect.endFlag = 1;
    auto* width = new XmlAttribute;
    width->keywordId = 22;
    ASSERT_EQ(width->value.assign("3"), 1);
    ASSERT_EQ(rect.addAttribute(width), 1);
    auto* other = new XmlAttribute;
    StringUtil::copy(other->name, "fill");
    ASSERT_EQ(other->value.assign("red"), 1);
    ASSERT_EQ(rect.addAttribute(other), 1);
    EXPECT_EQ(x.writeNode(rect), 1);
    XmlNode close;
    close.keywordId = 20;
    close.endFlag = 1;
    EXPECT_EQ(x.writeNode(close), 1);
    XmlNode comment;
    comment.type = XmlNode::Comment;
    EXPECT_EQ(x.writeNode(comment), 0);
    ASSERT_EQ(x.endOutput(), 1);
    EXPECT_EQ(ScratchFolder::read(path),
              "<?xml version=\"1.0\" encoding=\"windows-31j\" standalone=\"no\"?>\r\n"
              "<!DOCTYPE svg PUBLIC \"-//W3C//DTD SVG 20001102//EN\"\r\n"
              "  \"http://www.w3.org/TR/2000/CR-SVG-20001102/DTD/svg-20001102.dtd\">\r\n"
              "<rect width=\"3\" fill=\"red\"/>\r\n"
              "</svg>\r\n");
}

TEST(XmlDocument, DamagedInputEndsWithoutFault)
{
    std::string longName(500, 'n');
    for (std::string bytes : {std::string("<"), std::string("<svg width=\"1"), std::string("<!-- never closed"),
                              "<" + longName + " a=\"1\">", std::string("<a b=c d=\"\">x"), std::string(200, '<')}) {
        ReadXml r(bytes);
        int guard = 0;
        while (r.xml.read() && ++guard < 1000) {
            ASSERT_LT(StringUtil::length(r.xml.lastNode()->name), 80);
        }
        EXPECT_LT(guard, 1000) << bytes;
        EXPECT_EQ(r.xml.endInput(), 1);
    }

    // Names cut to the buffer keep whole characters: 78 bytes, then a character that would end
    // on the 80th byte.
    const std::string cutName = std::string(78, 'n') + "表";
    for (std::string bytes : {"<" + cutName + "/>", "<a " + cutName + "=\"1\"/>"}) {
        ReadXml r(bytes);
        ASSERT_EQ(r.xml.read(), 1) << bytes;
        const XmlNode* node = r.xml.lastNode();
        const char* name = node->attributeCount() ? node->attributeAt(0)->name : node->name;
        EXPECT_EQ(std::string(name), std::string(78, 'n'));
        EXPECT_EQ(r.xml.endInput(), 1);
    }
}
