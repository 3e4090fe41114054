#include "geometry/XmlContext.h"

namespace {

XmlContext* published = nullptr;

} // namespace

XmlContext* XmlContext::current() { return published; }

XmlContext* XmlContext::publish(XmlContext* context)
{
    XmlContext* previous = published;
    published = context;
    return previous;
}

XmlContext::~XmlContext()
{
    if (published == this)
        published = nullptr;
}
