// The writing half of the DXF file: groups, the section frame and entity building.
#include <cmath>

#include "geometry/Point.h"
#include "geometry/PointList.h"
#include "geometry/ThreePointArc.h"
#include "io/dxf/DxfKeywords.h"
#include "io/dxf/DxfTextFile.h"
#include "platform/StringUtil.h"

namespace {

const int kRealDecimals = 5;
// A text value, with the CR LF after it, stays one line.
const int kLongestValue = DxfGroup::kTextSize - 1;

// The real with exactly five decimals, cut; null for a value that is not finite or too large to
// write whole (the formatter refuses more than 40 integer digits).
const char* realText(double value, char (&buffer)[64])
{
    if (!std::isfinite(value))
        return nullptr;
    return StringUtil::formatDoubleRaw(value, kRealDecimals, buffer);
}

// The length of the longest start of the text that has at most `limit` bytes and ends on a
// character boundary; CR and LF end it too, as they would end the value's line.
int valueLength(const char* text, int limit)
{
    int n = 0;
    while (text[n] && text[n] != '\r' && text[n] != '\n') {
        const int size = StringUtil::isLeadByte(static_cast<unsigned char>(text[n])) && text[n + 1] ? 2 : 1;
        if (n + size > limit)
            break;
        n += size;
    }
    return n;
}

} // namespace

void DxfTextFile::appendCode(std::string& out, int code)
{
    char digits[16];
    StringUtil::formatInt(code, digits);
    const int length = StringUtil::length(digits);
    for (int i = length; i < 3; ++i)
        out += ' ';
    out.append(digits, static_cast<size_t>(length));
    out += "\r\n";
}

// --- groups written at once ---

int DxfTextFile::writeGroup(int code, const char* text)
{
    std::string lines;
    appendCode(lines, code);
    if (text)
        lines.append(text, static_cast<size_t>(valueLength(text, kLongestValue)));
    lines += "\r\n";
    return writeLines(lines);
}

int DxfTextFile::writeLines(const std::string& lines)
{
    if (writeText(lines.data(), static_cast<int>(lines.size())))
        return 1;
    failedWrite = 1;
    return 0;
}

int DxfTextFile::writeKeywordGroup(int code, int keywordId)
{
    const char* text = dxf_keyword::textOf(keywordId);
    return text && writeGroup(code, text);
}

int DxfTextFile::writeIntGroup(int code, int value)
{
    char digits[16];
    return writeGroup(code, StringUtil::formatInt(value, digits));
}

int DxfTextFile::writeRealGroup(int code, double value)
{
    char buffer[64];
    const char* text = realText(value, buffer);
    return text && writeGroup(code, text);
}

int DxfTextFile::beginSection(int sectionId)
{
    return writeKeywordGroup(0, dxf_keyword::kSection) && writeKeywordGroup(2, sectionId);
}

int DxfTextFile::endSection() { return writeKeywordGroup(0, dxf_keyword::kEndSection); }

int DxfTextFile::writeHeader()
{
    // The code page tells other readers that the texts are Shift-JIS.
    return beginSection(dxf_keyword::kHeader) && writeKeywordGroup(9, dxf_keyword::kAcadVer) &&
           writeGroup(1, "AC1009") && writeKeywordGroup(9, dxf_keyword::kDwgCodePage) && writeGroup(3, "ANSI_932") &&
           endSection();
}

int DxfTextFile::writeEmptySection(int sectionId) { return beginSection(sectionId) && endSection(); }

int DxfTextFile::endFile() { return writeKeywordGroup(0, dxf_keyword::kEof); }

// --- entity building ---

void DxfTextFile::addString(int code, const char* text)
{
    if (DxfGroup::typeOf(code) != DxfGroup::kString)
        return;
    appendCode(pending, code);
    if (text)
        pending.append(text, static_cast<size_t>(valueLength(text, kLongestValue)));
    pending += "\r\n";
}

