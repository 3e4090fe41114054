#pragma once
#include "geometry/EntityAttribute.h"

class SettingsFile;
class XmlContext;

// The layer of an element, 0..255 (100 by default). Drawing-file tag "layer" and settings key
// "LAYERNO", both plain integers; it has no record image of its own (the index entry holds it).
class LayerNumber : public EntityAttribute {
public:
    static constexpr int kDefaultLayer = 100;
    static constexpr int kLastLayer = 255;

    void reset() { layer = kDefaultLayer; }
    void assign(const LayerNumber* other)
    {
        if (other)
            layer = other->layer;
    }

    // The integer of the value tag just opened, then the closing tag endTag, through the current
    // XML context. A number outside 0..255 is a data error of the tag and is not taken.
    [[nodiscard]] int readXmlValue(int endTag);
    // Sets the layer, then writes its tag through the current XML context.
    [[nodiscard]] int writeXml(int newLayer);
    [[nodiscard]] int readEntityXml(XmlContext& document, int tagId) override;

    // The integer of the key just read; anything but one number within 0..255 fails the read and
    // changes nothing. Written as key, "=", the integer, line end.
    [[nodiscard]] int readSetting(SettingsFile& file);
    [[nodiscard]] int writeSetting(SettingsFile& file, int key) const;

    int layer = kDefaultLayer;
};
