#include "io/svg/SvgXmlDocument.h"

#include <new>
#include <string>

#include "geometry/Point.h"
#include "geometry/PointList.h"
#include "platform/BufferedFile.h"
#include "platform/StringUtil.h"

namespace {

const char* const kNames[] = {"svg", "g",  "line", "polygon", "rect",   "text",  "x",     "y",     "x1",
                              "y1",  "z1", "x2",   "y2",      "z2",     "points", "width", "height"};
const int kFirstId = SvgXmlDocument::kSvg;

// The root's stroke width on paper, in millimetres.
const double kStrokeMm = 0.14;

bool isNumericAttribute(int id)
{
    return (id >= SvgDocument::kX && id <= SvgXmlDocument::kSecondZ) || id == SvgDocument::kWidth ||
           id == SvgDocument::kHeight;
}

// The number with at most three decimals, cut, trailing zeros and point dropped.
std::string numberText(double value)
{
    char digits[64];
    return StringUtil::formatDouble(value, SvgXmlDocument::kDecimals, digits) ? digits : "0";
}

} // namespace

SvgXmlDocument::SvgXmlDocument()
{
    // A table that cannot grow has told the user; a name it lacks reads as unknown.
    for (int i = 0; i < static_cast<int>(sizeof kNames / sizeof kNames[0]); ++i)
        (void)addKeyword(kFirstId + i, kNames[i]);
}

SvgXmlDocument::~SvgXmlDocument() { delete output; }

void SvgXmlDocument::setSheet(double widthMm, double heightMm, double factor)
{
    sheetWidth = widthMm;
    sheetHeight = heightMm;
    drawingPerPaper = factor > 0.0 ? factor : 1.0;
}

int SvgXmlDocument::read()
{
    if (!XmlDocument::read())
        return 0;
    XmlNode* node = lastNode();
    for (int i = 0; node && i < node->attributeCount(); ++i) {
        XmlAttribute* attribute = node->attributeAt(i);
        if (attribute && isNumericAttribute(attribute->keywordId))
            attribute->number = attribute->value.toDouble();
    }
    return 1;
}

int SvgXmlDocument::beginOutput()
{
    if (bufferedFile && bufferedFile->isOpenFile()) {
        openFlag = 1;
        borrowedOpen = 1;
    } else if (!XmlDocument::beginOutput()) {
        return 0;
    }
    const std::string width = numberText(sheetWidth), height = numberText(sheetHeight);
    const std::string root = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + width + "mm\" height=\"" +
                             height + "mm\" viewBox=\"0 0 " + numberText(sheetWidth * drawingPerPaper) + " " +
                             numberText(sheetHeight * drawingPerPaper) +
                             "\" fill=\"none\" stroke=\"black\" stroke-width=\"" +
                             numberText(kStrokeMm * drawingPerPaper) + "\">";
    if (!writeDeclaration() || !writeSvgDocType() || !writeLine(root.c_str()))
        return 0;
    insideSvg = 1;
    return 1;
}

int SvgXmlDocument::endOutput()
{
    const int wasInside = insideSvg;
    insideSvg = 0;
    delete output;
    output = nullptr;
    int written = !wasInside || writeLine("</svg>");
    if (borrowedOpen) {
        // The owner flushes, checks and closes its file.
        openFlag = 0;
        borrowedOpen = 0;
        return written;
    }
    return flushAndClose() && written;
}

int SvgXmlDocument::beginElement(int tagId)
{
    delete output;
    output = new (std::nothrow) XmlNode;
    if (!output)
        return 0;
    output->keywordId = tagId;
    const char* name = keywordName(tagId);
    StringUtil::copy(output->name, name ? name : "");
    return 1;
}

int SvgXmlDocument::addAttribute(int attributeId, const char* name, const char* value)
{
    if (!output)
        return 0;
    auto* attribute = new (std::nothrow) XmlAttribute;
    if (!attribute)
        return 0;
    attribute->keywordId = attributeId;
    if (name)
        StringUtil::copy(attribute->name, name);
    if (!attribute->value.assign(value)) {
        delete attribute;
        return 0;
    }
    return output->addAttribute(attribute);
}

int SvgXmlDocument::addNumber(int attributeId, double value, int decimals)
{
    char digits[64];
    if (!output || !StringUtil::formatDouble(value, decimals, digits))
        return 0;
    return addAttribute(attributeId, nullptr, digits);
}

