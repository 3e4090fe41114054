#pragma once

class Document;
class Element;
class FileProgress;
class SvgXmlDocument;
struct XmlAttribute;
struct XmlNode;

// Reads and writes a drawing of the SVG kind through the document's open file (the document's
// read and write operations open, check and close it).
//
// Writing walks the current page's elements in page order; each line, box, polygon and text
// writes itself, every other kind writes nothing. A failing element ends the walk, but the
// closing "</svg>" is still written.
//
// Reading takes "line" (a line: x1, y1, x2, y2), "rect" (a box: x, y, then width and height from
// there), "polygon" (a polygon: "points", numbers separated by blanks, commas or control
// characters, taken in pairs) and "text" (a text: x, y and the content) into the current page;
// every other element, and every attribute the program does not write, is passed over. Start and
// end points keep their values from one element to the next. An element with a value the drawing
// file cannot write (not finite, or too large, also as a rectangle's corner from its width) is
// skipped, and one message after the reading gives their number. A parse error ends the reading
// with what was added so far. Texts are UTF-8 in a file that declares it, and in one that declares no
// encoding and holds nothing but UTF-8 (an XML file's default); they are taken into the program's
// code page. Those of other files, the program's own older ones among them, are taken as their
// bytes stand.
class SvgIoDriver {
public:
    explicit SvgIoDriver(Document& document);

    [[nodiscard]] int read();
    [[nodiscard]] int write();

private:
    // The values of one node of a mapped kind into the attribute holder.
    void takeNode(const XmlNode& node, Element& holder);
    void takeText(const XmlAttribute& content, Element& holder);
    // Whether the texts of the file being read are UTF-8.
    [[nodiscard]] bool textsAreUtf8();
    // The element in the editor takes the holder's values and joins the page, unless it is to be
    // skipped; 0 when the element could not take them.
    [[nodiscard]] int finishElement(Element& holder);

    Document& document;
    int pendingKind = -1;
    // The file being read (not owned).
    SvgXmlDocument* input = nullptr;
    // A file without a declared encoding holds only UTF-8: 1, or 0; -1 until a text needs it.
    int undeclaredUtf8 = -1;
    // Elements passed over for values the drawing file cannot write, or refused by the store.
    int skipped = 0;
};

// The document's SVG drivers.
[[nodiscard]] int readSvgDocument(Document& document);
[[nodiscard]] int writeSvgDocument(Document& document);
