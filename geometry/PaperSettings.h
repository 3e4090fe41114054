#pragma once
// A drawing's sheet as the coordinate types and the folders above see it; the document folder implements it.
#include "geometry/XmlSectionOwner.h"

class DocumentContext;

// A document's sheet (and, without owner, the application's paper defaults) as the coordinate
// types and the document context see it. The sheet itself, with its crop-mark and margin bands,
// its dialog, its file and settings sections and its painting, is SheetSettings
// (document/SheetSettings.h); tests put simpler papers in its place. It writes and reads the
// header sections paperSize, drawScale, tonbo, yohaku and zahyoType of the drawing file.
class PaperSettings : public XmlSectionOwner {
public:
    virtual ~PaperSettings() = default;

    virtual void setOwner(DocumentContext* owner) = 0;
    // Runs the paper dialog; on 1 the views are refreshed for the new sheet.
    virtual int runDialogAndRefresh() = 0;
    // Copies the settings of another paper (null does nothing).
    virtual void assign(const PaperSettings* other) = 0;
    // Zoom, caption, scroll bars and redraw after a new sheet.
    virtual void refreshViews() = 0;
    // The drawing scale's terms, each at least 1 (a drawing at 1:100 has 1 and 100): drawing
    // units are paper millimetres times the denominator over the numerator. 1:1 until the paper
    // settings say otherwise.
    [[nodiscard]] virtual int scaleNumerator() const { return 1; }
    [[nodiscard]] virtual int scaleDenominator() const { return 1; }
    // The sheet's extent along the y axis in drawing units (its height on screen): the 210 mm of
    // the default sheet times the denominator over the numerator.
    [[nodiscard]] virtual double verticalSizeInDrawing() const
    {
        return 210.0 * scaleDenominator() / (scaleNumerator() >= 1 ? scaleNumerator() : 1);
    }
    // The paper in millimetres along x and along y, and the crop-mark band around it by side (0
    // top, 1 left, 2 right, 3 bottom); a paper without bands answers 0 for them.
    [[nodiscard]] virtual double paperWidthMm() const { return 297.0; }
    [[nodiscard]] virtual double paperHeightMm() const { return 210.0; }
    [[nodiscard]] virtual double bandMm(int side) const
    {
        (void)side;
        return 0.0;
    }
    // The direction of the y axis shown to the user: 1 "UPPERPLUS" (up is plus, values measured
    // from the bottom of the sheet), 2 "UNDERPLUS" (down is plus, as drawing coordinates run).
    [[nodiscard]] virtual int yDirection() const { return 2; }
};

// The application's paper defaults, copied into every new document; null until the start-up
// makes them.
extern PaperSettings* thePaperDefaults;