void DxfTextFile::addReal(int code, double value)
{
    const int type = DxfGroup::typeOf(code);
    if (DxfGroup::isIntegerType(type)) {
        addInteger(code, static_cast<int>(std::fmax(std::fmin(value, 2147483647.0), -2147483648.0)));
        return;
    }
    if (type != DxfGroup::kReal)
        return;
    char buffer[64];
    const char* text = realText(value, buffer);
    if (!text) {
        droppingEntity = 1;
        return;
    }
    appendCode(pending, code);
    pending += text;
    pending += "\r\n";
}

void DxfTextFile::addInteger(int code, int value)
{
    if (!DxfGroup::isIntegerType(DxfGroup::typeOf(code)))
        return;
    char digits[16];
    appendCode(pending, code);
    pending += StringUtil::formatInt(value, digits);
    pending += "\r\n";
}

int DxfTextFile::beginEntity(int kindId)
{
    pending.clear();
    pointsInEntity = 0;
    droppingEntity = 0;
    const char* name = dxf_keyword::textOf(kindId);
    if (!name)
        return 0;
    addString(0, name);
    return 1;
}

void DxfTextFile::addLayer(int number)
{
    char digits[16];
    addString(8, StringUtil::formatInt(number, digits));
}

void DxfTextFile::addPoint(const Point& point)
{
    addReal(10, point.x);
    addReal(20, point.y);
}

void DxfTextFile::addEndPoint(const Point& point)
{
    addReal(11, point.x);
    addReal(21, point.y);
}

void DxfTextFile::addHeight(double value) { addReal(40, value); }

void DxfTextFile::addRotation(double value) { addReal(50, value); }

void DxfTextFile::addAngles(double first, double second)
{
    addReal(50, first);
    addReal(51, second);
}

void DxfTextFile::addText(const char* text) { addString(1, text); }

int DxfTextFile::addVertices(int layer, const PointList& points)
{
    if (points.count < 2) {
        droppingEntity = 1;
        return 0;
    }
    char layerText[16];
    StringUtil::formatInt(layer, layerText);
    Point p;
    for (int i = 0; i < points.count && !droppingEntity; ++i) {
        if (!points.getPoint(i, &p)) {
            droppingEntity = 1;
            return 0;
        }
        addString(0, "VERTEX");
        addString(8, layerText);
        addPoint(p);
    }
    addString(0, "SEQEND");
    return 1;
}

int DxfTextFile::addArcThrough(const Point& first, const Point& middle, const Point& last)
{
    ThreePointArc arc;
    arc.start = first;
    arc.middle = middle;
    arc.end = last;
    if (!arc.compute()) {
        droppingEntity = 1;
        return 0;
    }
    addReal(10, arc.centre.x);
    addReal(20, arc.centre.y);
    addReal(40, arc.radius);
    // The arc's angles grow against the file's (its y axis points down), and a file's arc runs
    // counter-clockwise: an arc turning with growing angles runs from its end to its start there.
    if (arc.direction >= 0)
        addAngles(-arc.endAngle, -arc.startAngle);
    else
        addAngles(-arc.startAngle, -arc.endAngle);
    return 1;
}

int DxfTextFile::flushEntity()
{
    if (droppingEntity || pending.empty()) {
        pending.clear();
        droppingEntity = 0;
        return 1;
    }
    const int written = writeLines(pending);
    pending.clear();
    return written;
}

// --- the element kinds' operations ---

int DxfTextFile::writeInt(int value)
{
    addLayer(value);
    return 1;
}

int DxfTextFile::writePoint(const Point& point)
{
    if (pointsInEntity++ == 0)
        addPoint(point);
    else
        addEndPoint(point);
    return 1;
}

int DxfTextFile::writePointList(const PointList& points, int layer)
{
    // Other readers need the layer, the closed flag (70 = 1) and the vertices-follow flag.
    addLayer(layer);
    addInteger(66, 1);
    addInteger(70, 1);
    (void)addVertices(layer, points); // a list too short drops the entity, which is no failure
    return 1;
}

int DxfTextFile::writeThreePointArc(const Point& start, const Point& middle, const Point& end)
{
    (void)addArcThrough(start, middle, end); // points that give no circle drop the entity
    return 1;
}

int DxfTextFile::writeGroupText(int code, const char* text)
{
    addString(code, text);
    return 1;
}

int DxfTextFile::writeGroupDouble(int code, double value)
{
    addReal(code, value);
    return 1;
}
