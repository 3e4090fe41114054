#include "dialogs/defaults/PictureSettingsDialog.h"

#include "document/PictureDefaults.h"
#include "platform/ControlKinds.h"
#include "resources/ids_images.h"

namespace {

enum Page { kCommon, kDisplay, kPageCount };

const char* const kTabs[kPageCount] = {"共通", "表示"};
const int kPageIds[kPageCount] = {0, IDD_PICTURE_SETTINGS_DISPLAY};

} // namespace

PictureSettingsDialog::PictureSettingsDialog() { setPages(kTabs, kPageIds, kPageCount); }

PictureDefaults* PictureSettingsDialog::pictures() const { return static_cast<PictureDefaults*>(record); }

void PictureSettingsDialog::declareControls()
{
    AttributeSettingsDialog::declareControls();
    if (currentPage == kDisplay)
        (void)addControl(IDC_PICTURE_SET_THUMBNAIL, KIND_CHECK_BUTTON); // only memory can refuse it
}

void PictureSettingsDialog::loadPage()
{
    AttributeSettingsDialog::loadPage();
    PictureDefaults* r = pictures();
    if (r && currentPage == kDisplay)
        (void)r->thumbnail.writeToControl(this, IDC_PICTURE_SET_THUMBNAIL); // a missing box shows nothing
}

void PictureSettingsDialog::storePage()
{
    AttributeSettingsDialog::storePage();
    PictureDefaults* r = pictures();
    if (r && currentPage == kDisplay)
        (void)r->thumbnail.readFromControl(this, IDC_PICTURE_SET_THUMBNAIL); // as above: nothing taken
}
