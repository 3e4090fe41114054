#include "geometry/PointList.h"

#include "geometry/DrawPoint.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/TagIds.h"
#include "geometry/ViewParams.h"
#include "geometry/XmlContext.h"
#include "platform/Control.h"
#include "platform/IntPolygon.h"
#include "platform/MathUtil.h"
#include "platform/UnitConverter.h"

namespace {

// A list in the drawing file needs at least "0,0," for each point.
const int kMinFileBytesPerPoint = 4;
// Corners of a rounded box smaller than this stay sharp.
const double kMinCornerRadius = 0.01;
// The turning steps of a round end: 10 ... 170 degrees.
const int kCapSteps = 17;
const double kCapStepDegrees = 10.0;

double readControl(Control* control)
{
    int changed = 0;
    return control->getDouble(&changed, 1);
}

} // namespace

int PointList::appendScaled(double px, double py, double pz)
{
    const double factor = DrawPoint::scaleDenominatorOf(owner) / DrawPoint::scaleNumeratorOf(owner);
    return appendXYZ(px * factor, py * factor, pz * factor);
}

int PointList::getScaled(int i, double* px, double* py, double* pz) const
{
    Point p;
    if (!getPoint(i, &p))
        return 0;
    const double factor = DrawPoint::scaleNumeratorOf(owner) / DrawPoint::scaleDenominatorOf(owner);
    if (px)
        *px = p.x * factor;
    if (py)
        *py = p.y * factor;
    if (pz)
        *pz = p.z * factor;
    return 1;
}

int PointList::copyPoints(const PointArray* other)
{
    if (!other)
        return 0;
    if (other == this)
        return 1;
    count = 0;
    return appendAll(other);
}

// --- element records ---

int PointList::serialize(int mode, ElementRecordBuffer& buffer, int dims, int withFlag)
{
    if (mode == 1)
        return writeRecords(buffer, dims, withFlag);
    if (mode == 3)
        return readRecords(buffer, dims, withFlag);
    return 0;
}

int PointList::writeRecords(ElementRecordBuffer& buffer, int dims, int withFlag) const
{
    if (!buffer.putInt(count))
        return 0;
    DrawPoint point;
    for (int i = 0; i < count; ++i) {
        if (!getRecord(i, &point) || !point.writeRecord(buffer, dims, withFlag))
            return 0;
    }
    return 1;
}

int PointList::readRecords(ElementRecordBuffer& buffer, int dims, int withFlag)
{
    int32_t announced = 0;
    if (!buffer.getInt(announced))
        return 0;
    count = 0;
    // The records come from the store, the undo log or the clipboard: each read uses up bytes of
    // the buffer, so a count larger than the buffer holds ends at its end.
    DrawPoint scratch;
    for (int32_t i = 0; i < announced; ++i) {
        if (!scratch.readRecord(buffer, dims, withFlag) || !appendRecord(&scratch))
            return 0;
    }
    return 1;
}

// --- views ---

int PointList::toDevicePolygonOffset(ViewParams* view, double dx, double dy, int op, IntPolygon* polygon) const
{
    if (!view || !polygon)
        return 0;
    polygon->count = 0;
    IntPoint previous(-32767, -32767);
    Point p;
    for (int i = 0; i < count; ++i) {
        if (!getRecord(i, &p))
            return 0;
        IntPoint device(view->worldToDeviceXForOp(op, p.x + dx), view->worldToDeviceYForOp(op, p.y + dy));
        if (!device.equals(previous) && !polygon->addPoint(device))
            return 0;
        previous = device;
    }
    return 1;
}

int PointList::toDevicePolygon(ViewParams* view, int op, IntPolygon* polygon) const
{
    return toDevicePolygonOffset(view, 0.0, 0.0, op, polygon);
}

int PointList::toDevicePolygonReversed(ViewParams* view, int op, IntPolygon* polygon) const
{
    if (!view || !polygon)
        return 0;
    polygon->count = 0;
    IntPoint previous(-32767, -32767);
    Point p;
    for (int i = count - 1; i >= 0; --i) {
        if (!getRecord(i, &p))
            return 0;
        IntPoint device(view->worldToDeviceXForOp(op, p.x), view->worldToDeviceYForOp(op, p.y));
        if (!device.equals(previous) && !polygon->addPoint(device))
            return 0;
        previous = device;
    }
    return 1;
}

