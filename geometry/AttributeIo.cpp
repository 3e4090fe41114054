#include "geometry/AttributeIo.h"

#include "geometry/DrawingOwner.h"
#include "geometry/PaperSettings.h"
#include "geometry/SettingsFile.h"
#include "platform/Dialog.h"
#include "platform/StringUtil.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace attribute_io {

int readIntValue(XmlContext& d, int tag, int& value)
{
    int v = 0;
    if (!d.readInt(v) || !d.expectTag(tag))
        return 0;
    value = v;
    return 1;
}

int readDoubleValue(XmlContext& d, int tag, double& value)
{
    double v = 0.0;
    if (!d.readDouble(v) || !d.expectTag(tag))
        return 0;
    value = v;
    return 1;
}

double writtenBack(double value, int decimals)
{
    char digits[64];
    if (!StringUtil::formatDouble(value, decimals, digits, 0))
        return std::nan("");
    return std::strtod(digits, nullptr);
}

int readQuotedValue(XmlContext& d, int tag, char* buffer, int size)
{
    return d.readQuoted(buffer, size) && d.expectTag(tag);
}

namespace {
// The value as text; 0 when it could not be read or holds nothing but blanks.
int readSettingText(SettingsFile& file, char* text, int size)
{
    if (!file.readString(text, size))
        return 0;
    const char* p = text;
    while (*p == ' ' || *p == '\t')
        ++p;
    return *p != 0;
}

int onlyBlanksFrom(const char* end)
{
    while (*end == ' ' || *end == '\t')
        ++end;
    return *end == 0;
}
} // namespace

int readSettingInt(SettingsFile& file, int& value)
{
    char text[80];
    if (!readSettingText(file, text, sizeof text))
        return 0;
    char* end = nullptr;
    errno = 0;
    const long long v = std::strtoll(text, &end, 10);
    if (end == text || !onlyBlanksFrom(end) || errno == ERANGE || v < INT_MIN || v > INT_MAX)
        return 0;
    value = static_cast<int>(v);
    return 1;
}

int readSettingDouble(SettingsFile& file, double& value)
{
    char text[80];
    if (!readSettingText(file, text, sizeof text))
        return 0;
    char* end = nullptr;
    const double v = std::strtod(text, &end);
    if (end == text || !onlyBlanksFrom(end) || !std::isfinite(v))
        return 0;
    value = v;
    return 1;
}

int fillList(Dialog* dialog, int id, const char* const* texts, int count)
{
    Control* list = dialog ? dialog->findControl(id) : nullptr;
    if (!list || !list->reset())
        return 0;
    for (int i = 0; i < count; ++i)
        if (!list->addString(texts[i]))
            return 0;
    return 1;
}

int selectListPosition(Dialog* dialog, int id, int position)
{
    Control* list = dialog ? dialog->findControl(id) : nullptr;
    if (!list)
        return 0;
    return list->select(position) ? 1 : 0;
}

int selectedListPosition(Dialog* dialog, int id, int& position)
{
    Control* list = dialog ? dialog->findControl(id) : nullptr;
    if (!list)
        return 0;
    position = list->getSelection();
    return 1;
}

int realToField(Dialog* dialog, int id, double value)
{
    Control* field = dialog ? dialog->findControl(id) : nullptr;
    if (!field)
        return 0;
    return field->setDouble(value) ? 1 : 0;
}

int realFromField(Dialog* dialog, int id, double& value)
{
    Control* field = dialog ? dialog->findControl(id) : nullptr;
    if (!field)
        return 0;
    int changed = 0;
    value = field->getDouble(&changed, 1);
    return 1;
}

int intToField(Dialog* dialog, int id, int value)
{
    Control* field = dialog ? dialog->findControl(id) : nullptr;
    if (!field)
        return 0;
    return field->setInt(value) ? 1 : 0;
}

int intFromField(Dialog* dialog, int id, int& value)
{
    Control* field = dialog ? dialog->findControl(id) : nullptr;
    if (!field)
        return 0;
    // The caller judges the number's range; a text that is no whole number leaves the value.
    (void)field->readIntInRange(INT_MIN, INT_MAX, value);
    return 1;
}

double drawingScale(const DrawingOwner* owner)
{
    const PaperSettings* paper = owner ? owner->paperSettings() : nullptr;
    if (!paper)
        return 1.0;
    const int numerator = paper->scaleNumerator();
    const int denominator = paper->scaleDenominator();
    if (numerator < 1 || denominator < 1)
        return 1.0;
    return static_cast<double>(denominator) / numerator;
}

int copyKeyword(const char* keyword, char* out, int size)
{
    if (out && size > 0)
        StringUtil::copy(out, size, keyword ? keyword : "");
    return keyword != nullptr;
}

int keywordOfCode(int code, const char* const* keywords, int count, int first, char* out, int size)
{
    const int i = code - first;
    return copyKeyword(i >= 0 && i < count ? keywords[i] : nullptr, out, size);
}

int codeOfKeyword(const char* text, const char* const* keywords, int count, int first, int& code)
{
    for (int i = 0; text && i < count; ++i) {
        if (StringUtil::equals(text, keywords[i])) {
            code = first + i;
            return 1;
        }
    }
    return 0;
}

} // namespace attribute_io
