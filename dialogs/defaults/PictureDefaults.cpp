#include "document/DocumentContext.h"
#include "document/PictureDefaults.h"

#include "dialogs/defaults/DefaultsProtocol.h"
#include "dialogs/defaults/PictureBatchDialog.h"
#include "dialogs/defaults/PictureSettingsDialog.h"
#include "document/BatchFlags.h"
#include "document/Element.h"
#include "document/ElementKind.h"
#include "document/FolderMemory.h"
#include "platform/CommonFileDialog.h"
#include "shapes/ImageTypeValue.h"

PictureDefaults::PictureDefaults() { thumbnail.value = 1; }

void PictureDefaults::setOwner(DocumentContext* drawing)
{
    ElementDefaults::setOwner(drawing);
    startPoint.owner = drawing;
    endPoint.owner = drawing;
}

int PictureDefaults::editSettings()
{
    return runSettingsProtocol<PictureDefaults, PictureSettingsDialog>(*this, thePictureDefaults, "ピクチャーの設定");
}

int PictureDefaults::batchEdit()
{
    return runBatchProtocol<PictureDefaults, PictureBatchDialog>(*this, "ピクチュアーの一括編集");
}

void PictureDefaults::copyFrom(const PictureDefaults* other)
{
    if (other)
        assignValues(*other);
}

int PictureDefaults::hasImage() { return hasPlacedKind(); }

int PictureDefaults::chooseFile(int kind) { return placeImage(kind); }

void PictureDefaults::assignValues(const PictureDefaults& other)
{
    layer.assign(&other.layer);
    imageKind = other.imageKind;
    thumbnail.value = other.thumbnail.value;
}

void PictureDefaults::assignBatch(const PictureDefaults& other)
{
    copyBatchFlags(flags, other.flags, kFlagCount);
    (void)startPoint.copyFrom(&other.startPoint); // a point always copies
    (void)endPoint.copyFrom(&other.endPoint);
    assignBatchBase(other);
}

void PictureDefaults::clearFlags() { clearBatchFlags(flags, kFlagCount); }

int PictureDefaults::anyFlagSet() const { return anyBatchFlag(flags, kFlagCount); }

int PictureDefaults::accepts(int kind)
{
    return kind == kindCode(ElementKind::Bitmap) || kind == kindCode(ElementKind::Picture) ? 1 : 0;
}

int PictureDefaults::apply(Element* e)
{
    if (!e)
        return 0;
    int r = applyLayer(e, 0);
    const batch_flags::Steps ticked(flags, r);
    const bool startX = ticked(kStartXFlag), startY = ticked(kStartYFlag);
    const bool endX = ticked(kEndXFlag), endY = ticked(kEndYFlag);
    const DrawPoint* first = e->firstPoint();
    const DrawPoint* second = e->secondPoint();
    if (!(startX || startY || endX || endY) || !first || !second)
        return r;
    // The ticked coordinates of both corners go in as one change of the frame: a picture's mask
    // follows from the frame before to the frame after, never through a frame between them.
    Point start = *first, end = *second;
    if (startX)
        start.x = startPoint.x;
    if (startY)
        start.y = startPoint.y;
    if (endX)
        end.x = endPoint.x;
    if (endY)
        end.y = endPoint.y;
    e->setCorners(start, end);
    return r;
}

int PictureDefaults::placeImage(int kind)
{
    if (kind < ImageTypeValue::kBmp || kind > ImageTypeValue::kTiff)
        return -1;
    imageKind = kind;
    placedKind = -1;
    // The dialog opens in the folder of the file chosen last, else in the remembered one. The
    // choice goes into a name of its own, so that a cancelled dialog leaves the last file.
    FileName chosen;
    char folder[FileName::pathCapacity] = {};
    if (getFolderPart(fileName.getPath(), folder) > 0)
        (void)chosen.setPath(folder); // a folder that fits a name always fits
    else if (theFolderMemory)
        theFolderMemory->beforeDialog(chosen);
    CommonFileDialog dialog;
    ImageTypeValue filters;
    filters.value = kind;
    if (!filters.addFileFilters(dialog) || !dialog.askOpenFile(chosen))
        return -1;
    fileName.assign(&chosen);
    if (theFolderMemory)
        theFolderMemory->afterDialog(fileName);
    placedKind = kind;
    return 1;
}
