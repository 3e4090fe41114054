#include "tests/dialogs/defaults/DefaultsFixture.h"

#include <commctrl.h>

#include "elements/Element.h"
#include <gtest/gtest.h>

#include "dialogs/defaults/DefaultsInstall.h"
#include "platform/DialogRegistry.h"
#include "platform/TabControl.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ScriptedMouse.h"
#include "views/ViewMembers.h"
#include "views/tools/SelectTool.h"

namespace defaults_test {

DrawingMembers::DrawingMembers()
{
    documentMemberFactories.lineDefaults = makeDrawingLineDefaults;
    documentMemberFactories.selectTool = makeSelectTool;
}

DefaultsDrawing::DefaultsDrawing()
{
    if (context.lineDefaults && theLineDefaults)
        context.lineDefaults->copyFrom(theLineDefaults);
}

int DefaultsDrawing::draw(ElementKind kind, const std::function<void(Element&)>& fill)
{
    return add(kind, [&](Element& e) {
        e.takeDefaultAttributes();
        fill(e);
    });
}

void DefaultsDrawing::select(const std::vector<int>& ids)
{
    context.selectTool->clearSelection();
    for (int id : ids)
        context.selectTool->addToSelection(id);
}

void DefaultsDrawing::selectOne(int id)
{
    context.selectTool->clearSelection();
    context.selectTool->selectSingle(id);
}

int DefaultsDrawing::runSettings(const property_test::Script& script)
{
    return static_cast<int>(driveModalDialog([&]() -> INT_PTR { return context.editLineDefaults(); }, script));
}

int DefaultsDrawing::runBatch(const property_test::Script& script)
{
    return static_cast<int>(driveModalDialog([&]() -> INT_PTR { return context.batchEditLine(); }, script));
}

DefaultsDialog* runningDialog(HWND dialog)
{
    for (int i = 0; theDialogRegistry && i < theDialogRegistry->count(); ++i) {
        Dialog* d = theDialogRegistry->at(i);
        if (d && d->hwnd == dialog)
            return dynamic_cast<DefaultsDialog*>(d);
    }
    return nullptr;
}

void chooseLayerRow(HWND dialog, int listId, int scrollId, int n)
{
    DefaultsDialog* running = runningDialog(dialog);
    Control* list = running ? running->findControl(listId) : nullptr;
    Control* bar = running ? running->findControl(scrollId) : nullptr;
    ASSERT_TRUE(list && bar && list->window);
    bar->setPosition(n); // row n at the top of the list
    // The click lands in the list's top row.
    POINT p = {list->clientRect.left + 4, list->clientRect.top + 2};
    ClientToScreen(list->window, &p);
    ScriptedMouse mouse;
    mouse.rest(p.x, p.y);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(listId, BN_CLICKED), reinterpret_cast<LPARAM>(list->window));
}

std::vector<int> tickedAmong(HWND dialog, std::initializer_list<int> ids)
{
    std::vector<int> ticked;
    for (int id : ids)
        if (property_test::isTicked(dialog, id))
            ticked.push_back(id);
    return ticked;
}

int shownTab(HWND dialog)
{
    return static_cast<int>(SendDlgItemMessageA(dialog, TabControl::kControlId, TCM_GETCURSEL, 0, 0));
}

} // namespace defaults_test