// --- outlines ---

int PointList::stepAround(int direction, int* lo, int* hi, Point* out) const
{
    if (!lo || !hi || !out)
        return 0;
    int i;
    if (direction >= 0) {
        i = *lo;
        if (i >= *hi)
            return 0;
        *lo = i + 1;
    } else {
        *hi -= 1;
        i = *hi;
        if (i < *lo)
            return 0;
    }
    if (i < 0)
        i += count;
    else if (i >= count)
        i -= count;
    return getPoint(i, out);
}

int PointList::setRoundedBox(const Point* p1, const Point* p2, const double* radii)
{
    if (!p1 || !p2)
        return 0;
    bool allZero = true;
    for (int k = 0; radii && k < 4; ++k) {
        if (!MathUtil::isNearlyZero(radii[k]))
            allZero = false;
    }
    if (!radii || allZero)
        return setClosedBox(p1, p2);
    double x1 = p1->x, x2 = p2->x, y1 = p1->y, y2 = p2->y;
    MathUtil::sortPair(x1, x2);
    MathUtil::sortPair(y1, y2);
    // The smaller side, not half of it: a radius up to the whole side still rounds.
    const double maximum = MathUtil::minDouble(x2 - x1, y2 - y1);
    count = 0;
    return addRoundCorner1(x2, y1, radii[0], kMinCornerRadius, maximum) &&
           addRoundCorner2(x1, y1, radii[1], kMinCornerRadius, maximum) &&
           addRoundCorner3(x1, y2, radii[2], kMinCornerRadius, maximum) &&
           addRoundCorner4(x2, y2, radii[3], kMinCornerRadius, maximum) && closeWithFirst();
}

int PointList::appendRoundCap(int flag, const PointArray* outline, int i)
{
    if (!outline)
        return 0;
    if (!flag)
        return 1;
    Point a, b;
    if (!outline->getPoint(i, &a) || !outline->getPoint(i + 1, &b))
        return 0;
    Point c;
    if (!c.setMidpoint(&a, &b))
        return 0;
    for (int step = 1; step <= kCapSteps; ++step) {
        Point turned(a.x, a.y);
        turned.rotateAbout(c.x, c.y, step * kCapStepDegrees);
        if (!appendXY(turned.x, turned.y))
            return 0;
    }
    return 1;
}

int PointList::setRoundCappedOutline(int startCap, int endCap, const PointArray* outline)
{
    if (!outline || outline == this)
        return 0;
    const int n = outline->count;
    count = 0;
    if (n < 1)
        return 1;
    Point p;
    auto appendOf = [&](int k) { return outline->getPoint(k, &p) && appendXY(p.x, p.y); };
    const int half = n / 2;
    if (!appendOf(0) || !appendRoundCap(startCap, outline, 0))
        return 0;
    for (int k = 1; k <= half; ++k) {
        if (!appendOf(k))
            return 0;
    }
    if (!appendRoundCap(endCap, outline, half))
        return 0;
    for (int k = half + 1; k < n; ++k) {
        if (!appendOf(k))
            return 0;
    }
    return appendOf(0);
}

void PointList::shiftPoints(int i, int n, double dx, double dy, double f)
{
    if (n < 1)
        return;
    const long long from = i < 0 ? 0 : i;
    const long long to = static_cast<long long>(i) + n < count ? static_cast<long long>(i) + n : count;
    // Every index here is below the count, so only a block that cannot be locked could fail,
    // and this operation has no result to report it with.
    for (long long k = from; k < to; ++k)
        (void)translatePointAt(static_cast<int>(k), dx * f / 2.0, dy * f / 2.0, 0.0);
}

// --- dialogs ---

double PointList::toGridUnitX(double v) const
{
    return UnitConverter().convert(v, UnitConverter::millimetre, DrawPoint::gridXUnitOf(owner));
}

double PointList::toGridUnitY(double v) const
{
    return UnitConverter().convert(v, UnitConverter::millimetre, DrawPoint::gridYUnitOf(owner));
}

