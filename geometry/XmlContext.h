#pragma once
#include "geometry/DoubleValue.h"
#include "geometry/DrawLineAttribute.h"
#include "geometry/DrawPoint.h"
#include "geometry/DrawTypeAttribute.h"
#include "geometry/EdgeAttributes.h"
#include "geometry/FillAttributes.h"
#include "geometry/FontAttributes.h"
#include "geometry/GroupNumber.h"
#include "geometry/HatchAttributes.h"
#include "geometry/InkColor.h"
#include "geometry/LayerNumber.h"
#include "geometry/LeanAttribute.h"
#include "geometry/LineAttribute.h"
#include "geometry/LineOriginAttribute.h"
#include "geometry/LineSizeAttribute.h"
#include "geometry/LineTypeAttribute.h"
#include "geometry/OpenCloseAttribute.h"
#include "geometry/PointList.h"
#include "geometry/TextSpacingAttribute.h"

class Document;
class DrawingOwner;

// The drawing file as the attribute values and coordinates see it while it is read or written:
// the tag reader and writer, which the document implements, and the writer's attribute holder.
// The values read their own tags and write theirs through these operations; the document that
// is being read or written is the current context.
//
// Reading and writing answer as the document's tag reader and writer do: nonzero on success, 0
// when the file ended, a tag was missing or a write failed (the document reports it).
class XmlContext {
public:
    // The most decimals a real value is written with.
    static constexpr int kMaxDecimals = 5;

    XmlContext() = default;
    XmlContext(const XmlContext&) = delete;
    XmlContext& operator=(const XmlContext&) = delete;

    // The context being read or written, or null outside file input and output.
    [[nodiscard]] static XmlContext* current();
    // Makes `context` current (null for none) and answers the one it replaces.
    static XmlContext* publish(XmlContext* context);

    // The drawing the file is read into or written from, or null.
    [[nodiscard]] virtual DrawingOwner* drawingOwner() const = 0;
    // The document that implements this context, for the values of the folders above that need
    // more of the file than the operations here.
    [[nodiscard]] virtual Document* document() = 0;

    // Reading. The next tag whose name is known (a closing tag gives the id of its opening tag);
    // the next tag, which must have this id; values up to the next tag; one list item; a quoted
    // text of at most size - 1 bytes; the rest of the line.
    [[nodiscard]] virtual int nextTag(int& id) = 0;
    [[nodiscard]] virtual int isClosingTag() const = 0;
    // 1 when the list item read just now ended at the '<' of a tag, not at a ','.
    [[nodiscard]] virtual int atTagStart() const = 0;
    [[nodiscard]] virtual int expectTag(int id) = 0;
    [[nodiscard]] virtual int readInt(int& value) = 0;
    [[nodiscard]] virtual int readDouble(double& value) = 0;
    [[nodiscard]] virtual int readListDouble(double& value) = 0;
    [[nodiscard]] virtual int readQuoted(char* buffer, int size) = 0;
    // n bytes from hex pairs into a buffer of `capacity` bytes; n is checked as acceptDataLength
    // checks it.
    [[nodiscard]] virtual int readHexBytes(unsigned char* buffer, int n, int capacity, int tagId) = 0;
    [[nodiscard]] virtual int skipLine() = 0;
    // Reads the rest of the open block up to its closing tag tagId, keeping nothing; 0 when the
    // file ends first.
    [[nodiscard]] int skipBlock(int tagId)
    {
        for (int id = 0;;) {
            if (!nextTag(id))
                return 0;
            if (id == tagId && isClosingTag())
                return 1;
            if (!isClosingTag() && id != 0 && !skipLine())
                return 0;
        }
    }
    // Checks a count taken from the file before anything is allocated for it: 0 <= n <= cap and
    // n * bytesPerUnit within what is left of the file; otherwise a data error of tagId and 0.
    [[nodiscard]] virtual int acceptDataLength(long long n, long long cap, int bytesPerUnit, int tagId) = 0;
    // Counts a data error of the read; only the first one is shown.
    virtual void reportDataError(int tagId) = 0;
    // A group number read from the file, mapped to the number it takes in the drawing while the
    // drawing keeps a group map (a file or a part read into it); unchanged otherwise.
    [[nodiscard]] virtual int remapGroup(int group) { return group; }

    // Writing: section tags on lines of their own, one-line value tags, bare list items.
    [[nodiscard]] virtual int beginTag(int id) = 0;
    [[nodiscard]] virtual int endTag(int id) = 0;
    [[nodiscard]] virtual int writeIntTag(int id, int value) = 0;
    [[nodiscard]] virtual int writeDoubleTag(int id, double value, int decimals, int round = 0) = 0;
    [[nodiscard]] virtual int writeStringTag(int id, const char* text) = 0;
    [[nodiscard]] virtual int writeDoubleListItem(double value, int decimals, int round = 0) = 0;
    [[nodiscard]] virtual int writeDoubleLine(double value, int decimals) = 0;
    virtual void setLineWrap(int on) = 0;

    // The writer's attribute holder: an attribute value written "through the holder" is copied
    // into its member here, which writes itself. Attribute containers with a colour (line, draw
    // line, edge, fill, hatch) put the current colour back to white after they are written.
    InkColor currentColor;
    LineTypeAttribute currentLineType;
    LineSizeAttribute currentLineSize;
    LineOriginAttribute currentLineOrigin;
    LineAttribute currentUnderline;
    DrawLineAttribute currentDrawLine;
    DrawTypeAttribute currentDrawType;
    EdgeAttributes currentEdge;
    FillAttributes currentPaint;
    HatchAttributes currentPattern;
    FontAttributes currentFont;
    TextSpacingAttribute currentTextPitch;
    LeanAttribute currentLean;
    OpenCloseAttribute currentOpenClose;
    // The numbers an element writes from the holder as well: "layer", "group", and the angles
    // "sttAngle" and "endAngle".
    LayerNumber currentLayer;
    GroupNumber currentGroup;
    DoubleValue currentStartAngle;
    DoubleValue currentEndAngle;
    // The point holders: "startPoint", "endPoint", and "midPoint", "centerPoint" and "dispPoint";
    // the point list ("listXY").
    DrawPoint currentStartPoint;
    DrawPoint currentEndPoint;
    DrawPoint currentExtraPoint;
    PointList currentPointList;

protected:
    ~XmlContext();
};
