#include "io/ForeignElementHolder.h"

#include <string>

#include "document/Element.h"
#include "document/ElementEditorBase.h"
#include "elements/ElementTextString.h"
#include "geometry/FontAttributes.h"
#include "geometry/LeanAttribute.h"
#include "geometry/PointList.h"
#include "platform/MessageBoxes.h"

namespace {
// Vertex lists up to this capacity are kept for the next element.
const int kKeptVertices = 65536;
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
