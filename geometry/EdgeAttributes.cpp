#include "geometry/EdgeAttributes.h"

#include "document/Document.h"
#include "document/TagIds.h"

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
    return writer->beginTag(tag_id::edge) && colour.writeThroughHolder(writer) && writer->endTag(tag_id::edge);
}
