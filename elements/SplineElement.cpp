// The spline element: the breakline's operations on control points, without the rounding list.
#include "elements/SplineElement.h"

#include <iterator>
#include <new>

#include "document/ElementKind.h"
#include "document/SelectToolBase.h"
#include "elements/VertexRoundingList.h"
#include "geometry/BSplineCurve.h"
#include "geometry/LineOriginAttribute.h"
#include "geometry/LineSizeAttribute.h"
#include "geometry/PointList.h"

namespace {
constexpr ElementAttribute kSplineAttributes[] = {
    ElementAttribute::colour,   ElementAttribute::vertices, ElementAttribute::lineWidth, ElementAttribute::linePosition,
    ElementAttribute::lineType, ElementAttribute::lineCap,  ElementAttribute::gray,
};
} // namespace

Element* newSplineElement() { return new (std::nothrow) SplineElement; }

void SplineElement::initialize()
{
    shared_body::ensureAttributes(*this, kSplineAttributes, static_cast<int>(std::size(kSplineAttributes)));
}

int SplineElement::exchangeRecord(int mode) { return exchangeRecordOf(mode, 0); }

int SplineElement::editProperties(int hasPrevious, int hasNext)
{
    shared_body::preparePointList(*this);
    return shared_body::runPropertyDialog(*this, shared_body::makePropertyDialog(*this, ElementKind::Spline),
                                          hasPrevious, hasNext);
}
