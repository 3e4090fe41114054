#include "tests/dialogs/PropertyFixture.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include "dialogs/properties/PropertyDialog.h"
#include "dialogs/properties/PropertyDialogInstall.h"
#include "document/DocumentMembers.h"
#include "document/Element.h"
#include "document/PropertyDialogPlacement.h"
#include "geometry/DoubleValue.h"
#include "geometry/DrawPoint.h"
#include "geometry/PointList.h"
#include "platform/TabControl.h"
#include "shapes/RadiusList.h"
#include "tests/support/MessagePump.h"

namespace property_test {
namespace {

PropertyDialog* lastMade = nullptr;

// The drawing's placement as start-up makes it; it remembers the dialog it made last.
class RecordingPlacement : public KindDialogPlacement {
public:
    ElementPropertyDialog* makeDialog(int kind) override
    {
        ElementPropertyDialog* made = KindDialogPlacement::makeDialog(kind);
        lastMade = dynamic_cast<PropertyDialog*>(made);
        return made;
    }
};

PropertyDialogPlacement* makeRecordingPlacement(DocumentContext&) { return new RecordingPlacement; }

BOOL answerChooser(CHOOSECOLORA* record)
{
    ++ChooserScript::calls;
    if (ChooserScript::cancel)
        return FALSE;
    record->rgbResult = ChooserScript::colour;
    return TRUE;
}

} // namespace

int ChooserScript::calls = 0;
COLORREF ChooserScript::colour = RGB(0, 0, 0);
int ChooserScript::cancel = 0;

ChooserScript::ChooserScript() : previous(reinterpret_cast<void*>(setChooseColorFunction(answerChooser)))
{
    calls = 0;
    cancel = 0;
}

ChooserScript::~ChooserScript() { (void)setChooseColorFunction(reinterpret_cast<ChooseColorFunction>(previous)); }

PropertyDrawing::PropertyDrawing()
    : registry(makeKindRegistry()), kinds(theKindRegistry, registry.get())
{
    {
        ScopedOverride<DocumentMemberFactories> factories(documentMemberFactories);
        documentMemberFactories.propertyPlacement = makeRecordingPlacement;
        context.createMembers();
    }
    delete context.grid;
    context.grid = grid = new FixedGrid;
    delete context.paper;
    context.paper = paper = new FixedPaper;
    delete context.view;
    context.view = view = new LinearView;
    view->client = IntRect::fromEdges(0, 0, 500, 500);
    delete context.updater;
    context.updater = updater = new SurfaceUpdater(500, 500);
    context.linkManagers();
}

PropertyDrawing::~PropertyDrawing() { context.destroyManagers(); }

int PropertyDrawing::add(ElementKind kind, const std::function<void(Element&)>& fill)
{
    ElementEditorBase* editor = context.editor2;
    if (!editor || !editor->startNewElement(kindCode(kind)))
        return 0;
    Element& e = *editor->elementInHand();
    fill(e);
    return editor->commitNewElement() == 1 ? e.id : 0;
}

int PropertyDrawing::addLine(double x1, double y1, double x2, double y2)
{
    return add(ElementKind::Line, [&](Element& e) {
        e.firstPoint()->x = x1, e.firstPoint()->y = y1;
        e.secondPoint()->x = x2, e.secondPoint()->y = y2;
    });
}

int PropertyDrawing::addPoints(ElementKind kind, std::initializer_list<double> xy)
{
    return add(kind, [&](Element& e) {
        e.clearPoints();
        for (auto p = xy.begin(); p + 1 < xy.end(); p += 2)
            e.appendPoint(p[0], p[1], 0.0);
    });
}

int PropertyDrawing::addTextKind(ElementKind kind, const std::function<void(Element&)>& also)
{
    return add(kind, [&](Element& e) {
        if (kind == ElementKind::Text || kind == ElementKind::TextLine)
            e.insertTextAt(0, "note", 4);
        if (kind == ElementKind::Text) {
            e.firstPoint()->x = 40, e.firstPoint()->y = 60;
        } else {
            e.vertices()->count = 0;
            const int points = kind == ElementKind::MsrRadius || kind == ElementKind::MsrDiameter ? 1 : 3;
            const double xy[] = {20, 20, 60, 30, 110, 60};
            for (int i = 0; i < points; ++i)
                ASSERT_EQ(e.vertices()->appendXYZ(xy[2 * i], xy[2 * i + 1], 0), 1);
        }
        if (e.thirdPoint())
            e.thirdPoint()->x = 80, e.thirdPoint()->y = 90;
        also(e);
    });
}

Element& PropertyDrawing::stored(int id)
{
    ElementEditorBase* editor = context.editor4;
    EXPECT_EQ(editor->beginEdit(id), 1) << "element " << id;
    return *editor->elementInHand();
}

int PropertyDrawing::runSheet(int id, int hasPrevious, int hasNext, const Script& script)
{
    lastMade = nullptr;
    return static_cast<int>(driveModalDialog(
        [&]() -> INT_PTR { return context.editor3->runPropertySheet(id, hasPrevious, hasNext); }, script));
}

int addKind(PropertyDrawing& d, ElementKind kind, const std::function<void(Element&)>& also)
{
    return d.add(kind, [&](Element& e) {
        switch (kind) {
        case ElementKind::Breakline:
        case ElementKind::ArcBreakline:
        case ElementKind::Spline:
        case ElementKind::Polygon:
        case ElementKind::ArcPolygon:
            e.clearPoints();
            e.appendPoint(10, 10, 0), e.appendPoint(60, 20, 0), e.appendPoint(110, 60, 0);
            break;
        case ElementKind::Arc:
            e.firstPoint()->x = 10, e.firstPoint()->y = 50;
            e.secondPoint()->x = 90, e.secondPoint()->y = 50;
            e.thirdPoint()->x = 50, e.thirdPoint()->y = 10;
            break;
        case ElementKind::Circle:
            e.thirdPoint()->x = 100, e.thirdPoint()->y = 100;
            e.radii()->setValue(0, 25.5);
            e.value1()->value = 30.0;
            e.value2()->value = 120.0;
            break;
        case ElementKind::Text:
            e.insertTextAt(0, "abc", 3);
            break;
        default:
            e.firstPoint()->x = 100, e.firstPoint()->y = 100;
            e.secondPoint()->x = 150, e.secondPoint()->y = 140;
            break;
        }
        also(e);
    });
}

PropertyDialog* PropertyDrawing::dialog() { return lastMade; }

COLORREF PropertyDrawing::pixel(int x, int y) const { return GetPixel(updater->surface.hdc, x, y); }

std::string textOf(HWND dialog, int id)
{
    char text[512] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

void type(HWND dialog, int id, const char* text) { SetDlgItemTextA(dialog, id, text); }

int selectionOf(HWND dialog, int id) { return static_cast<int>(SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0)); }

void chooseItem(HWND dialog, int id, int index)
{
    SendDlgItemMessageA(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void tick(HWND dialog, int id, bool on)
{
    CheckDlgButton(dialog, id, on ? BST_CHECKED : BST_UNCHECKED);
    click(dialog, id);
}

bool isTicked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

bool isEnabled(HWND dialog, int id)
{
    HWND item = GetDlgItem(dialog, id);
    return item && IsWindowEnabled(item);
}

std::string captionOf(HWND dialog)
{
    char text[128] = {};
    GetWindowTextA(dialog, text, sizeof text);
    return text;
}

std::vector<std::string> itemsOf(HWND dialog, int id)
{
    std::vector<std::string> items;
    const int count = static_cast<int>(SendDlgItemMessageA(dialog, id, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[300] = {};
        if (SendDlgItemMessageA(dialog, id, CB_GETLBTEXTLEN, i, 0) < static_cast<LRESULT>(sizeof text))
            SendDlgItemMessageA(dialog, id, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        items.emplace_back(text);
    }
    return items;
}

std::vector<std::string> tabLabelsOf(HWND dialog)
{
    std::vector<std::string> labels;
    HWND tabs = GetDlgItem(dialog, TabControl::kControlId);
    const int count = tabs ? static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0)) : 0;
    for (int i = 0; i < count; ++i) {
        char text[64] = {};
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(tabs, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
        labels.emplace_back(text);
    }
    return labels;
}

void finish(HWND dialog, int id) { PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

} // namespace property_test
