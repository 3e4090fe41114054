#pragma once
#include <cstdint>

#include "document/BoolValue.h"
#include "geometry/TagIds.h"

class DocumentContext;

// The options of the printer's marks drawn around the sheet: crop marks, trim marks with their
// length, bleed with its length, centre marks, and vertical and horizontal fold marks with their
// counts. Each drawing's context owns one. The print settings read it from the "autoTombo"
// element inside their "print" section of the file header; the print output uses the values.
class CropMarkSettings {
public:
    // The tags under the names of what they hold.
    enum Tag {
        kAutoTombo = tag_id::autoTombo,
        kCropMarks = tag_id::chkOut,
        kTrimMarks = tag_id::chkTati,
        kTrimLength = tag_id::tatiLen,
        kBleed = tag_id::chkNuritasi,
        kBleedLength = tag_id::nuritasiLen,
        kCentreMarks = tag_id::chkCenter,
        kVerticalFold = tag_id::chkOriTate,
        kVerticalFoldCount = tag_id::oriTateNum,
        kHorizontalFold = tag_id::chkOriYoko,
        kHorizontalFoldCount = tag_id::oriYokoNum,
    };
    // Fold mark counts a file may give; larger ones are data errors.
    static constexpr int kMaxFoldCount = 1000;

    CropMarkSettings() = default;
    virtual ~CropMarkSettings() = default;
    CropMarkSettings(const CropMarkSettings&) = delete;
    CropMarkSettings& operator=(const CropMarkSettings&) = delete;

    virtual void setOwner(DocumentContext* newOwner) { owner = newOwner; }

    // Reads the tags of the current XML context up to the tag closingTagId (the end of
    // "autoTombo"); unknown tags are skipped. 1, or 0 without a reader or when a value or closing
    // tag cannot be read.
    [[nodiscard]] int readXml(int closingTagId);
    // One tag's value into its field, then its closing tag; tag 0 reads nothing, other tags skip
    // their line.
    [[nodiscard]] int readTag(int tagId);

    DocumentContext* owner = nullptr; // not owned
    BoolValue cropMarksOn;
    BoolValue trimMarksOn;
    BoolValue bleedOn;
    BoolValue centreMarksOn;
    BoolValue verticalFoldOn;
    BoolValue horizontalFoldOn;
    int32_t verticalFoldCount = 3;
    int32_t horizontalFoldCount = 3;
    // Kept for the print output; the file does not carry them.
    double printValues[5] = {0.15, 0.0, 0.0, 1.0, 2.0};
    double trimLength = 7.0;  // mm
    double bleedLength = 3.0; // mm
};
