#include "io/svg/SvgIoDriver.h"

#include <cmath>
#include <string>

#include "document/Document.h"
#include "document/DocumentContext.h"
#include "document/Element.h"
#include "document/ElementKind.h"
#include "elements/ElementTextString.h"
#include "geometry/PaperSettings.h"
#include "io/ForeignElementHolder.h"
#include "io/ForeignText.h"
#include "io/PageElementWalk.h"
#include "io/svg/SvgXmlDocument.h"
#include "platform/BufferedFile.h"
#include "platform/StringUtil.h"
#include "views/tools/ElementEditor.h"

namespace {

// The element kind of a tag, 0 for none.
int kindOfTag(int tagId)
{
    switch (tagId) {
    case SvgDocument::kLine:
        return kindCode(ElementKind::Line);
    case SvgDocument::kPolygon:
        return kindCode(ElementKind::Polygon);
    case SvgDocument::kRect:
        return kindCode(ElementKind::Box);
    case SvgDocument::kText:
        return kindCode(ElementKind::Text);
    default:
        return 0;
    }
}

bool isSeparator(unsigned char b) { return b <= ' ' || b == ','; }

// The numbers of a "points" value, taken two at a time; an odd last number is dropped.
int readPoints(const char* text, int length, PointList& points)
{
    char token[128];
    double x = 0.0;
    int haveX = 0;
    for (int i = 0; i < length;) {
        while (i < length && isSeparator(static_cast<unsigned char>(text[i])))
            ++i;
        if (i >= length)
            break;
        int n = 0;
        for (; i < length && !isSeparator(static_cast<unsigned char>(text[i])); ++i) {
            if (n < static_cast<int>(sizeof token) - 1)
                token[n++] = text[i];
        }
        token[n] = 0;
        const double value = StringUtil::parseDouble(token);
        if (!haveX) {
            x = value;
            haveX = 1;
        } else {
            if (!points.appendXY(x, value))
                return 0;
            haveX = 0;
        }
    }
    return 1;
}

bool finitePoint(const Point* p) { return p && std::isfinite(p->x) && std::isfinite(p->y) && std::isfinite(p->z); }

// Whether the values an element of the kind takes from the holder are finite: a text's position,
// a polygon's vertices, the two points of the others.
bool takesFiniteValues(Element& holder, int kind)
{
    if (kind == kindCode(ElementKind::Text)) {
        const Point* p = holder.firstPoint();
        return p && std::isfinite(p->x) && std::isfinite(p->y);
    }
    if (kind == kindCode(ElementKind::Polygon)) {
        const PointList* points = holder.vertices();
        for (int i = 0; points && i < points->count; ++i) {
            if (!std::isfinite(points->getX(i)) || !std::isfinite(points->getY(i)))
                return false;
        }
        return points != nullptr;
    }
    return finitePoint(holder.firstPoint()) && finitePoint(holder.secondPoint());
}

bool isAscii(const char* text, int length)
{
    for (int i = 0; i < length; ++i) {
        if (static_cast<unsigned char>(text[i]) >= 0x80)
            return false;
    }
    return true;
}

// Whether every byte of the file is ASCII or belongs to a well-formed UTF-8 sequence. Reads the
// file from its start and leaves the reading where it was.
bool holdsOnlyUtf8(BufferedFile& file)
{
    const DWORD resume = file.readPosition();
    if (!file.seekTo(0))
        return false;
    int following = 0; // continuation bytes still due
    bool valid = true;
    while (valid) {
        int n = 0;
        const unsigned char* bytes = file.bytesAhead(n);
        if (!bytes || n < 1)
            break;
        for (int i = 0; i < n && valid; ++i) {
            const unsigned char b = bytes[i];
            if (following > 0) {
                valid = (b & 0xC0) == 0x80;
                --following;
            } else if (b >= 0x80) {
                following = b >= 0xC2 && b <= 0xDF ? 1 : b >= 0xE0 && b <= 0xEF ? 2 : b >= 0xF0 && b <= 0xF4 ? 3 : -1;
                valid = following > 0;
            }
        }
        file.takeBytes(n);
    }
    // A file that ends within a character is no UTF-8 file either.
    return file.seekTo(resume) && valid && following == 0;
}

} // namespace

int readSvgDocument(Document& document) { return SvgIoDriver(document).read(); }

int writeSvgDocument(Document& document) { return SvgIoDriver(document).write(); }

SvgIoDriver::SvgIoDriver(Document& document) : document(document) {}

int SvgIoDriver::write()
{
    DocumentContext* context = document.owner();
    ElementEditorBase* editor = document.ioEditor();
    if (!context || !editor)
        return 0;
    SvgXmlDocument svg;
    svg.setFileName(&document);
    svg.setFile(document.ioFile());
    if (const PaperSettings* paper = context->paper) {
        svg.setSheet(paper->paperWidthMm(), paper->paperHeightMm(),
                     static_cast<double>(paper->scaleDenominator()) / paper->scaleNumerator());
    }
    int written = svg.beginOutput();
    if (written) {
        written = walkCurrentPage(*context, *editor, document.progress,
                                  [&svg](Element& element) { return element.writeSvg(&svg); });
    }
    // The root is closed also after a failed element.
    return svg.endOutput() && written;
}

