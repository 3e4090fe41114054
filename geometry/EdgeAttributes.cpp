#include "geometry/EdgeAttributes.h"

#include "geometry/XmlContext.h"

void EdgeAttributes::reset()
{
    draw.value = 1;
    gray.reset();
}

int EdgeAttributes::writeColorOnly()
{
    XmlContext* writer = XmlContext::current();
    if (!writer)
        return 0;
    return writer->beginTag(kEdge) && colour.writeThroughHolder(writer) && writer->endTag(kEdge);
}
