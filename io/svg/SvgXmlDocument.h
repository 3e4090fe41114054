#pragma once
#include "document/XmlDocument.h"
#include "elements/SvgDocument.h"

class Point;
class PointList;

// The SVG file of a drawing of the SVG kind: the XML reader and writer with the names of the small
// SVG dialect the program reads and writes. Ids 9 "svg", 10 "g", 11 "line", 12 "polygon", 13
// "rect", 14 "text", and the attributes 15 "x", 16 "y", 17 "x1", 18 "y1", 19 "z1", 20 "x2",
// 21 "y2", 22 "z2", 23 "points", 24 "width", 25 "height"; the character data after a "text"
// start tag reaches the reader as item 26 of the node after it.
//
// Output is a flat list of "line", "rect", "polygon" and "text" elements inside one "svg" root
// that other programs can show: the root names the SVG namespace, the sheet's size in
// millimetres with a view box in drawing units, and draws strokes of 0.14 mm on paper without
// fill; texts are filled. Coordinates are the elements' drawing coordinates in millimetres,
// unchanged; numbers have at most three decimals, cut, trailing zeros dropped. Text content is
// escaped ('&', '<', '>'), and the reader decodes these entities again.
//
// A file already open in the borrowed file (the document's write into its temporary file, or
// its read) is used as it stands and left open for its owner.
class SvgXmlDocument : public XmlDocument, public SvgDocument {
public:
    enum TagId : int {
        kSvg = 9,
        kGroup = 10,
        kFirstX = 17,
        kFirstY = 18,
        kFirstZ = 19,
        kSecondX = 20,
        kSecondY = 21,
        kSecondZ = 22,
        kPoints = 23,
        kTextContent = 26,
    };
    static constexpr int kDecimals = 3;

    SvgXmlDocument();
    ~SvgXmlDocument() override;

    // The sheet the root names: its size in millimetres, and the factor from paper millimetres
    // to drawing units (the scale's denominator over its numerator).
    void setSheet(double widthMm, double heightMm, double drawingPerPaper);

    // The next node, with the numeric attributes (ids 15 to 22, 24, 25) converted; 0 at the end
    // of the file or on a parse error.
    [[nodiscard]] int read() override;
    // The prolog (declaration with the windows-31j encoding, the DOCTYPE) and the root's start tag.
    [[nodiscard]] int beginOutput() override;
    // "</svg>", and the file closed unless its owner opened it.
    [[nodiscard]] int endOutput() override;

    // --- output nodes ---
    // A new output node for the tag, replacing one that was not written.
    [[nodiscard]] int beginElement(int tagId);
    // The number with at most `decimals` decimals, cut; 0 without an open node or for a value
    // that has no such text.
    [[nodiscard]] int addNumber(int attributeId, double value, int decimals) override;
    [[nodiscard]] int addStartPoint(const Point& point, int decimals);
    [[nodiscard]] int addFirstPoint(const Point& point, int decimals);
    [[nodiscard]] int addSecondPoint(const Point& point, int decimals);
    [[nodiscard]] int addWidth(const Point& first, const Point& second, int decimals);
    [[nodiscard]] int addHeight(const Point& first, const Point& second, int decimals);
    // "points": x and y of every point, separated by single blanks; 0 for an empty list.
    [[nodiscard]] int addPoints(const PointList& points, int decimals);
    // The node as "<name attributes/>" or "<name attributes>" and a line end, then dropped.
    [[nodiscard]] int endEmptyElement();
    [[nodiscard]] int endOpenElement();
    [[nodiscard]] int writeClosingTag(int tagId);
    // Character data, escaped.
    [[nodiscard]] int writeEscaped(const char* bytes, int length);

    // --- the operations of the element kinds ---
    [[nodiscard]] int beginItem(int item) override;
    // A line's first point as "x1", "y1", its second as "x2", "y2"; any other element's as "x", "y".
    [[nodiscard]] int addPoint(const Point& point, int decimals) override;
    [[nodiscard]] int writePointList(const PointList& points, int decimals) override
    {
        return addPoints(points, decimals);
    }
    [[nodiscard]] int closeStartTag() override;
    [[nodiscard]] int writeContent(const char* bytes, int length) override
    {
        return writeEscaped(bytes, length);
    }
    // The element's end: the closing tag after content, else the node in empty form.
    [[nodiscard]] int endItem() override;

private:
    // An attribute of the output node: a known id, or -1 and a name of its own.
    [[nodiscard]] int addAttribute(int attributeId, const char* name, const char* value);

    XmlNode* output = nullptr; // owned
    int insideSvg = 0;
    int borrowedOpen = 0;
    int pointsInItem = 0;
    int startTagClosed = 0;
    int openItem = 0; // the element whose start tag was written without its end
    double sheetWidth = 297.0;
    double sheetHeight = 210.0;
    double drawingPerPaper = 1.0;
};
