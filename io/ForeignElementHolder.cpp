#include "io/ForeignElementHolder.h"

#include <string>

#include "document/Element.h"
#include "document/ElementEditorBase.h"
#include "geometry/DrawPoint.h"
#include "geometry/PointList.h"
#include "platform/MessageBoxes.h"

namespace {
// Vertex lists up to this capacity are kept for the next element.
const int kKeptVertices = 65536;
} // namespace

void resetForeignHolder(Element& holder)
{
    // The start and end points stay as they are: an SVG "width" or "height" counts from the start
    // point held when it is met.
    Point kept[2];
    DrawPoint* points[2] = {holder.firstPoint(), holder.secondPoint()};
    for (int i = 0; i < 2; ++i) {
        if (points[i])
            kept[i] = *points[i];
    }
    holder.resetReadAttributes();
    for (int i = 0; i < 2; ++i) {
        if (points[i])
            static_cast<Point&>(*points[i]) = kept[i];
    }
}

void releaseLargeHolderLists(Element& holder)
{
    if (holder.vertices() && holder.vertices()->capacity > kKeptVertices) {
        (void)holder.vertices()->resize(0); // shortening cannot fail
        (void)holder.vertices()->free();    // nothing is locked: the answer tells nothing here
    }
}

int addWritableElement(ElementEditorBase& editor)
{
    // The store refuses an element with a value the drawing file cannot write.
    const int id = editor.elementInHand() ? editor.addToPage() : 0;
    return id >= 1 ? id : 0;
}

void tellSkippedEntities(int count)
{
    if (count < 1)
        return;
    // Not an error of the program's: the application's error count stays as it was.
    showErrorBox(("読み込めない要素が" + std::to_string(count) + "個ありました。").c_str());
}
