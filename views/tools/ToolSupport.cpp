#include "views/tools/ToolSupport.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "document/DocumentContext.h"
#include "document/Element.h"
#include "document/ElementEditorBase.h"
#include "document/ElementRefusal.h"
#include "document/ElementStore.h"
#include "geometry/PickSettings.h"
#include "geometry/ViewParams.h"
#include "platform/Control.h"
#include "platform/Dialog.h"
#include "platform/IntPoint.h"
#include "platform/MessageBoxes.h"
#include "views/tools/SelectTool.h"

namespace tool_support {

double pixelLength(ViewParams* view, double pixels)
{
    if (!view)
        return 0.0;
    // The mapping is linear: the span of 100 pixels keeps the rounding of whole pixels out.
    const double span = std::fabs(view->deviceToWorldX(100) - view->deviceToWorldX(0));
    return span * pixels / 100.0;
}

void deviceToWorld(ViewParams* view, const IntPoint& device, double& x, double& y)
{
    double z = 0.0;
    view->deviceToWorld(device, &x, &y, &z);
}

int mouseWorldPoint(ViewParams* view, double& x, double& y, double& z)
{
    x = y = z = 0.0;
    if (!view)
        return 0;
    IntPoint device;
    view->cursorPosition(device);
    view->deviceToWorld(device, &x, &y, &z);
    return 1;
}

std::vector<int> liveSelectedIds(DocumentContext* context)
{
    std::vector<int> ids;
    SelectTool* tool = SelectTool::of(context);
    ElementStore* store = context ? context->elementStore() : nullptr;
    if (!tool || !store)
        return ids;
    for (int id = tool->firstSelectedId(); id >= 1; id = tool->nextSelectedId()) {
        if (store->isLive(id))
            ids.push_back(id);
    }
    return ids;
}

RgbColor pickColour() { return thePickSettings ? thePickSettings->pickColour : RgbColor(0, 255, 255); }

int secondClickFollows(DocumentContext* context, const IntPoint& press)
{
    // A double click's second press lies at most this far from the first, in view pixels.
    constexpr int kSlop = 2;
    ViewParams* view = context ? context->view : nullptr;
    if (!view)
        return 0;
    IntPoint device;
    int left = 1, right = 0;
    while (left && view->nextMousePoint(device, left, right)) {
    }
    // The wait never blocks past the double-click time: a press after it is the tool's next
    // click, and so is the move that took the cursor away.
    while (context->withinDoubleClickTime() && view->pollMousePoint(device, left, right)) {
        const int dx = device.x - press.x, dy = device.y - press.y;
        if (dx > kSlop || dx < -kSlop || dy > kSlop || dy < -kSlop)
            break;
        if (left) {
            if (!context->withinDoubleClickTime())
                break;
            while (left && view->nextMousePoint(device, left, right)) {
            }
            return 1;
        }
    }
    // Moves and presses taken here never reached the tool: it starts again and reads them.
    repostMouseMove(context);
    return 0;
}

void repostMouseMove(DocumentContext* context)
{
    if (context)
        (void)context->isCursorInView(); // posts the move itself; outside the view nothing runs
}

int canChangeAll(ElementEditorBase& editor, const std::vector<int>& ids, const std::function<void(Element&)>& change)
{
    for (int id : ids) {
        Element* element = editor.beginEdit(id) ? editor.elementInHand() : nullptr;
        if (!element)
            continue; // one that cannot be taken is not changed either
        change(*element);
        // Written into the staging buffer only, as the store would take it.
        if (!element->stageRecord()) {
            showElementsRefused();
            return 0;
        }
    }
    return 1;
}

int readNumberField(Dialog& dialog, int id, const char* name, double limit, double& value)
{
    char text[64] = {};
    char* end = nullptr;
    double v = 0.0;
    if (dialog.getText(id, text, sizeof text) >= 0) {
        v = std::strtod(text, &end);
        while (end && (*end == ' ' || *end == '\t'))
            ++end;
    }
    if (end && end != text && *end == '\0' && std::isfinite(v) && std::fabs(v) <= limit) {
        value = v;
        return 1;
    }
    char message[160];
    std::snprintf(message, sizeof message, "%sには数値を入力して下さい。", name);
    showErrorBox(message);
    if (Control* field = dialog.findControl(id))
        SetFocus(field->lookupWindow());
    return 0;
}

} // namespace tool_support
