#pragma once
#include "geometry/EntityAttribute.h"
#include "geometry/LineStyle.h"

class Dialog;
class DrawingOwner;
class SettingsFile;

// The line type of an element: the dash pattern with its list in the dialogs, its "lineType"
// block of the drawing file ("lineType", holding "style" and the lengths "jisen" (dash), "kuhaku"
// (gap) and "sasen" (dot) in paper millimetres) and its settings key ("LINESTYLE").
//
// The list offers the dash-dot styles by listMode: 3 all three ("鎖線1" .. "鎖線3"), 2 the first
// two, any other mode one entry "鎖線". Positions count from 1; a style the list lacks shows the
// neighbouring entry.
class LineTypeAttribute : public LineStyle, public EntityAttribute {
public:

    // Back to the defaults before the next element is read (owner and list mode stay).
    void reset();

    // Dash, gap and dot at drawing size (times the owner's scale denominator over numerator).
    [[nodiscard]] double scaledDash() const;
    [[nodiscard]] double scaledGap() const;
    [[nodiscard]] double scaledDot() const;

    // The list (combo box) by control id; 0 when the dialog has no such control.
    [[nodiscard]] int fillStyleList(Dialog* dialog, int id);
    [[nodiscard]] int styleToList(Dialog* dialog, int id);
    // The chosen entry's style through setStyleWithPresets; no selection changes nothing.
    [[nodiscard]] int styleFromList(Dialog* dialog, int id);
    [[nodiscard]] int positionOfStyle(int code) const;
    [[nodiscard]] int styleAtPosition(int position) const;

    // The drawing file through the current XML context. readXml reads up to endTag; a "style"
    // keyword sets the code only (no presets), and each length present sets its length (one
    // outside 0 < v <= 1000, as written back, is a data error of its tag and keeps the length);
    // a file without lengths keeps the current ones.
    [[nodiscard]] int readXml(int endTag);
    [[nodiscard]] int writeXml(XmlContext* context);
    // The writer's holder (XmlContext::currentLineType) takes a copy and writes it.
    [[nodiscard]] int writeThroughHolder(XmlContext* context);
    [[nodiscard]] int readEntityXml(XmlContext& document, int tagId) override;

    // The quoted keyword of the key just read (a code only, no presets); a text that is not a
    // keyword gives 0 and changes nothing. Written as key, "=", the quoted keyword.
    [[nodiscard]] int readSetting(SettingsFile& file);
    [[nodiscard]] int writeSetting(SettingsFile& file, int key) const;

    DrawingOwner* owner = nullptr;
    int listMode = 1;
    XmlContext* xmlContext = nullptr;

private:
    [[nodiscard]] int readXmlWith(XmlContext& d, int endTag);
};
