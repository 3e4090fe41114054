#pragma once
#include "geometry/EntityAttribute.h"

class CommonFileDialog;
class Dialog;
class XmlContext;

// The kind of a placed picture's file ("imageType"): 0 AUTO, 1 BMAP, 2 EPS, 3 GIF, 4 JPEG,
// 5 TIFF. The lists of the dialogs offer the kinds 1, 3, 4 and 5 (EPS pictures come only from
// drawing files), after a row "自動判別" (value 0) when the auto flag is set. A picture is always
// stored with a kind of 1..5: AUTO is resolved by the file's extension when it is placed.
class ImageTypeValue : public EntityAttribute {
public:
    enum Kind { kAuto = 0, kBmp = 1, kEps = 2, kGif = 3, kJpeg = 4, kTiff = 5 };
    static constexpr int kMaxListed = 10;

    ImageTypeValue();

    void assign(const ImageTypeValue* other);
    // The keyword of a kind ("AUTO" for one outside 0..5).
    [[nodiscard]] static const char* keyword(int kind);
    // The kind of a file name by its extension, without regard to case: .bmp 1, .eps 2, .gif 3,
    // .jpg and .jpeg 4, .tif and .tiff 5; 0 for any other.
    [[nodiscard]] static int kindOfPath(const char* path);
    // AUTO becomes the kind of the path's extension (it stays AUTO for an unknown one).
    void resolve(const char* path);

    // A quoted keyword of at most 80 characters, compared with "AUTO", "BMAP", "GIF", "JPEG",
    // "TIFF" and "EPS" in this order; another text leaves the value and still reads (1).
    [[nodiscard]] int readEntityXml(XmlContext& file, int tagId) override;
    [[nodiscard]] int writeXml(XmlContext& file) const;

    // The list control `id`: the auto row first when the flag is set, then one row per listed
    // kind by keyword; its row of the current value (rows count from 1; row 1 when the value is
    // not listed); the value of its selected row (0 for the auto row or no selection).
    [[nodiscard]] int fillList(Dialog* dialog, int id) const;
    [[nodiscard]] int selectCurrent(Dialog* dialog, int id) const;
    [[nodiscard]] int takeFromList(Dialog* dialog, int id);
    // The current keyword into the text control `id`; 0 without it.
    [[nodiscard]] int keywordToControl(Dialog* dialog, int id) const;
    // The chooser's filters: the current kind's own first, then "すべて(*.*)" (only that one for
    // a value outside 0..5). 0 when a filter could not be added.
    [[nodiscard]] int addFileFilters(CommonFileDialog& chooser) const;
    // The rows' texts as fillList shows them; their count.
    [[nodiscard]] int rowTexts(const char* out[kMaxListed + 1]) const;

    int value = kAuto;
    int listed[kMaxListed] = {};
    int listedCount = 0;
    int autoRow = 0;
};
