#include "dialogs/defaults/FontPage.h"

#include <cstring>

#include "dialogs/defaults/DefaultsDialog.h"
#include "dialogs/properties/PropertyFields.h"
#include "geometry/AttributeIo.h"
#include "geometry/FontAttributes.h"
#include "platform/ControlKinds.h"
#include "platform/FontInfo.h"

namespace font_page {
namespace {
// Font sizes in millimetres a page takes: above 0.1 and below 1000.
constexpr double kSmallestSize = 0.1001;
constexpr double kLargestSize = 999.999;
} // namespace

void declare(DefaultsDialog& dialog, const FontPageIds& ids)
{
    // An id of 0 is refused; every transfer looks for its control first.
    (void)dialog.addControl(ids.faceList, KIND_COMBO_BOX);
    (void)dialog.addControl(ids.styleList, KIND_COMBO_BOX);
    (void)dialog.addControl(ids.sizeField, KIND_REAL_EDIT);
}

void load(DefaultsDialog& dialog, const FontPageIds& ids, FontInfo& fontInfo, const FontAttributes& font)
{
    // A list or field the page lacks shows nothing.
    if (Control* faces = dialog.findControl(ids.faceList))
        (void)(fontInfo.fillFaceList(faces) && fontInfo.selectFaceInControl(faces) >= 0);
    if (Control* styles = dialog.findControl(ids.styleList))
        (void)(fontInfo.fillStyleList(styles) && attribute_io::selectListPosition(&dialog, ids.styleList, fontInfo.style));
    (void)dialog.setDouble(ids.sizeField, font.size);
}

int takeFace(DefaultsDialog& dialog, const FontPageIds& ids, FontInfo& fontInfo)
{
    Control* faces = dialog.findControl(ids.faceList);
    char before[LF_FACESIZE];
    std::strncpy(before, fontInfo.getFaceName(), sizeof before - 1);
    before[sizeof before - 1] = 0;
    return faces && fontInfo.takeFaceFromControl(faces) && std::strcmp(before, fontInfo.getFaceName()) != 0;
}

int takeStyle(DefaultsDialog& dialog, const FontPageIds& ids, FontInfo& fontInfo)
{
    int position = 0;
    if (!attribute_io::selectedListPosition(&dialog, ids.styleList, position) || position < FontInfo::kRegular ||
        position > FontInfo::kBoldItalic || position == fontInfo.style)
        return 0;
    fontInfo.style = position;
    return 1;
}

void store(DefaultsDialog& dialog, const FontPageIds& ids, FontInfo& fontInfo, FontAttributes& font)
{
    (void)takeFace(dialog, ids, fontInfo);  // a face not chosen or not installed stays
    (void)takeStyle(dialog, ids, fontInfo); // a style not chosen stays
    double size = 0.0;
    if (property_fields::takeReal(dialog, ids.sizeField, kSmallestSize, kLargestSize, size))
        font.size = size;
}

} // namespace font_page