double PointList::fromGridUnitX(double v) const
{
    return UnitConverter().convert(v, DrawPoint::gridXUnitOf(owner), UnitConverter::millimetre);
}

double PointList::fromGridUnitY(double v) const
{
    return UnitConverter().convert(v, DrawPoint::gridYUnitOf(owner), UnitConverter::millimetre);
}

int PointList::writeXToControl(Control* control, int i) const
{
    if (!control || i < 0 || i >= count)
        return 0;
    return control->setDouble(toGridUnitX(getX(i))) ? 1 : 0;
}

int PointList::writeYToControl(Control* control, int i) const
{
    if (!control || i < 0 || i >= count)
        return 0;
    return control->setDouble(toGridUnitY(getY(i))) ? 1 : 0;
}

int PointList::readXFromControl(Control* control, int i)
{
    if (!control || i < 0 || i >= count)
        return 0;
    return setXAt(i, fromGridUnitX(readControl(control)));
}

int PointList::readYFromControl(Control* control, int i)
{
    if (!control || i < 0 || i >= count)
        return 0;
    return setYAt(i, fromGridUnitY(readControl(control)));
}

// --- drawing file ---

int PointList::writeXml(XmlContext* writer, int tag) const
{
    XmlContext* d = writer ? writer : XmlContext::current();
    if (!d)
        return 0;
    if (!d->beginTag(tag) || !d->writeIntTag(tag_id::nums, count) || !d->beginTag(tag_id::xyAray))
        return 0;
    for (int i = 0; i < count; ++i) {
        double px = 0.0, py = 0.0;
        if (!getScaled(i, &px, &py, nullptr) || !d->writeDoubleListItem(px, DrawPoint::kXmlDecimals))
            return 0;
        // Only a y value may end a wrapped line, so that pairs stay on one line.
        d->setLineWrap(1);
        const int ok = i + 1 < count ? d->writeDoubleListItem(py, DrawPoint::kXmlDecimals)
                                     : d->writeDoubleLine(py, DrawPoint::kXmlDecimals);
        d->setLineWrap(0);
        if (!ok)
            return 0;
    }
    return d->endTag(tag_id::xyAray) && d->endTag(tag);
}

int PointList::writeXmlWithWord(XmlContext* link, int tag)
{
    xmlLink = link;
    if (!link)
        return 0;
    PointList& holder = link->currentPointList;
    if (&holder != this) {
        if (!holder.copyPoints(this))
            return 0;
        holder.owner = owner;
    }
    holder.xmlLink = link;
    return holder.writeXml(link, tag);
}

int PointList::readXml(int endTag)
{
    XmlContext* d = XmlContext::current();
    if (!d)
        return 0;
    xmlLink = d;
    owner = d->drawingOwner();
    expectedCount = 0;
    int result = 1;
    int id = 0;
    for (;;) {
        if (!d->nextTag(id))
            return 0;
        if (id == endTag)
            return result;
        if (d->isClosingTag() || id == 0)
            continue;
        if (id == tag_id::nums) {
            int announced = 0;
            if (!d->readInt(announced) || !d->expectTag(tag_id::nums))
                return 0;
            if (d->acceptDataLength(announced, kMaxFilePoints, kMinFileBytesPerPoint, tag_id::nums)) {
                expectedCount = announced;
            } else {
                expectedCount = 0;
                result = 0;
            }
        } else if (id == tag_id::xyAray) {
            count = 0;
            for (int32_t i = 0; i < expectedCount; ++i) {
                double px = 0.0, py = 0.0;
                // An item that ends at the '<' of the closing tag ends the list; the tag stays
                // readable for the element, which goes on after the short list.
                if (!d->readListDouble(px) || d->atTagStart() || !d->readListDouble(py))
                    return 0;
                if (!appendScaled(px, py, 0.0))
                    return 0;
                if (i + 1 < expectedCount && d->atTagStart())
                    return 0;
            }
            if (!d->expectTag(tag_id::xyAray))
                return 0;
        } else if (!d->skipLine()) {
            return 0;
        }
    }
}
