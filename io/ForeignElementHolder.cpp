#include "io/ForeignElementHolder.h"

#include "elements/Element.h"
#include "elements/ElementTextString.h"
#include "geometry/FontAttributes.h"
#include "geometry/LeanAttribute.h"
#include "geometry/PointList.h"

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
