#pragma once
#include "geometry/AttributeIo.h"
#include "geometry/SettingsFile.h"

class ArrowHeadStyle;
class DrawLineAttribute;
class InkColor;
class LayerNumber;
class LineAttribute;
class XmlContext;

// The values of the text and measure defaults as the drawing file's header and the settings file
// hand them in: a value is read into a copy and taken only when the record can keep it as a
// default (a layer within 0..255; widths, lengths, gaps and overshoots finite within 0..1000 mm; a
// finite lean), else the file's data error (the header) or a line passed over (the settings), and
// the record keeps what it had. The lines' flags of what they write stay the record's.
namespace record_values {

// A colour tag ("textColor" ...) around the colour's block.
[[nodiscard]] int writeColourTag(XmlContext& writer, int tag, InkColor& colour);

// The block (value) of the tag just opened, up to its closing tag.
[[nodiscard]] attribute_io::ChildResult readColourTag(XmlContext& reader, int tag, InkColor& colour);
[[nodiscard]] attribute_io::ChildResult readLayerTag(XmlContext& reader, int tag, LayerNumber& layer);
[[nodiscard]] attribute_io::ChildResult readUnderlineTag(XmlContext& reader, int tag, LineAttribute& underline);
[[nodiscard]] attribute_io::ChildResult readLeaderTag(XmlContext& reader, int tag, DrawLineAttribute& leader);
[[nodiscard]] attribute_io::ChildResult readArrowTag(XmlContext& reader, int tag, ArrowHeadStyle& arrow);

// A record's section: each key up to the next section handed to `key` (with the key's id); the
// last key result (nonzero when the next section's name was read).
template <typename Key> int readKeys(SettingsFile& file, Key key)
{
    for (;;) {
        const int more = file.readKey();
        if (!more || file.currentKind() == SettingsFile::kSection)
            return more;
        key(file.currentId());
    }
}

// The key just read when it is one of the value's keys ("ULINELSIZE"; "DRAWLSTYLE" ..
// "DRAWOVER"; "ARROWSTYLE" .. "ARROWLEAN"): 1 when it was, whether its value was taken or not;
// 0 for another key.
[[nodiscard]] int readUnderlineSetting(SettingsFile& file, LineAttribute& underline);
[[nodiscard]] int readLeaderSetting(SettingsFile& file, DrawLineAttribute& leader);
[[nodiscard]] int readArrowSetting(SettingsFile& file, ArrowHeadStyle& arrow);

} // namespace record_values
