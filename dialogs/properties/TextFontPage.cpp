// The font page of the text-bearing kinds' property dialogs.
#include <cstring>
#include <string>

#include "dialogs/properties/PropertyFields.h"
#include "dialogs/properties/TextPropertyDialogBase.h"
#include "geometry/AttributeIo.h"
#include "geometry/FontAttributes.h"
#include "platform/ControlKinds.h"
#include "platform/GlobalBlock.h"

namespace {
// Font sizes a page takes, in millimetres: above 0.1 and below 1000, as scaling keeps them.
constexpr double kSmallestSize = 0.1001;
constexpr double kLargestSize = 999.999;
// The families a listing grows by at a time.
constexpr int kFaceGrowth = 64;
} // namespace

void TextPropertyDialogBase::listFaces()
{
    if (facesListed)
        return;
    facesListed = 1;
    GlobalBlock block(kFaceGrowth, sizeof(FaceRecord));
    if (!workingFont.listFamilies(&block))
        return; // the block is of the right size: never refused
    FaceRecord record;
    for (int i = 0; i < block.count; ++i)
        if (block.get(i, &record))
            faces.emplace_back(record.faceName);
}

void TextPropertyDialogBase::declareFontControls()
{
    // An id of 0 is refused; every transfer looks for its control first.
    (void)addControl(faceListId, KIND_COMBO_BOX);
    (void)addControl(styleListId, KIND_COMBO_BOX);
    (void)addControl(sizeEditId, KIND_REAL_EDIT);
}

void TextPropertyDialogBase::loadFontPage()
{
    if (!fontAttributes)
        return;
    workingFont.style = fontAttributes->style;
    if (Control* list = findControl(faceListId)) {
        listFaces();
        (void)list->reset(); // a list that cannot be emptied still takes the faces
        const char* own = fontAttributes->faceName;
        int listed = 0; // list positions count from 1; a face the list refuses is left out
        int chosen = 0;
        for (const std::string& face : faces) {
            if (!list->addString(face.c_str()))
                continue;
            ++listed;
            if (!chosen && face == own)
                chosen = listed;
        }
        // A face that is not installed here is listed too, so that it stays chosen.
        if (!chosen && own[0] && list->addString(own))
            chosen = listed + 1;
        if (chosen)
            (void)list->select(chosen);
    }
    if (Control* styles = findControl(styleListId))
        (void)(workingFont.fillStyleList(styles) && styles->select(workingFont.style)); // 1..4
    (void)setDouble(sizeEditId, fontAttributes->size);
}

void TextPropertyDialogBase::storeFontPage()
{
    if (!fontAttributes)
        return;
    // The face: only another one chosen replaces it, so an unchanged page keeps the stored name
    // byte for byte (up to its 255 bytes), installed or not.
    if (Control* list = findControl(faceListId)) {
        char face[FontAttributes::kFaceSize] = {};
        if (list->getSelectedText(face, sizeof face) > 0 && std::strcmp(face, fontAttributes->faceName) != 0)
            fontAttributes->setFaceNameAndLookup(face);
    }
    int position = 0;
    if (attribute_io::selectedListPosition(this, styleListId, position) && position >= FontInfo::kRegular &&
        position <= FontInfo::kBoldItalic)
        workingFont.style = position;
    fontAttributes->style = workingFont.style;
    double size = 0.0;
    if (property_fields::takeReal(*this, sizeEditId, kSmallestSize, kLargestSize, size))
        fontAttributes->size = size;
}
