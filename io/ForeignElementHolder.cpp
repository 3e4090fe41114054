#include "io/ForeignElementHolder.h"

#include <cmath>
#include <string>

#include "document/Element.h"
#include "document/ElementEditorBase.h"
#include "document/TagWriter.h"
#include "elements/ElementTextString.h"
#include "geometry/DrawPoint.h"
#include "geometry/FontAttributes.h"
#include "geometry/LeanAttribute.h"
#include "geometry/PointList.h"
#include "platform/MessageBoxes.h"

namespace {
// Vertex lists up to this capacity are kept for the next element.
const int kKeptVertices = 65536;

bool writable(double value) { return std::isfinite(value) && TagWriter::hasRealText(value); }

bool writable(const Point& p) { return writable(p.x) && writable(p.y) && writable(p.z); }
} // namespace

void resetForeignHolder(Element& holder)
{
    holder.resetReadAttributes(); // among others: no fill, no draw type
    if (holder.vertices())
        (void)holder.vertices()->resize(0); // shortening cannot fail
    if (holder.lean())
        holder.lean()->reset();
    if (holder.text())
        holder.text()->buffer.reset();
    if (holder.font()) {
        const FontAttributes standard;
        holder.font()->assign(&standard);
    }
}

void releaseLargeHolderLists(Element& holder)
{
    if (holder.vertices() && holder.vertices()->capacity > kKeptVertices) {
        (void)holder.vertices()->resize(0); // shortening cannot fail
        (void)holder.vertices()->free();    // nothing is locked: the answer tells nothing here
    }
}

bool hasWritableValues(Element& element)
{
    for (const DrawPoint* p : {element.firstPoint(), element.secondPoint(), element.thirdPoint()}) {
        if (p && !writable(*p))
            return false;
    }
    if (PointList* vertices = element.vertices(); vertices && vertices->count > 0) {
        BlockLock lock(*vertices);
        if (!lock)
            return false;
        const Point* points = lock.data<Point>();
        for (int i = 0; i < vertices->count; ++i) {
            if (!writable(points[i]))
                return false;
        }
    }
    return (!element.lean() || writable(element.lean()->angle)) && (!element.font() || writable(element.font()->size));
}

int addWritableElement(ElementEditorBase& editor)
{
    Element* element = editor.elementInHand();
    if (!element || !hasWritableValues(*element))
        return 0;
    const int id = editor.addToPage();
    return id >= 1 ? id : 0;
}

void tellSkippedEntities(int count)
{
    if (count < 1)
        return;
    // Not an error of the program's: the application's error count stays as it was.
    showErrorBox(("読み込めない要素が" + std::to_string(count) + "個ありました。").c_str());
}
