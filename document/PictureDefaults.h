#pragma once
// The picture defaults record: read by this folder and those above; the defaults dialogs' folder implements it.
#include "document/ElementDefaults.h"
#include "geometry/DrawPoint.h"
#include "geometry/IntValue.h"
#include "platform/FileName.h"

// The default record of the bitmap (kind 18) and the placed picture (kind 19). It serves three
// purposes:
// - placement: the tools "BITMAP", "EPS", "GIF", "JPEG" and "TIFF" (1062..1066) let the user
//   choose a file of their image kind (placeImage); the next mouse move over the drawing places a
//   new picture (DocumentContext::placePicture, once hasPlacedKind), which takes the record's
//   layer, image kind and file (PictureElement::takePlacementDefaults);
// - "ピクチャーの設定" (PictureSettingsDialog, command 1060 "IMAGE設定"): the layer of new pictures and
//   whether JPEG pictures are drawn as thumbnails, which the drawing's pictures read at each draw;
// - "ピクチュアーの一括編集" (PictureBatchDialog, 1061 "IMAGE一括"): the start or end coordinates of the
//   selected bitmaps and pictures, each applied only when ticked.
//
// The record is in no file: neither the drawing's header nor the settings file holds it.
class PictureDefaults : public ElementDefaults {
public:
    // The batch edit's apply flags, in the order apply takes them.
    enum Flag : int { kStartXFlag, kStartYFlag, kEndXFlag, kEndYFlag, kFlagCount };

    PictureDefaults();

    // --- what the document and the element kinds call ---
    void setOwner(DocumentContext* drawing) override;
    int editSettings() override;
    int batchEdit() override;
    // assignValues under the name the document uses; null does nothing.
    virtual void copyFrom(const PictureDefaults* other);
    // hasPlacedKind and placeImage under the names the document and the shell use.
    [[nodiscard]] virtual int hasImage();
    virtual int chooseFile(int imageKind);
    // Kinds 18 and 19.
    [[nodiscard]] int accepts(int kind) override;
    // The ticked values into one element (the layer first); 1 when something was applied.
    int apply(Element* element) override;

    // --- read by the picture element ---
    // 1 once a placement command chose a file (placedKind > 0).
    [[nodiscard]] int hasPlacedKind() const { return placedKind > 0; }
    // "サムネイルで表示する(JPEG)": the drawing mode the drawing's pictures are drawn with.
    [[nodiscard]] int thumbnailFlag() const { return thumbnail.value; }

    // --- the record ---
    // The layer, the kind of imageKind and thumbnail; not placedKind, fileName or any flag.
    void assignValues(const PictureDefaults& other);
    // Every apply flag, the two points, the owner and the layer flag.
    void assignBatch(const PictureDefaults& other);
    void clearFlags();
    [[nodiscard]] int anyFlagSet() const;

    // A placement command for image kind 1..5: imageKind takes the kind, the system's open dialog
    // (file and folder must exist) offers the kind's files, starting in the folder of the file
    // chosen last or else the folder memory's. 1 when a file was chosen: it is fileName then, its
    // folder goes to the folder memory and placedKind is the kind. -1 when the dialog was
    // cancelled (or the kind is none of 1..5): placedKind stays -1 and fileName keeps the file
    // chosen before.
    [[nodiscard]] int placeImage(int kind);

    int placedKind = -1;
    // The image kind the last placement command asked for (the picture's codes: 0 AUTO, 1 BMAP,
    // 2 EPS, 3 GIF, 4 JPEG, 5 TIFF); the open dialog offers its files.
    int imageKind = 0;
    IntValue thumbnail;
    FileName fileName;
    DrawPoint startPoint;
    DrawPoint endPoint;
    IntValue flags[kFlagCount];
};

// The application's record, copied into every new document.
// (Defined in document/GlobalManagers.cpp, with its first readers.)
extern PictureDefaults* thePictureDefaults;
