#include "geometry/EdgeAttributes.h"

#include "geometry/TagIds.h"
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
    return writer->beginTag(tag_id::edge) && colour.writeThroughHolder(writer) && writer->endTag(tag_id::edge);
}
