#include "geometry/UnitSettings.h"

#include <cstring>

#include "geometry/AttributeIo.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/SettingsFile.h"
#include "geometry/TagIds.h"
#include "geometry/XmlContext.h"
#include "platform/Control.h"
#include "platform/Dialog.h"
#include "platform/StringUtil.h"

namespace {

const char* const kDisplayNames[UnitSettings::kUnitCount] = {"ミリ",     "インチ", "級",       "ポイント",
                                                              "ミクロン", "センチ", "メートル", "度"};
const char* const kKeywords[UnitSettings::kUnitCount] = {"MIRI",   "INCHI", "KYU",   "POINT",
                                                         "MICRON", "CENTI", "METRE", "DEGREE"};
// "μm" is the Greek mu of the Japanese character set; "ﾟ" the half-width degree mark.
const char* const kDefaultLabels[UnitSettings::kUnitCount] = {"mm", "in", "K", "P", "μm", "cm", "M", "ﾟ"};

static_assert(tag_id::degreeText == tag_id::miriText + UnitSettings::kUnitCount - 1,
              "the label tags follow the unit ids");
static_assert(UnitSettings::kDegreeLabelKey == UnitSettings::kFirstLabelKey + UnitSettings::kUnitCount - 1,
              "the label keys follow the unit ids");

int isUnit(int unit) { return unit >= 1 && unit <= UnitSettings::kUnitCount; }

int droppedFromLabel(char c) { return c == '"' || c == '\r' || c == '\n'; }

// Copies a label: '"', CR and LF dropped, at most kLabelSize - 1 bytes, never half a character.
// A lead byte whose trail is missing (or is one of the dropped bytes) is dropped too.
void copyLabel(char (&out)[UnitSettings::kLabelSize], const char* text)
{
    int n = 0;
    for (const char* p = text ? text : ""; *p;) {
        if (droppedFromLabel(*p)) {
            ++p;
            continue;
        }
        const int pair = StringUtil::isLeadByte(static_cast<unsigned char>(*p));
        if (pair && (!p[1] || droppedFromLabel(p[1]))) {
            ++p;
            continue;
        }
        const int width = pair ? 2 : 1;
        if (n + width > UnitSettings::kLabelSize - 1)
            break;
        for (int i = 0; i < width; ++i)
            out[n++] = *p++;
    }
    out[n] = 0;
}

Control* controlOf(Dialog* dialog, int id) { return dialog ? dialog->findControl(id) : nullptr; }

const int kSingle[] = {UnitSettings::millimetre};
const int kLength[] = {UnitSettings::micron, UnitSettings::millimetre, UnitSettings::centimetre, UnitSettings::metre};
const int kPrint[] = {UnitSettings::millimetre, UnitSettings::inch, UnitSettings::q, UnitSettings::point};
const int kDegree[] = {UnitSettings::degree};

} // namespace

UnitSettings::UnitSettings()
{
    // Every dimension read or drawn makes several of these: the default labels are copied whole
    // from a table made once.
    struct Defaults {
        char labels[kUnitCount][kLabelSize];
        Defaults()
        {
            for (int i = 0; i < kUnitCount; ++i)
                copyLabel(labels[i], kDefaultLabels[i]);
        }
    };
    static const Defaults defaults;
    std::memcpy(labels, defaults.labels, sizeof labels);
    setSingleChoice();
}

// --- names ---

const char* UnitSettings::displayNameOf(int unit) { return isUnit(unit) ? kDisplayNames[unit - 1] : ""; }

const char* UnitSettings::keywordOf(int unit) { return isUnit(unit) ? kKeywords[unit - 1] : nullptr; }

int UnitSettings::unitDisplayName(int unit, char* out, int size)
{
    return attribute_io::keywordOfCode(unit, kDisplayNames, kUnitCount, 1, out, size);
}

int UnitSettings::unitKeyword(int unit, char* out, int size)
{
    return attribute_io::keywordOfCode(unit, kKeywords, kUnitCount, 1, out, size);
}

int UnitSettings::parseUnitKeyword(const char* text, int& unit)
{
    return attribute_io::codeOfKeyword(text, kKeywords, kUnitCount, 1, unit);
}

int UnitSettings::setUnit(int unit)
{
    if (!isUnit(unit))
        return 0;
    currentUnit = unit;
    return 1;
}

// --- labels ---

int UnitSettings::setLabelAt(int index, const char* text) { return setLabel(index + 1, text); }

const char* UnitSettings::labelAt(int index) const { return isUnit(index + 1) ? labels[index] : ""; }

int UnitSettings::setLabel(int unit, const char* text)
{
    if (!isUnit(unit))
        return 0;
    copyLabel(labels[unit - 1], text);
    return 1;
}

int UnitSettings::label(int unit, char* out, int size) const
{
    if (!isUnit(unit)) {
        if (out && size > 0)
            out[0] = 0;
        return 0;
    }
    if (out && size > 0)
        StringUtil::copy(out, size, labels[unit - 1]);
    return 1;
}

void UnitSettings::copyFrom(const UnitSettings* other)
{
    if (!other || other == this)
        return;
    currentUnit = other->currentUnit;
    std::memcpy(labels, other->labels, sizeof labels); // each label ends within its row
    setChoices(other->choiceList, other->choices);
}

// --- element records ---

int UnitSettings::writeRecord(ElementRecordBuffer& buffer) const { return buffer.putInt(currentUnit); }