int SvgXmlDocument::addStartPoint(const Point& point, int decimals)
{
    return addNumber(kX, point.x, decimals) && addNumber(kY, point.y, decimals);
}

int SvgXmlDocument::addFirstPoint(const Point& point, int decimals)
{
    return addNumber(kFirstX, point.x, decimals) && addNumber(kFirstY, point.y, decimals);
}

int SvgXmlDocument::addSecondPoint(const Point& point, int decimals)
{
    return addNumber(kSecondX, point.x, decimals) && addNumber(kSecondY, point.y, decimals);
}

int SvgXmlDocument::addWidth(const Point& first, const Point& second, int decimals)
{
    return addNumber(kWidth, second.x >= first.x ? second.x - first.x : first.x - second.x, decimals);
}

int SvgXmlDocument::addHeight(const Point& first, const Point& second, int decimals)
{
    return addNumber(kHeight, second.y >= first.y ? second.y - first.y : first.y - second.y, decimals);
}

int SvgXmlDocument::addPoints(const PointList& points, int decimals)
{
    if (!output || points.count < 1)
        return 0;
    std::string list;
    Point p;
    char digits[64];
    for (int i = 0; i < points.count; ++i) {
        if (!points.getPoint(i, &p) || !StringUtil::formatDouble(p.x, decimals, digits))
            return 0;
        if (i > 0)
            list += ' ';
        list += digits;
        if (!StringUtil::formatDouble(p.y, decimals, digits))
            return 0;
        list += ' ';
        list += digits;
    }
    return addAttribute(kPoints, nullptr, list.c_str());
}

int SvgXmlDocument::endEmptyElement()
{
    if (!output)
        return 0;
    output->endFlag = 1;
    const int written = writeNode(*output);
    delete output;
    output = nullptr;
    return written;
}

int SvgXmlDocument::endOpenElement()
{
    if (!output)
        return 0;
    output->endFlag = 0;
    const int written = writeNode(*output);
    delete output;
    output = nullptr;
    return written;
}

int SvgXmlDocument::writeClosingTag(int tagId)
{
    const char* name = keywordName(tagId);
    return name && writeText("</") && writeText(name) && writeByte('>') && writeLineEnd();
}

int SvgXmlDocument::writeEscaped(const char* bytes, int length)
{
    if (!bytes || length < 0)
        return 0;
    std::string escaped;
    escaped.reserve(static_cast<size_t>(length) + 16);
    for (int i = 0; i < length; ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (StringUtil::isLeadByte(b) && i + 1 < length) {
            escaped += static_cast<char>(b);
            escaped += bytes[++i];
        } else if (b == '&') {
            escaped += "&amp;";
        } else if (b == '<') {
            escaped += "&lt;";
        } else if (b == '>') {
            escaped += "&gt;";
        } else if (b == '"') {
            // Written as an entity, as in attribute values: a reader that takes a quote in
            // character data as the start of a quoted run (as this one once did) would carry a
            // lone one past the closing tag.
            escaped += "&quot;";
        } else if (b >= 0x20 || b == '\t' || b == '\r' || b == '\n') {
            // Other control characters have no place in an XML file.
            escaped += static_cast<char>(b);
        }
    }
    return escaped.empty() || writeText(escaped.data(), static_cast<int>(escaped.size()));
}

int SvgXmlDocument::beginItem(int item)
{
    pointsInItem = 0;
    startTagClosed = 0;
    return beginElement(item);
}

int SvgXmlDocument::addPoint(const Point& point, int decimals)
{
    if (!output)
        return 0;
    if (output->keywordId != kLine)
        return addStartPoint(point, decimals);
    return pointsInItem++ == 0 ? addFirstPoint(point, decimals) : addSecondPoint(point, decimals);
}

int SvgXmlDocument::closeStartTag()
{
    if (!output)
        return 0;
    // Texts are filled, whatever the root says for the figures.
    if (output->keywordId == kText && (!addAttribute(-1, "fill", "black") || !addAttribute(-1, "stroke", "none")))
        return 0;
    openItem = output->keywordId;
    startTagClosed = 1;
    return endOpenElement();
}

int SvgXmlDocument::endItem()
{
    if (startTagClosed) {
        startTagClosed = 0;
        return writeClosingTag(openItem);
    }
    return endEmptyElement();
}
