#include "dialogs/properties/PicturePropertyDialog.h"

#include <initializer_list>

#include "dialogs/properties/ImagePlacementPage.h"
#include "document/DocumentContext.h"
#include "document/FileNameValue.h"
#include "document/FolderMemory.h"
#include "elements/PictureElement.h"
#include "platform/CommonFileDialog.h"
#include "platform/ControlKinds.h"
#include "platform/FileName.h"
#include "resources/ids_images.h"
#include "resources/ids_properties.h"
#include "shapes/ImageMask.h"
#include "shapes/ImageTypeValue.h"

namespace {

enum Page { kCommonPage = 0, kTypePage = 1, kPointPage = 2, kMaskPage = 3, kPageCount = 4 };

const char* const kTabs[kPageCount] = {"共通", "タイプ", "座標", "マスク"};
const int kPages[kPageCount] = {IDD_PROPERTY_COMMON, IDD_PICTURE_TYPE, IDD_PICTURE_POINTS, IDD_PICTURE_MASK};
const ImagePlacementIds kPlacement = {IDC_PICTURE_START_X, IDC_PICTURE_START_Y, IDC_PICTURE_END_X,
                                      IDC_PICTURE_END_Y,   IDC_PICTURE_X_UNIT,  IDC_PICTURE_Y_UNIT,
                                      IDC_PICTURE_WIDTH_PERCENT, IDC_PICTURE_HEIGHT_PERCENT};
const VertexPageIds kMaskIds = {IDC_MASK_POINT_X, IDC_MASK_POINT_Y, IDC_MASK_X_UNIT, IDC_MASK_Y_UNIT,
                                IDC_MASK_NUMBER,  IDC_MASK_COUNT,   IDC_MASK_PREVIOUS, IDC_MASK_NEXT,
                                0,                0};

// The mask tools and the results they end the dialog with.
struct MaskTool {
    int button;
    int result;
};
const MaskTool kMaskTools[] = {{IDC_MASK_CREATE, 9901}, {IDC_MASK_MOVE, 9902}, {IDC_MASK_SCALE, 9903},
                               {IDC_MASK_MOVE_POINTS, 9904}};

int isAnchor(int index) { return index % 3 == 0; }

} // namespace

PicturePropertyDialog::PicturePropertyDialog() : stepper(kMaskIds, 0) { setKindPages(kTabs, kPages, kPageCount); }

void PicturePropertyDialog::setElement(Element* target)
{
    PropertyDialog::setElement(target);
    picture = dynamic_cast<PictureElement*>(target);
    stepper.bind(&absolute, nullptr, documentContext);
    absolute.owner = documentContext;
}

int PicturePropertyDialog::runKind(PropertyStepRecord& record) { return run(record, "ピクチュアー"); }

void PicturePropertyDialog::declareControls()
{
    PropertyDialog::declareControls();
    // Declaring fails only when memory ran out; the page then shows without the control, and
    // every transfer looks for it first.
    switch (currentPage) {
    case kTypePage:
        (void)addControl(IDC_PICTURE_KIND_NAME, KIND_INTEGER_DISPLAY);
        (void)addControl(IDC_PICTURE_FILE_NAME, KIND_TEXT_EDIT);
        (void)addControl(IDC_PICTURE_CHANGE_FILE, KIND_PUSH_BUTTON);
        break;
    case kPointPage:
        image_placement_page::declare(*this, kPlacement);
        break;
    case kMaskPage:
        stepper.declare(*this);
        (void)addControl(IDC_MASK_POINT_KIND, KIND_INTEGER_DISPLAY);
        for (int id : {IDC_MASK_CREATE, IDC_MASK_DELETE, IDC_MASK_MOVE, IDC_MASK_SCALE, IDC_MASK_MOVE_POINTS})
            (void)addControl(id, KIND_PUSH_BUTTON);
        break;
    default:
        break;
    }
}

PointList* PicturePropertyDialog::outline() const
{
    return picture && picture->imageMask() ? &picture->imageMask()->outline : nullptr;
}

void PicturePropertyDialog::loadPage()
{
    PropertyDialog::loadPage();
    if (!picture)
        return;
    switch (currentPage) {
    case kTypePage:
        loadTypePage();
        break;
    case kPointPage:
        image_placement_page::load(*this, kPlacement, *picture);
        showScale();
        break;
    case kMaskPage:
        loadMaskPage();
        break;
    default:
        break;
    }
}