int UnitSettings::readRecord(ElementRecordBuffer& buffer)
{
    int32_t unit = 0;
    if (!buffer.getInt(unit))
        return 0;
    return setUnit(unit);
}

// --- choices ---

void UnitSettings::setChoices(const int* units, int count)
{
    choices = count < 0 ? 0 : count > kMaxChoices ? kMaxChoices : count;
    for (int i = 0; i < choices; ++i)
        choiceList[i] = units[i];
}

void UnitSettings::setSingleChoice() { setChoices(kSingle, 1); }

void UnitSettings::setMillimetreChoice() { setChoices(kSingle, 1); }

void UnitSettings::setLengthChoices() { setChoices(kLength, 4); }

void UnitSettings::setPrintChoices() { setChoices(kPrint, 4); }

void UnitSettings::setDegreeChoice()
{
    setChoices(kDegree, 1);
    currentUnit = degree;
}

int UnitSettings::choiceAt(int i) const { return i >= 0 && i < choices ? choiceList[i] : -1; }

int UnitSettings::choiceName(int i, char* out, int size) const { return unitDisplayName(choiceAt(i), out, size); }

int UnitSettings::indexOfChoice(int unit) const
{
    for (int i = 0; i < choices; ++i) {
        if (choiceList[i] == unit)
            return i;
    }
    return -1;
}

// --- dialog glue ---

int UnitSettings::fillList(Control* list)
{
    if (!list || !list->reset())
        return 0;
    for (int i = 0; i < choices; ++i) {
        if (!list->addString(displayNameOf(choiceList[i])))
            return 0;
    }
    // A current unit that is not offered shows no selection.
    (void)selectCurrentInList(list);
    return 1;
}

int UnitSettings::readListSelection(Control* list)
{
    if (!list)
        return 0;
    const int unit = choiceAt(list->getSelection() - 1);
    if (unit != -1)
        currentUnit = unit;
    return 1;
}

int UnitSettings::selectCurrentInList(Control* list)
{
    const int index = indexOfChoice(currentUnit);
    if (!list || index < 0)
        return 0;
    return list->select(index + 1) ? 1 : 0;
}

int UnitSettings::fillCombo(Dialog* dialog, int id) { return fillList(controlOf(dialog, id)); }

int UnitSettings::readCombo(Dialog* dialog, int id) { return readListSelection(controlOf(dialog, id)); }

int UnitSettings::selectCurrentInList(Dialog* dialog, int id) { return selectCurrentInList(controlOf(dialog, id)); }

int UnitSettings::showUnitName(Dialog* dialog, int id) const
{
    Control* control = controlOf(dialog, id);
    if (!control)
        return 0;
    return control->setText(displayNameOf(currentUnit)) ? 1 : 0;
}

// --- the drawing file ---

int UnitSettings::readXml(int tag)
{
    if (!xmlContext)
        return 0;
    XmlContext& d = *xmlContext;
    char text[kTextSize];
    if (tag == tag_id::unit || tag == tag_id::angleUnit) {
        if (!attribute_io::readQuotedValue(d, tag, text, sizeof text))
            return 0;
        (void)parseUnitKeyword(text, currentUnit); // another text leaves the unit
        return 1;
    }
    if (tag >= tag_id::miriText && tag <= tag_id::degreeText) {
        if (!attribute_io::readQuotedValue(d, tag, text, sizeof text))
            return 0;
        return setLabel(tag - tag_id::miriText + 1, text);
    }
    return d.skipLine();
}

int UnitSettings::writeXmlUnit(int tag)
{
    const char* keyword = keywordOf(currentUnit);
    if (!xmlContext || !keyword)
        return 0;
    return xmlContext->writeStringTag(tag, keyword);
}

int UnitSettings::writeXmlLabels(XmlContext* writer)
{
    xmlContext = writer;
    if (!writer)
        return 0;
    for (int i = 0; i < choices; ++i) {
        const int unit = choiceList[i];
        if (!isUnit(unit) || !writer->writeStringTag(tag_id::miriText + unit - 1, labels[unit - 1]))
            return 0;
    }
    return 1;
}

// --- the settings file ---

int UnitSettings::readSetting(SettingsFile& file)
{
    const int key = file.currentId();
    char text[kTextSize];
    switch (key) {
    case kGridXUnitKey:
    case kGridYUnitKey:
    case kMeasureUnitKey:
    case kAngleUnitKey:
        return file.readString(text, sizeof text) && parseUnitKeyword(text, currentUnit);
    default:
        break;
    }
    if (key >= kFirstLabelKey && key <= kDegreeLabelKey)
        return file.readString(text, sizeof text) && setLabel(key - kFirstLabelKey + 1, text);
    return 1;
}

int UnitSettings::writeUnitSetting(SettingsFile& file, int key) const
{
    const char* keyword = keywordOf(currentUnit);
    return keyword && file.writeKey(key) && file.writeQuoted(keyword, 0, 1);
}

int UnitSettings::writeLabelSetting(SettingsFile& file, int unit) const
{
    return file.writeKey(kFirstLabelKey + unit - 1) && file.writeQuoted(labels[unit - 1], 0, 1);
}

int UnitSettings::writeLabelSettings(SettingsFile& file) const
{
    for (int unit = millimetre; unit <= metre; ++unit) {
        if (!writeLabelSetting(file, unit))
            return 0;
    }
    return 1;
}

int UnitSettings::writeDegreeLabelSetting(SettingsFile& file) const { return writeLabelSetting(file, degree); }
