#include "document/ContextMenuRequest.h"

namespace {
ContextMenuRequest installed = nullptr;
} // namespace

ContextMenuRequest setContextMenuRequest(ContextMenuRequest request)
{
    const ContextMenuRequest previous = installed;
    installed = request;
    return previous;
}

void requestContextMenu()
{
    if (installed)
        installed();
}