void PicturePropertyDialog::loadTypePage()
{
    // Each transfer answers 0 only for a control the page lacks.
    if (picture->imageKind())
        (void)picture->imageKind()->keywordToControl(this, IDC_PICTURE_KIND_NAME);
    if (picture->fileName())
        (void)picture->fileName()->writeToControl(this, IDC_PICTURE_FILE_NAME);
}

void PicturePropertyDialog::loadMaskPage()
{
    // The outline as the page shows it: every point moved by the start corner.
    PointList* relative = outline();
    const DrawPoint* start = picture->firstPoint();
    absolute.count = 0;
    if (relative && start && absolute.copyPoints(relative))
        (void)absolute.translate(start->x, start->y, 0.0); // in place: always moves
    stepper.load(*this);
    const int count = stepper.hasVertex() ? absolute.count : 0;
    (void)setText(IDC_MASK_POINT_KIND, count == 0 ? " " : isAnchor(stepper.current) ? "アンカー" : "フロート");
    (void)enableControl(IDC_MASK_CREATE, count == 0);
    for (int id : {IDC_MASK_DELETE, IDC_MASK_MOVE, IDC_MASK_SCALE, IDC_MASK_MOVE_POINTS})
        (void)enableControl(id, count > 0);
    if (count > 0)
        markVertex(stepper.working);
}

void PicturePropertyDialog::storeMaskPage()
{
    PointList* relative = outline();
    const DrawPoint* start = picture->firstPoint();
    if (!relative || !start || !stepper.hasVertex() || stepper.current >= relative->count)
        return;
    const DrawPoint shown = stepper.working;
    stepper.store(*this, coordinateLimit());
    // Only a point typed anew goes back, less the start corner: an untouched one stays exact.
    if (stepper.working.x == shown.x && stepper.working.y == shown.y)
        return;
    DrawPoint point = stepper.working;
    point.x -= start->x;
    point.y -= start->y;
    (void)relative->setPoint(stepper.current, &point); // current lies within the outline
}

void PicturePropertyDialog::storePage()
{
    PropertyDialog::storePage();
    if (!picture)
        return;
    if (currentPage == kPointPage)
        image_placement_page::store(*this, kPlacement, *picture, coordinateLimit());
    else if (currentPage == kMaskPage)
        storeMaskPage();
}

void PicturePropertyDialog::applyPage(int markVertex)
{
    PropertyDialog::applyPage(markVertex);
    if (currentPage == kPointPage)
        showScale();
}

void PicturePropertyDialog::showScale()
{
    double width = 0.0, height = 0.0;
    if (!picture->placementSize(width, height))
        width = height = 0.0; // no image to compare with: "0.00 %"
    image_placement_page::showScale(*this, kPlacement, *picture, width, height);
}

int PicturePropertyDialog::changeFile()
{
    if (!picture->imageKind() || !picture->fileName())
        return 0;
    FileName chosen;
    if (theFolderMemory)
        theFolderMemory->beforeDialog(chosen);
    CommonFileDialog chooser;
    if (!picture->imageKind()->addFileFilters(chooser) || !chooser.askOpenFileOwned(chosen, this))
        return 0;
    picture->fileName()->setText(chosen.getPath());
    return 1;
}

int PicturePropertyDialog::onPageEvent()
{
    if (event != DLG_COMMAND && event != DLG_CLICK)
        return 0;
    const int id = currentControl ? currentControl->id : 0;
    if (id == 0 || !picture)
        return 0;
    if (currentPage == kTypePage && id == IDC_PICTURE_CHANGE_FILE) {
        if (changeFile())
            loadTypePage();
        return 1;
    }
    if (currentPage != kMaskPage)
        return 0;
    for (const MaskTool& tool : kMaskTools)
        if (id == tool.button) {
            if (!storeShownPage())
                return 1;
            result = tool.result;
            end();
            return 1;
        }
    if (id == IDC_MASK_DELETE) {
        if (PointList* relative = outline())
            relative->count = 0;
        applyPage(0);
        stepper.current = 0;
        loadMaskPage();
        return 1;
    }
    return stepper.stepOnClick(*this, id, [this] { loadMaskPage(); });
}
