#include "document/FontDefaultsBase.h"

#include <cmath>
#include <cstring>

#include "document/Element.h"
#include "geometry/AttributeIo.h"
#include "geometry/SettingsFile.h"

namespace {
int isFontSize(double v) { return std::isfinite(v) && v > 0.1 && v < 1000.0; }
} // namespace

void FontDefaultsBase::createFont()
{
    fontInfo.chooseDefaultFace();
    font.size = kDefaultFontSize;
    syncFontName();
}

void FontDefaultsBase::syncFontName()
{
    FontInfo cut;
    cut.setFaceName(font.faceName);
    if (std::strcmp(cut.getFaceName(), fontInfo.getFaceName()) != 0)
        font.setFaceName(fontInfo.getFaceName());
}

void FontDefaultsBase::setFontSize(double size)
{
    if (isFontSize(size))
        font.size = size;
}

void FontDefaultsBase::clearFontFlags() { fontNameFlag.value = fontStyleFlag.value = fontSizeFlag.value = 0; }

void FontDefaultsBase::assignFontFlags(const FontDefaultsBase& other)
{
    fontNameFlag.value = other.fontNameFlag.value;
    fontStyleFlag.value = other.fontStyleFlag.value;
    fontSizeFlag.value = other.fontSizeFlag.value;
}

int FontDefaultsBase::anyFontFlagSet() const
{
    return fontNameFlag.value || fontStyleFlag.value || fontSizeFlag.value;
}

int FontDefaultsBase::applyFontTo(Element* element, int result)
{
    if (!element)
        return result;
    if (fontNameFlag.value) {
        element->setFontName(font);
        result = 1;
    }
    if (fontStyleFlag.value) {
        element->setFontStyle(font);
        result = 1;
    }
    if (fontSizeFlag.value) {
        element->setFontSize(font);
        result = 1;
    }
    return result;
}

int FontDefaultsBase::readFontXml(XmlContext& d, int endTag)
{
    if (!font.readEntityXml(d, endTag))
        return 0;
    fontInfo.setFaceName(font.faceName);
    fontInfo.style = font.style;
    return 1;
}

int FontDefaultsBase::writeFontXml(XmlContext& d) { return font.writeXml(&d); }

int FontDefaultsBase::readFontSetting(SettingsFile& file)
{
    switch (file.currentId()) {
    case kFontNameKey:
        if (font.readFaceSetting(file))
            fontInfo.setFaceName(font.faceName);
        return 1;
    case kFontStyleKey:
        if (font.readStyleSetting(file))
            fontInfo.style = font.style;
        return 1;
    case kFontSizeKey: {
        double size = 0.0;
        if (attribute_io::readSettingDouble(file, size))
            setFontSize(size);
        return 1;
    }
    default:
        return 1;
    }
}

int FontDefaultsBase::writeFontSettings(SettingsFile& file) const
{
    return font.writeFaceSetting(file, kFontNameKey) && font.writeStyleSetting(file, kFontStyleKey) &&
           font.writeSizeSetting(file, kFontSizeKey);
}
