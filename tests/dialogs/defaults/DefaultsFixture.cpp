#include "tests/dialogs/defaults/DefaultsFixture.h"

#include <regex>

#include <commctrl.h>

#include "document/Element.h"
#include <gtest/gtest.h>

#include "dialogs/defaults/DefaultsInstall.h"
#include "platform/DialogRegistry.h"
#include "platform/TabControl.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/ScriptedMouse.h"
#include "tests/support/UnixScript.h"
#include "views/ViewMembers.h"
#include "views/tools/SelectTool.h"

namespace defaults_test {

DrawingMembers::DrawingMembers()
{
    documentMemberFactories.lineDefaults = makeDrawingLineDefaults;
    documentMemberFactories.textDefaults = makeDrawingTextDefaults;
    documentMemberFactories.measureDefaults = makeDrawingMeasureDefaults;
    documentMemberFactories.bezierDefaults = makeDrawingBezierDefaults;
    documentMemberFactories.pictureDefaults = makeDrawingPictureDefaults;
    documentMemberFactories.selectTool = makeSelectTool;
}

DefaultsDrawing::DefaultsDrawing()
{
    if (context.lineDefaults && theLineDefaults)
        context.lineDefaults->copyFrom(theLineDefaults);
    if (context.textDefaults && theTextDefaults)
        context.textDefaults->copyFrom(theTextDefaults);
    if (context.measureDefaults && theMeasureDefaults)
        context.measureDefaults->copyFrom(theMeasureDefaults);
    if (context.bezierDefaults && theBezierDefaults)
        context.bezierDefaults->copyFrom(theBezierDefaults);
    if (context.pictureDefaults && thePictureDefaults)
        context.pictureDefaults->copyFrom(thePictureDefaults);
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
    return run(&DocumentContext::editLineDefaults, script);
}

int DefaultsDrawing::runBatch(const property_test::Script& script) { return run(&DocumentContext::batchEditLine, script); }

int DefaultsDrawing::run(int (DocumentContext::*command)(), const property_test::Script& script)
{
    return static_cast<int>(driveModalDialog([&]() -> INT_PTR { return (context.*command)(); }, script));
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

FakeSettingsFile recordSettingsFile(int section, const char* name)
{
    FakeSettingsFile file;
    file.registerAttributeKeys();
    file.registerSection(section, name);
    file.registerSection(15040, "GRID");
    return file;
}

std::vector<std::string> keysOf(const std::string& text)
{
    std::vector<std::string> keys;
    const std::regex line("(^|\n)([A-Z]+)=");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), line); it != std::sregex_iterator(); ++it)
        keys.push_back((*it)[2]);
    return keys;
}

namespace {

// One tab per two ticks of the timer: chosen, then photographed; the dialog ends after the last.
struct Tour {
    HWND dialog = nullptr;
    std::string name;
    int pages = 0;
    int step = 0;
};
Tour tour;

void CALLBACK onTourTick(HWND, UINT, UINT_PTR, DWORD)
{
    const int page = tour.step / 2;
    if (page >= tour.pages) {
        KillTimer(tour.dialog, 1);
        property_test::finish(tour.dialog, IDCANCEL);
        return;
    }
    if (tour.step++ % 2 == 0) {
        if (tour.pages > 1)
            chooseTab(tour.dialog, page);
        return;
    }
    ScratchFolder scratch;
    const std::string file = "/tmp/" + tour.name + "-" + std::to_string(page) + ".png";
    EXPECT_EQ(runUnixScript("import -window root " + file + "\n", scratch.pathOf("shot")), 0) << file;
}

} // namespace

property_test::Script photographing(const std::string& name, int pages, const std::function<void(HWND)>& touch)
{
    return [=](HWND w) {
        tour = Tour{w, name, pages, 0};
        SetWindowPos(w, nullptr, 40, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        touch(w);
        SetTimer(w, 1, 700, onTourTick);
    };
}

} // namespace defaults_test
