#pragma once
#include <cmath>

#include "geometry/XmlContext.h"

class Dialog;
class DrawingOwner;
class SettingsFile;

// Pieces that the attribute values share for their drawing-file tags, their dialog controls and
// their lengths at drawing size.
namespace attribute_io {

// Answers of a block reader's child function.
enum ChildResult { kChildFailed = 0, kChildRead = 1, kChildNotMine = -1 };

// Reads the tags of a block up to the tag `endTag` (in any form). Each other opening tag goes to
// `child` (an int (int id) callable), which reads its value and closing tag and answers
// kChildRead, or kChildFailed to end the read with 0, or kChildNotMine to have the rest of the
// tag's line skipped. Closing tags of other blocks and tag id 0 are passed over. 0 when the file
// ends before `endTag`.
template <typename Child> [[nodiscard]] int readBlock(XmlContext& d, int endTag, Child child)
{
    int id = 0;
    for (;;) {
        if (!d.nextTag(id))
            return 0;
        if (id == endTag)
            return 1;
        if (id == 0 || d.isClosingTag())
            continue;
        const int result = child(id);
        if (result == kChildFailed)
            return 0;
        if (result == kChildNotMine && !d.skipLine())
            return 0;
    }
}

// The value of the value tag just opened, then its closing tag; 0 when either could not be read,
// and the target keeps its value unless both were.
[[nodiscard]] int readIntValue(XmlContext& d, int tag, int& value);
[[nodiscard]] int readDoubleValue(XmlContext& d, int tag, double& value);
// The value a real reads back as once the drawing file has written it with `decimals` decimals
// (its 15-digit form cut, as every real tag is written; a value that is not finite is written 0).
[[nodiscard]] double writtenBack(double value, int decimals);
// 1 when `accept` holds for the value as it will be written back with `decimals` decimals.
// `accept` (a bool (double) callable) describes an interval: a value that far inside it that the
// written digits cannot leave it is taken without forming them.
template <typename Accept> [[nodiscard]] int acceptsWrittenBack(double value, int decimals, Accept accept)
{
    // The digits differ from the value by less than a unit of the last decimal, or by the
    // rounding to 15 significant digits.
    const double slack = std::pow(10.0, -decimals) + std::fabs(value) * 1e-14;
    if (accept(value - slack) && accept(value + slack))
        return 1;
    return accept(writtenBack(value, decimals)) ? 1 : 0;
}
// readDoubleValue for a value with a valid range: `accept` (an interval, as above) is asked about
// the value as it will be written back with `decimals` decimals, so that nothing is taken that
// the next read of the saved file would refuse. A refused value is a data error of the tag and
// the target keeps its value; 0 only when the value or the closing tag could not be read.
template <typename Accept>
[[nodiscard]] int readDoubleValueIf(XmlContext& d, int tag, double& value, int decimals, Accept accept)
{
    double v = 0.0;
    if (!d.readDouble(v) || !d.expectTag(tag))
        return 0;
    if (acceptsWrittenBack(v, decimals, accept))
        value = v;
    else
        d.reportDataError(tag);
    return 1;
}
// A quoted text into a buffer of `size` bytes (at most size - 1 kept).
[[nodiscard]] int readQuotedValue(XmlContext& d, int tag, char* buffer, int size);

// Lists (combo boxes, positions counted from 1). Each returns 0 when the dialog has no control
// with the id, and the writers also when the control does not take what they give it (a control
// of another kind, a list that cannot hold the texts); every attribute's dialog glue answers so.
[[nodiscard]] int fillList(Dialog* dialog, int id, const char* const* texts, int count);
[[nodiscard]] int selectListPosition(Dialog* dialog, int id, int position);
[[nodiscard]] int selectedListPosition(Dialog* dialog, int id, int& position);
// Number fields; the readers leave `value` as it was without a control, and intFromField also
// while the field's text is empty or not wholly one integer (Control::readIntInRange).
[[nodiscard]] int realToField(Dialog* dialog, int id, double value);
[[nodiscard]] int realFromField(Dialog* dialog, int id, double& value);
[[nodiscard]] int intToField(Dialog* dialog, int id, int value);
[[nodiscard]] int intFromField(Dialog* dialog, int id, int& value);

// Settings values that must be numbers: the whole value (blanks around it allowed) is one
// finite number, an int within 32 bits; 0 and the target unchanged for a missing value, text,
// or an out-of-range int.
[[nodiscard]] int readSettingInt(SettingsFile& file, int& value);
[[nodiscard]] int readSettingDouble(SettingsFile& file, double& value);

// Drawing units per paper millimetre for the owner's paper: the scale denominator over the
// numerator (100 at 1:100); 1.0 without an owner or paper.
[[nodiscard]] double drawingScale(const DrawingOwner* owner);

// Copies a keyword (or "" for none) into out; 1 when there was one.
[[nodiscard]] int copyKeyword(const char* keyword, char* out, int size);
// Keyword tables: keywords[i] is the keyword of the code first + i (i < count).
// The keyword of code into out ("" for a code outside the table); 1 when there was one.
[[nodiscard]] int keywordOfCode(int code, const char* const* keywords, int count, int first, char* out, int size);
// The code of a keyword text; 0 and code unchanged for a text (or null) not in the table.
[[nodiscard]] int codeOfKeyword(const char* text, const char* const* keywords, int count, int first, int& code);

} // namespace attribute_io
