#pragma once
#include "document/BoolValue.h"
#include "geometry/InkColor.h"
#include "geometry/PaperSettings.h"

class Document;
class SettingsFile;
struct IntRect;

// The sheet a document is drawn on: its size in paper millimetres, the drawing scale, the
// direction of the y axis shown to the user, the crop-mark band ("tonbo") around the sheet and the
// margin band ("yohaku") inside it, each with an edge colour, an area colour and two switches.
// Each document context owns one; one without owner holds the application's defaults
// (thePaperDefaults), which the settings file's section "YOUSI" keeps.
//
// Units: sizes and band widths are paper millimetres; drawing units are millimetres times the
// denominator over the numerator (1:100 makes 1 mm of paper 100 drawing units). A size is always
// finite and above 0 and a scale term at least 1: every setter, the dialog and both readers keep
// the previous value for anything else.
//
// The drawing file keeps the size, the scale and the y direction ("paperSize", "drawScale",
// "zahyoType"). The crop-mark and margin sections ("tonbo", "yohaku") are read but never written,
// as stored files have always had it; so are their settings keys.
class SheetSettings : public PaperSettings {
public:
    // The settings file's section "YOUSI" and its keys.
    enum SettingsId {
        kSection = 15010,
        kVerticalKey = 15011,   // "YOUSITATE"
        kHorizontalKey = 15012, // "YOUSIYOKO"
        kNumeratorKey = 15013,  // "SCALEBSI"
        kDenominatorKey = 15014, // "SCALEBBO"
        kTonboEdgeColourKey = 15020, // "TONBOEGDECOLOR", r,g,b
        kTonboAreaColourKey = 15021,
        kTonboEdgeShownKey = 15022,
        kTonboAreaShownKey = 15023,
        kTonboTopKey = 15024,   // then left, right, bottom
        kYohakuEdgeColourKey = 15030,
        kYohakuAreaColourKey = 15031,
        kYohakuEdgeShownKey = 15032,
        kYohakuAreaShownKey = 15033,
        kYohakuTopKey = 15034,  // then left, right, bottom
        kDirectionKey = 15039,  // "ZAHYOTYPE"
    };
    // The y direction: 1 "UPPERPLUS" (up is plus), 2 "UNDERPLUS" (down is plus).
    enum Direction { kUpperPlus = 1, kUnderPlus = 2 };
    // The sides of a band, in the order the file, the settings and the painting take them.
    enum Side { kTop = 0, kLeft = 1, kRight = 2, kBottom = 3 };
    // A direction name read from the file or the settings keeps at most this many bytes.
    static constexpr int kDirectionNameLength = 78;
    // Sizes are kept and written with 3 decimals.
    static constexpr int kSizeDecimals = 3;
    // A band side narrower than this (in millimetres) is no band: nothing of it is painted.
    static constexpr double kMinBandWidth = 0.1;

    SheetSettings();

    void setOwner(DocumentContext* newOwner) override { owner = newOwner; }
    // 1 when every element stored in the owner's drawing could still be written by the drawing
    // file under the scale newNumerator / newDenominator, which the file writes its values at
    // (Document::canWriteStoredElements, with the scale in force meanwhile). 1 at once for the
    // scale in force and for a sheet that is not its drawing's.
    [[nodiscard]] int canTakeScale(int newNumerator, int newDenominator);
    // Edits a copy in the paper dialog and takes it on 1 (the dialog's result): the grid then
    // chooses units for a changed scale and takes its origin from the display again. Whatever
    // the result, the page painter and the page bar are refreshed.
    [[nodiscard]] virtual int runDialog();
    int runDialogAndRefresh() override;
    // Sizes, band widths, colours, switches and y direction, and the scale terms as the other's
    // queries give them; neither the owner nor oneToOne nor keepCoordinateType. A paper of
    // another class gives its scale terms and y direction.
    void assign(const PaperSettings* other) override;
    void refreshViews() override;

    // Queries.
    // The stored sizes brought to 3 decimals.
    [[nodiscard]] double verticalSize() const;
    [[nodiscard]] double horizontalSize() const;
    // 1 while oneToOne is set, else the stored term.
    [[nodiscard]] int scaleNumerator() const override;
    [[nodiscard]] int scaleDenominator() const override;
    // Paper millimetres in drawing units.
    [[nodiscard]] double toDrawing(double millimetres) const;
    [[nodiscard]] double verticalSizeInDrawing() const override { return toDrawing(verticalSize()); }
    [[nodiscard]] double horizontalSizeInDrawing() const { return toDrawing(horizontalSize()); }
    [[nodiscard]] double tonboInDrawing(Side side) const { return toDrawing(tonbo[side]); }
    [[nodiscard]] double yohakuInDrawing(Side side) const { return toDrawing(yohaku[side]); }
    [[nodiscard]] double tonboTopInDrawing() const { return tonboInDrawing(kTop); }
    [[nodiscard]] double tonboLeftInDrawing() const { return tonboInDrawing(kLeft); }
    [[nodiscard]] double tonboRightInDrawing() const { return tonboInDrawing(kRight); }
    [[nodiscard]] double tonboBottomInDrawing() const { return tonboInDrawing(kBottom); }
    [[nodiscard]] double yohakuTopInDrawing() const { return yohakuInDrawing(kTop); }
    [[nodiscard]] double yohakuLeftInDrawing() const { return yohakuInDrawing(kLeft); }
    [[nodiscard]] double yohakuRightInDrawing() const { return yohakuInDrawing(kRight); }
    [[nodiscard]] double yohakuBottomInDrawing() const { return yohakuInDrawing(kBottom); }
    // The sheet with its crop-mark band, in millimetres.
    [[nodiscard]] double verticalExtentWithMarks() const { return tonbo[kTop] + tonbo[kBottom] + verticalSize(); }
    [[nodiscard]] double horizontalExtentWithMarks() const { return tonbo[kLeft] + tonbo[kRight] + horizontalSize(); }
    [[nodiscard]] int yDirection() const override { return direction; }
    [[nodiscard]] double paperWidthMm() const override { return horizontalSize(); }
    [[nodiscard]] double paperHeightMm() const override { return verticalSize(); }
    [[nodiscard]] double bandMm(int side) const override { return side >= kTop && side <= kBottom ? tonbo[side] : 0.0; }
    // "UPPERPLUS" for 1, "UNDERPLUS" for 2, null for another value.
    [[nodiscard]] const char* yDirectionName() const;
    // Portrait: taller than wide.
    [[nodiscard]] int isPortrait() const { return verticalMm > horizontalMm; }

