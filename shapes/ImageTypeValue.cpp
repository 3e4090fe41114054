// The picture's image kind: keywords, the extension rule, the file tag and the dialog lists.
#include "shapes/ImageTypeValue.h"

#include <cstring>
#include <initializer_list>

#include "geometry/AttributeIo.h"
#include "geometry/TagIds.h"
#include "geometry/XmlContext.h"
#include "platform/CommonFileDialog.h"
#include "platform/Dialog.h"

namespace {
const char* const kKeywords[] = {"AUTO", "BMAP", "EPS", "GIF", "JPEG", "TIFF"};
// The order a read keyword is compared in.
const int kReadOrder[] = {ImageTypeValue::kAuto, ImageTypeValue::kBmp, ImageTypeValue::kGif, ImageTypeValue::kJpeg,
                          ImageTypeValue::kTiff, ImageTypeValue::kEps};
const char kAutoRow[] = "自動判別";
// The file filter of each kind: description, pattern.
const char* const kFilters[][2] = {
    {"ﾋﾟｸﾁｬｰ", "*.bmp;*.gif;*.jpg;*.tif;*.eps"}, {"BITMAP(*.bmp)", "*.bmp"}, {"EPS(*.eps)", "*.eps"},
    {"GIF(*.gif)", "*.gif"},                     {"JPEG(*.jpg)", "*.jpg"},   {"TIFF(*.tif)", "*.tif"},
};

bool equalsIgnoringCase(const char* a, const char* b)
{
    for (; *a && *b; ++a, ++b) {
        char x = *a, y = *b;
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return *a == *b;
}
} // namespace

ImageTypeValue::ImageTypeValue()
{
    for (int kind : {kBmp, kGif, kJpeg, kTiff})
        listed[listedCount++] = kind;
}

void ImageTypeValue::assign(const ImageTypeValue* other)
{
    if (other)
        *this = *other;
}

const char* ImageTypeValue::keyword(int kind) { return kind >= kAuto && kind <= kTiff ? kKeywords[kind] : kKeywords[0]; }

int ImageTypeValue::kindOfPath(const char* path)
{
    const char* dot = path ? std::strrchr(path, '.') : nullptr;
    if (!dot || std::strpbrk(dot, "\\/:"))
        return kAuto;
    static const struct {
        const char* extension;
        int kind;
    } kExtensions[] = {{".bmp", kBmp}, {".eps", kEps}, {".gif", kGif}, {".jpg", kJpeg},
                       {".jpeg", kJpeg}, {".tif", kTiff}, {".tiff", kTiff}};
    for (const auto& e : kExtensions)
        if (equalsIgnoringCase(dot, e.extension))
            return e.kind;
    return kAuto;
}

void ImageTypeValue::resolve(const char* path)
{
    if (value == kAuto)
        value = kindOfPath(path);
}

int ImageTypeValue::readEntityXml(XmlContext& file, int tagId)
{
    char text[81] = {};
    if (!attribute_io::readQuotedValue(file, tagId, text, sizeof text))
        return 0;
    for (int kind : kReadOrder)
        if (std::strcmp(text, kKeywords[kind]) == 0) {
            value = kind;
            break;
        }
    return 1;
}

int ImageTypeValue::writeXml(XmlContext& file) const { return file.writeStringTag(tag_id::imageType, keyword(value)); }

int ImageTypeValue::rowTexts(const char* out[kMaxListed + 1]) const
{
    int n = 0;
    if (autoRow)
        out[n++] = kAutoRow;
    for (int i = 0; i < listedCount && i < kMaxListed; ++i)
        out[n++] = keyword(listed[i]);
    return n;
}

int ImageTypeValue::fillList(Dialog* dialog, int id) const
{
    const char* rows[kMaxListed + 1];
    const int n = rowTexts(rows);
    return attribute_io::fillList(dialog, id, rows, n);
}

int ImageTypeValue::selectCurrent(Dialog* dialog, int id) const
{
    int row = 1;
    for (int i = 0; i < listedCount; ++i)
        if (listed[i] == value)
            row = i + 1 + (autoRow ? 1 : 0);
    return attribute_io::selectListPosition(dialog, id, row);
}

int ImageTypeValue::takeFromList(Dialog* dialog, int id)
{
    int row = 0;
    if (!attribute_io::selectedListPosition(dialog, id, row))
        return 0;
    const int index = row - 1 - (autoRow ? 1 : 0);
    value = index >= 0 && index < listedCount ? listed[index] : kAuto;
    return 1;
}

int ImageTypeValue::keywordToControl(Dialog* dialog, int id) const
{
    return dialog && dialog->setText(id, keyword(value));
}

int ImageTypeValue::addFileFilters(CommonFileDialog& chooser) const
{
    chooser.clearFilters();
    if (value >= kAuto && value <= kTiff && !chooser.addFilter(kFilters[value][0], kFilters[value][1]))
        return 0;
    return chooser.addFilter("すべて(*.*)", "*.*");
}
