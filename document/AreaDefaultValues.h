#pragma once
// The area values the line and Bezier defaults share; the defaults dialogs' folder implements them.
#include "geometry/EdgeAttributes.h"
#include "geometry/FillAttributes.h"
#include "geometry/GrayAttributes.h"
#include "geometry/GrayValue.h"
#include "geometry/HatchAttributes.h"
#include "geometry/InkColor.h"

class SettingsFile;
class XmlContext;

// What the line-drawing and the Bezier defaults give a new closed figure: the colours of its
// outline, fill and hatch, the tints that go with them, and the outline, fill and hatch bundles of
// which only the draw switches ("外枠線あり", "塗りつぶし"), the hatch pattern and its pitches count.
// The colours are kept apart from the bundles and put together with them only when an element
// takes them (the take operations). A new fill is drawn in cyan, RGB (0, 255, 255).
//
// The two records write these values alike: the colour tags "edgeColor", "paintColor",
// "patternColor" and the bundle tags "edge", "paint" (the draw switch alone), "pattern" of the
// drawing file's header, and the colour, draw-switch and hatch keys of the settings file. The
// tints and the fill's screen (paintGray) are in no file.
class AreaDefaultValues {
public:
    // Settings keys, the same in the line-drawing and the Bezier section; the hatch keys are
    // HatchAttributes'. The three ink keys of the pattern colour are spelled with one T
    // ("PATERNCMYK", "PATERNNOSE", "PATERNUSEINK").
    enum SettingsKey : int {
        kEdgeColourKey = 15311,
        kPaintColourKey = 15312,
        kPatternColourKey = 15313,
        kEdgeDrawKey = 15314,
        kPaintDrawKey = 15315,
        kEdgeCmykKey = 15321,
        kPaintCmykKey = 15322,
        kPatternCmykKey = 15323,
        kEdgeNoseKey = 15324,
        kPaintNoseKey = 15325,
        kPatternNoseKey = 15326,
        kEdgeInkKey = 15327,
        kPaintInkKey = 15328,
        kPatternInkKey = 15329,
    };

    AreaDefaultValues() { paintColor.setRgbAndInks(0, 255, 255); }

    // The colours, the bundles and the fill's screen of another set; the tints stay.
    void assignValues(const AreaDefaultValues& other);
    // Each colour, the bundles' too, that holds no inks under the ink model takes those of its RGB
    // value (RgbColor::inksFromRgbIfNone).
    void inksFromRgbIfNone();

    // An element's bundle from these values: the bundle copied, then its colour and tint set
    // from the colour and tint kept apart.
    void takeEdgeInto(EdgeAttributes& into) const
    {
        into.assign(&edge);
        into.colour.assign(edgeColor);
        into.gray.assign(&edgeGray);
    }
    void takePaintInto(FillAttributes& into) const
    {
        into.assign(&paint);
        into.colour.assign(paintColor);
        into.gray.assign(&paintGray);
    }
    void takePatternInto(HatchAttributes& into) const
    {
        into.assign(&pattern);
        into.colour.assign(patternColor);
        into.gray.assign(&patternGray);
    }

    // --- the settings file (0 when a write failed) ---
    // The three colours as red, green, blue; with `inkKeys` also each colour's CMYK, overprint
    // and ink keys (edge, paint, pattern in turn).
    [[nodiscard]] int writeColourKeys(SettingsFile& file, int inkKeys) const;
    // The two draw switches, the hatch keyword and its two pitches (three decimals).
    [[nodiscard]] int writeAreaKeys(SettingsFile& file) const;
    // The value of the key just read when it is one of these keys: 1 when it was (a value that
    // is no colour, keyword or pitch, 0 < pitch <= 1000, is passed over and the old value stays),
    // 0 when it is not one of them.
    [[nodiscard]] int readKey(SettingsFile& file);

    // --- the drawing file, through the document's tag writer and reader ---
    [[nodiscard]] int writeColourTags(XmlContext& writer);
    [[nodiscard]] int writeBundleTags(XmlContext& writer);
    // The tag just opened when it is one of the six: its block read (an attribute_io child
    // result: read or failed); kChildNotMine for another tag.
    [[nodiscard]] int readXmlTag(XmlContext& reader, int tagId);

    InkColor edgeColor;
    InkColor paintColor;
    InkColor patternColor;
    GrayValue edgeGray;
    GrayValue patternGray;
    GrayAttributes paintGray;
    EdgeAttributes edge;
    FillAttributes paint;
    HatchAttributes pattern;
};