    // Setters. A size that is not finite and above 0 as written back with kSizeDecimals
    // decimals (so below 0.001) is refused (0, the size stays), whether it comes from a file,
    // the settings or the dialog; a scale term below 1 becomes 1; a band width that is not
    // finite is refused.
    [[nodiscard]] int setSize(double vertical, double horizontal);
    [[nodiscard]] int setVerticalSize(double millimetres);
    [[nodiscard]] int setHorizontalSize(double millimetres);
    void setScaleNumerator(int n) { numerator = n < 1 ? 1 : n; }
    void setScaleDenominator(int n) { denominator = n < 1 ? 1 : n; }
    [[nodiscard]] int setTonboWidth(Side side, double millimetres);
    [[nodiscard]] int setYohakuWidth(Side side, double millimetres);
    // "UPPERPLUS" sets 1 and "UNDERPLUS" 2; any other text (or null) changes nothing and gives 0.
    [[nodiscard]] int setYDirectionByName(const char* name);
    // 1 or 2; any other value changes nothing and gives 0.
    [[nodiscard]] int setYDirection(int value);

    // The drawing file. The writer gives "paperSize" (horizontal, then vertical), "drawScale" and,
    // unless keepCoordinateType, "zahyoType"; 0 at the first failed write. The readers take the
    // section whose opening tag was just read, up to its closing tag; 0 when a value or the
    // closing tag could not be read (the values read before it stay). A paperSize read to its end
    // resets the view's zoom and caption and recomputes the scroll bars.
    [[nodiscard]] virtual int writeXml(Document& document);
    [[nodiscard]] int writeXmlSection(Document& document) override { return writeXml(document); }
    [[nodiscard]] int readXmlSection(Document& document, int tagId) override;
    [[nodiscard]] int readPaperSize(Document& document);
    [[nodiscard]] int readDrawScale(Document& document);
    [[nodiscard]] int readTonbo(Document& document);
    [[nodiscard]] int readYohaku(Document& document);
    [[nodiscard]] int readCoordinateType(Document& document);

    // The settings file. The writer gives the section line, "YOUSIYOKO" and "YOUSITATE" (3
    // decimals), "SCALEBSI", "SCALEBBO" and, unless keepCoordinateType or the direction has no
    // name, "ZAHYOTYPE"; 0 when a write failed. The reader takes keys up to the next section or
    // the end of the file and passes over keys it does not know; 0 when a value could not be
    // read (the values read before it stay). A colour of fewer than three numbers is left as it
    // was.
    [[nodiscard]] virtual int writeIni(SettingsFile& file) const;
    [[nodiscard]] int readIni(SettingsFile& file);

    // Sheet painting onto the owner view's page surface (the redraw manager's surface of
    // operation 1), through the view's mapping: the light-gray surround with the gray shadow, the
    // crop-mark and margin bands, the sheet's edge line and the margin line. 1 when it painted, 0
    // without an owner, a view or a surface.
    int paintSheet();
    // The shadow's width in pixels: 10, or 5 while the page painter or the page bar's thumbnails
    // are being drawn.
    [[nodiscard]] int shadowSize() const;
    // The view window's client rectangle in pixels; empty without a view.
    void clientRect(IntRect& out) const;

    DocumentContext* owner = nullptr; // not owned
    double verticalMm = 210.0;        // extent along the y axis (the height on screen)
    double horizontalMm = 297.0;      // extent along the x axis
    InkColor tonboEdgeColour;         // the sheet's edge line, blue
    InkColor tonboAreaColour;         // the crop-mark band, white
    BoolValue tonboEdgeShown{1};
    BoolValue tonboAreaShown{1};
    double tonbo[4] = {};             // crop-mark band widths outside each side, by Side
    InkColor yohakuEdgeColour;        // the margin line, magenta
    InkColor yohakuAreaColour;        // the margin band, white
    BoolValue yohakuEdgeShown{1};
    BoolValue yohakuAreaShown{1};
    double yohaku[4] = {};            // margin band widths inside each side, by Side
    // While set, both scale terms read 1 (a part drawn into a thumbnail).
    int oneToOne = 0;
    int numerator = 1;
    int denominator = 1;
    int direction = kUnderPlus;
    // While set, the coordinate section is neither written nor applied when read. Nothing sets
    // it yet.
    int keepCoordinateType = 0;

private:
    // One key of the settings section; 0 when its value could not be read.
    [[nodiscard]] int readIniKey(SettingsFile& file, int id);
    // The views after a new sheet size, without the redraw.
    void resetViewsForSize();
};
