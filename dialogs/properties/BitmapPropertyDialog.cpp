#include "dialogs/properties/BitmapPropertyDialog.h"

#include "dialogs/properties/ImagePlacementPage.h"
#include "elements/BitmapElement.h"
#include "resources/ids_images.h"
#include "resources/ids_properties.h"

namespace {

enum Page { kCommonPage = 0, kPointPage = 1, kPageCount = 2 };

const char* const kTabs[kPageCount] = {"共通", "座標"};
const int kPages[kPageCount] = {IDD_PROPERTY_COMMON, IDD_BITMAP_POINTS};
const ImagePlacementIds kPlacement = {IDC_BITMAP_START_X, IDC_BITMAP_START_Y, IDC_BITMAP_END_X,
                                      IDC_BITMAP_END_Y,   IDC_BITMAP_X_UNIT,  IDC_BITMAP_Y_UNIT,
                                      IDC_BITMAP_WIDTH_PERCENT, IDC_BITMAP_HEIGHT_PERCENT};
// The bitmap's size at a zoom of 100 %.
constexpr double kFullSize = 100.0;

} // namespace

BitmapPropertyDialog::BitmapPropertyDialog() { setKindPages(kTabs, kPages, kPageCount); }

int BitmapPropertyDialog::runKind(PropertyStepRecord& record) { return run(record, "ビットマップ"); }

void BitmapPropertyDialog::declareControls()
{
    PropertyDialog::declareControls();
    if (currentPage == kPointPage)
        image_placement_page::declare(*this, kPlacement);
}

void BitmapPropertyDialog::loadPage()
{
    PropertyDialog::loadPage();
    if (!element || currentPage != kPointPage)
        return;
    image_placement_page::load(*this, kPlacement, *element);
    showScale();
}

void BitmapPropertyDialog::storePage()
{
    PropertyDialog::storePage();
    if (element && currentPage == kPointPage)
        image_placement_page::store(*this, kPlacement, *element, coordinateLimit());
}

void BitmapPropertyDialog::applyPage(int markVertex)
{
    PropertyDialog::applyPage(markVertex);
    showScale();
}

void BitmapPropertyDialog::showScale()
{
    auto* bitmap = dynamic_cast<BitmapElement*>(element);
    if (bitmap)
        image_placement_page::showScale(*this, kPlacement, *bitmap, bitmap->widthAtZoom(kFullSize),
                                        bitmap->heightAtZoom(kFullSize));
}