void SvgIoDriver::takeNode(const XmlNode& node, Element& holder)
{
    DrawPoint* start = holder.firstPoint();
    DrawPoint* end = holder.secondPoint();
    if (!start || !end)
        return;
    for (int i = 0; i < node.attributeCount(); ++i) {
        XmlAttribute* item = node.attributeAt(i);
        if (!item)
            continue;
        const double v = item->number;
        switch (item->keywordId) {
        case SvgDocument::kX:
        case SvgXmlDocument::kFirstX:
            start->x = v;
            break;
        case SvgDocument::kY:
        case SvgXmlDocument::kFirstY:
            start->y = v;
            break;
        case SvgXmlDocument::kFirstZ:
            start->z = v;
            break;
        case SvgXmlDocument::kSecondX:
            end->x = v;
            break;
        case SvgXmlDocument::kSecondY:
            end->y = v;
            break;
        case SvgXmlDocument::kSecondZ:
            end->z = v;
            break;
        // Width and height count from the start point held when they are met.
        case SvgDocument::kWidth:
            end->x = start->x + v;
            break;
        case SvgDocument::kHeight:
            end->y = start->y + v;
            break;
        case SvgXmlDocument::kPoints:
            if (holder.vertices()) {
                (void)holder.vertices()->resize(0); // shortening cannot fail
                // A list that cannot grow keeps what it took; the element is checked when it ends.
                (void)readPoints(item->value.text(), item->value.length(), *holder.vertices());
            }
            break;
        case SvgXmlDocument::kTextContent:
            takeText(*item, holder);
            break;
        default:
            break;
        }
    }
}

void SvgIoDriver::takeText(const XmlAttribute& content, Element& holder)
{
    if (!holder.text())
        return;
    holder.text()->buffer.reset();
    const char* bytes = content.value.text();
    const int length = content.value.length();
    // Text that is not valid UTF-8 is kept as its bytes stand. A text that cannot grow keeps what
    // it took; the element is checked when it ends.
    const std::string converted =
        !isAscii(bytes, length) && textsAreUtf8() ? utf8ToCodePage(bytes, length) : std::string();
    if (!converted.empty())
        (void)holder.text()->buffer.insert(converted.data(), static_cast<int>(converted.size())); // see above
    else
        (void)holder.text()->buffer.insert(bytes, length); // see above
}

bool SvgIoDriver::textsAreUtf8()
{
    if (!input)
        return false;
    if (input->encoding[0])
        return StringUtil::equalsNoCase(input->encoding, "UTF-8") || StringUtil::equalsNoCase(input->encoding, "UTF8");
    // XML without a declared encoding is UTF-8, but the program's older files declared none and
    // hold Shift-JIS, which is hardly ever valid UTF-8 throughout: the whole file decides, once.
    if (undeclaredUtf8 < 0)
        undeclaredUtf8 = input->file() && holdsOnlyUtf8(*input->file()) ? 1 : 0;
    return undeclaredUtf8 == 1;
}

int SvgIoDriver::finishElement(Element& holder)
{
    ElementEditorBase* editor = document.ioEditor();
    const int kind = pendingKind;
    pendingKind = -1;
    // An element that nothing could show is passed over.
    const PointList* points = holder.vertices();
    if (kind == kindCode(ElementKind::Polygon) && (!points || points->count < 2))
        return 1;
    if (kind == kindCode(ElementKind::Text) && (!holder.text() || holder.text()->length() < 1))
        return 1;
    // Values that are not finite never reach an element; those too large for the drawing file are
    // found on the element that took them.
    if (!takesFiniteValues(holder, kind)) {
        ++skipped;
        return 1;
    }
    const int read = editor && editor->readElementXmlAttributes();
    releaseLargeHolderLists(holder);
    if (!read)
        return 0;
    if (addWritableElement(*editor) < 1)
        ++skipped;
    return 1;
}

int SvgIoDriver::read()
{
    Element* holder = document.attributeHolder();
    ElementEditorBase* editor = document.ioEditor();
    if (!holder || !editor)
        return 0;
    SvgXmlDocument svg;
    svg.setFileName(&document);
    svg.setFile(document.ioFile());
    if (!svg.beginInput())
        return 0;
    ProgressSteps steps(document.progress, svg.size());
    pendingKind = -1;
    input = &svg;
    undeclaredUtf8 = -1;
    skipped = 0;
    int ok = 1, rootClosed = 0;
    while (ok && svg.read()) {
        const XmlNode* node = svg.lastNode();
        if (node && node->type == XmlNode::Element) {
            const int kind = kindOfTag(node->keywordId);
            const bool closing = node->name[0] == '/';
            if (node->endFlag && node->keywordId == SvgXmlDocument::kSvg)
                rootClosed = 1;
            if (kind && !closing) {
                // A new element: the holder starts from the reset values, points as they were.
                pendingKind = kind;
                if (!editor->newElement(kind)) {
                    ok = 0;
                    break;
                }
                resetForeignHolder(*holder);
            }
            // Only the elements the program reads take values: the root's width and height, and
            // those of elements passed over, change nothing.
            if (kind && kind == pendingKind)
                takeNode(*node, *holder);
            if (kind && kind == pendingKind && node->endFlag && !finishElement(*holder))
                ok = 0;
        }
        if (!steps.step(static_cast<int>(svg.file()->readPosition())))
            break;
    }
    input = nullptr;
    (void)svg.endInput(); // read only: nothing is lost
    tellSkippedEntities(skipped);
    // A file that ends before its root does was cut short: what was read stays, the read failed.
    return ok && rootClosed;
}
