#include "geometry/InkColor.h"

#include "geometry/AttributeIo.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/InkInfo.h"
#include "geometry/SettingsFile.h"
#include "platform/StringUtil.h"

ColorSettingsHooks colorSettingsHooks;

// The application's ink object; its class belongs to the colour dialogs, and it is defined here,
// with the colour values that read it first, so that the folders link in layer order.
InkInfo* theInkInfo = nullptr;

namespace {

const char* const kInkKeywords[InkColor::kInks] = {"CMYK", "SPECIAL1", "SPECIAL2", "SPECIAL3", "SPECIAL4", "SPECIAL5"};

int isInkNumber(int n) { return n >= 1 && n <= InkColor::kInks; }

// n comma-separated integers within 0..high of one settings line; 0 when the line holds fewer,
// or a value that is no such integer (every value is read before the check).
int readComponents(SettingsFile& file, int* values, int n, int high)
{
    int ok = 1;
    for (int i = 0; i < n; ++i) {
        if (i > 0 && !file.getDelimiterFlag(SettingsFile::kComma))
            return 0;
        if (!attribute_io::readSettingInt(file, values[i]) || values[i] < 0 || values[i] > high)
            ok = 0;
    }
    return ok;
}

} // namespace

void InkColor::clearOverprint()
{
    overprint = 0;
    for (int& mark : plateMarks)
        mark = 0;
}

void InkColor::copyOverprint(const InkColor& other)
{
    overprint = other.overprint;
    for (int i = 0; i < kPlates; ++i)
        plateMarks[i] = other.plateMarks[i];
}

int InkColor::hasNoPlateOverprint() const
{
    for (int mark : plateMarks)
        if (mark)
            return 0;
    return 1;
}

int InkColor::separationValue(int plate, int defaultValue) const
{
    if (plate < 0 || plate >= kPlates)
        return defaultValue;
    if (plate < 4)
        return inkNumber == 1 ? inks[plate] : defaultValue;
    // Spot ink k = plate - 3 prints with ink number k + 1.
    return inkNumber == plate - 2 ? 100 : defaultValue;
}

int InkColor::exchangeRecord(int mode, ElementRecordBuffer& buffer)
{
    if (mode == 1) {
        int ok = buffer.putInt(getRed()) && buffer.putInt(getGreen()) && buffer.putInt(getBlue());
        for (int i = 0; ok && i < 4; ++i)
            ok = buffer.putInt(inks[i]);
        ok = ok && buffer.putShort(static_cast<int16_t>(overprint));
        for (int i = 0; ok && i < kPlates; ++i)
            ok = buffer.putShort(static_cast<int16_t>(plateMarks[i]));
        return ok && buffer.putInt(inkNumber);
    }
    if (mode != 3)
        return 0;
    // Everything is read first, so that a record cut short leaves the colour as it was.
    int32_t rgb[3], ink[4], number = 0;
    int16_t switchValue = 0, marks[kPlates];
    int ok = 1;
    for (int32_t& v : rgb)
        ok = ok && buffer.getInt(v);
    for (int32_t& v : ink)
        ok = ok && buffer.getInt(v);
    ok = ok && buffer.getShort(switchValue);
    for (int16_t& v : marks)
        ok = ok && buffer.getShort(v);
    ok = ok && buffer.getInt(number);
    if (!ok)
        return 0;
    setRgb(rgb[0], rgb[1], rgb[2]);
    for (int i = 0; i < 4; ++i)
        setInk(i, ink[i]);
    // A record written without inks (by a copy of the program in an RGB model, through the
    // clipboard; an element that took the reader's or an import's black) gets them here.
    inksFromRgbIfNone();
    overprint = switchValue;
    for (int i = 0; i < kPlates; ++i)
        plateMarks[i] = marks[i];
    // Records also come from the clipboard; an ink without a keyword could not be saved.
    if (isInkNumber(number))
        inkNumber = number;
    return 1;
}

void InkColor::assign(const InkColor* other)
{
    if (!other || other == this)
        return;
    RgbColor::assign(*other);
    copyOverprint(*other);
    inkNumber = other->inkNumber;
}

int InkColor::inkKeyword(int n, char* out, int size)
{
    if (!isInkNumber(n))
        return 0;
    return attribute_io::copyKeyword(kInkKeywords[n - 1], out, size);
}

int InkColor::setInkFromKeyword(const char* text)
{
    return attribute_io::codeOfKeyword(text, kInkKeywords, kInks, 1, inkNumber);
}

int InkColor::overprintKeyword(char* out, int size) const
{
    return attribute_io::copyKeyword(overprint ? "ON" : "OFF", out, size);
}

int InkColor::setOverprintFromKeyword(const char* text)
{
    if (!text)
        return 0;
    if (StringUtil::equals(text, "ON"))
        overprint = 1;
    else if (StringUtil::equals(text, "OFF"))
        overprint = 0;
    else
        return 0;
    return 1;
}

int InkColor::readRgbSetting(SettingsFile& file)
{
    int rgb[3] = {0, 0, 0};
    if (!readComponents(file, rgb, 3, 255))
        return 0;
    setRgbAndInks(rgb[0], rgb[1], rgb[2]);
    return 1;
}

int InkColor::readCmykSetting(SettingsFile& file)
{
    int values[4] = {0, 0, 0, 0};
    if (!readComponents(file, values, 4, 100))
        return 0;
    // The file writes a colour's RGB key before its inks. Under the ink model inks 0 0 0 0 beside
    // a colour that is not white are no inks at all: a close of an older start wrote them so for
    // defaults that carried none, which read as inks would turn every later default white.
    if (!(values[0] | values[1] | values[2] | values[3]) && !isWhite() && colorModel() == 3) {
        inksFromRgbIfNone();
        return 1;
    }
    setInks(values);
    return 1;
}

int InkColor::readOverprintSetting(SettingsFile& file)
{
    int value = 0;
    if (!file.readBool(value))
        return 0;
    overprint = value;
    for (int i = 0; i < kPlates && file.getDelimiterFlag(SettingsFile::kComma); ++i) {
        if (!file.readBool(value))
            return 0;
        plateMarks[i] = value;
    }
    return 1;
}

int InkColor::readInkSetting(SettingsFile& file)
{
    int n = 0;
    if (!file.readInt(n))
        return 0;
    if (isInkNumber(n))
        inkNumber = n;
    return 1;
}

int InkColor::writeRgbSetting(SettingsFile& file, int key) const
{
    return file.writeKey(key) && file.writeInt(getRed(), 1, 0) && file.writeInt(getGreen(), 1, 0) &&
           file.writeInt(getBlue(), 0, 1);
}

int InkColor::writeCmykSetting(SettingsFile& file, int key) const
{
    return file.writeKey(key) && file.writeInt(inks[0], 1, 0) && file.writeInt(inks[1], 1, 0) &&
           file.writeInt(inks[2], 1, 0) && file.writeInt(inks[3], 0, 1);
}

int InkColor::writeOverprintSetting(SettingsFile& file, int key) const
{
    if (!file.writeKey(key) || !file.writeBool(overprint, 1, 0))
        return 0;
    for (int i = 0; i < kPlates; ++i) {
        const int last = i == kPlates - 1;
        if (!file.writeBool(plateMarks[i], !last, last))
            return 0;
    }
    return 1;
}

int InkColor::writeInkSetting(SettingsFile& file, int key) const
{
    return file.writeKey(key) && file.writeInt(inkNumber, 0, 1);
}
