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
    int exchangeRecord(int mode, ElementRecordBuffer& buffer);

    // The field's number into the width; 0 when the dialog has no such control.
    int widthFromControl(Dialog* dialog, int id);
    int setFromControl(Dialog* dialog, int id) { return widthFromControl(dialog, id); }

    // With bit 0 of flags set, the width times factor, taken only when it lies strictly between
    // 0.001 and 1000.0 (otherwise the width stays; nothing is clamped).
    void scale(double factor, int flags);

    // The real number of the value tag just opened, then the closing tag endTag (through the
    // current XML context).
    int readXmlValue(int endTag);
    int writeXml(XmlContext* context);
    // The writer's holder (XmlContext::currentLineSize) takes a copy and writes it.
    int writeThroughHolder(XmlContext* context);
    int readEntityXml(XmlContext& document, int tagId) override;

    int readSetting(SettingsFile& file);
    int writeSetting(SettingsFile& file, int key) const;

    DrawingOwner* owner = nullptr;
    double width = 0.14;
    XmlContext* xmlContext = nullptr;

private:
    int readValueWith(XmlContext& d, int endTag);
};
