#include "geometry/EdgeAttributes.h"

#include "document/Document.h"

void EdgeAttributes::reset()
{
    draw.value = 1;
    gray.reset();
}

int EdgeAttributes::writeColorOnly()
{
    Document* writer = currentXmlContext();
    if (!writer)
        return 0;
    return writer->beginTag(kEdge) && colour.writeThroughHolder(writer) && writer->endTag(kEdge);
}
