#pragma once
#include "geometry/EntityAttribute.h"

class Dialog;
class XmlContext;
class DrawingOwner;
class ElementRecordBuffer;
class SettingsFile;

// The width of a stroke in paper millimetres: its record image (one double), its real-number
// field, its drawing-file tag "lineSize" and its settings key ("LINESIZE"; six decimals).
class LineSizeAttribute : public EntityAttribute {
public:

    void assign(const LineSizeAttribute* other);
    [[nodiscard]] int exchangeRecord(int mode, ElementRecordBuffer& buffer);

    // The field's number into the width; 0 when the dialog has no such control.
    [[nodiscard]] int widthFromControl(Dialog* dialog, int id);
    [[nodiscard]] int setFromControl(Dialog* dialog, int id) { return widthFromControl(dialog, id); }

    // With bit 0 of flags set, the width times factor, taken only when it lies strictly between
    // 0.001 and 1000.0 (otherwise the width stays; nothing is clamped).
    void scale(double factor, int flags);

    // The real number of the value tag just opened, then the closing tag endTag (through the
    // current XML context).
    [[nodiscard]] int readXmlValue(int endTag);
    [[nodiscard]] int writeXml(XmlContext* context);
    // The writer's holder (XmlContext::currentLineSize) takes a copy and writes it.
    [[nodiscard]] int writeThroughHolder(XmlContext* context);
    [[nodiscard]] int readEntityXml(XmlContext& document, int tagId) override;

    [[nodiscard]] int readSetting(SettingsFile& file);
    [[nodiscard]] int writeSetting(SettingsFile& file, int key) const;

    DrawingOwner* owner = nullptr;
    double width = 0.14;
    XmlContext* xmlContext = nullptr;

private:
    [[nodiscard]] int readValueWith(XmlContext& d, int endTag);
};
