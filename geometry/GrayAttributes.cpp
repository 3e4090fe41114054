#include "geometry/GrayAttributes.h"

#include "geometry/AttributeIo.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/TagIds.h"

using namespace attribute_io;

namespace {

const char* const kKindKeywords[3] = {"NONE", "FLAT", "GRADATION"};
const char* const kKindTexts[3] = {"なし", "平網", "グラデーション"};
const char* const kVectorKeywords[4] = {"LEFT2RIGHT", "RIGHT2LEFT", "TOP2BOTTOM", "BOTTOM2TOP"};
const char* const kVectorTexts[4] = {"左→右", "右→左", "上→下", "下→上"};

int percentOf(double tint) { return static_cast<int>(tint * 100.0); }

int tintFromField(Dialog* dialog, int id, double& tint)
{
    int percent = -1; // what the field leaves for a text that is no whole number: no tint
    if (!intFromField(dialog, id, percent))
        return 0;
    if (percent >= 0 && percent <= 100)
        tint = percent / 100.0;
    return 1;
}

// A quoted keyword of the value tag just opened; a text the parser refuses is a data error of
// the tag.
int readKeywordTag(XmlContext& d, int tag, int& target, int (*parser)(const char*, int&))
{
    char text[80];
    if (!d.readQuoted(text, sizeof text))
        return 0;
    if (!parser(text, target))
        d.reportDataError(tag);
    return d.expectTag(tag);
}

} // namespace

void GrayAttributes::assignSelected(const GrayAttributes* other, const int flags[kFieldCount])
{
    if (!other || !flags)
        return;
    if (flags[kKindField])
        kind = other->kind;
    if (flags[kStartField])
        startGray = other->startGray;
    if (flags[kEndField])
        endGray = other->endGray;
    if (flags[kVectorField])
        vector = other->vector;
    if (flags[kCutsField])
        cuts = other->cuts;
    if (flags[kSensuuField])
        sensuu = other->sensuu;
    for (int i = 0; i < 4; ++i)
        if (flags[kAngleCField + i])
            kakudo[i] = other->kakudo[i];
}

void GrayAttributes::assign(const GrayAttributes* other)
{
    const int all[kFieldCount] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    assignSelected(other, all);
}

int GrayAttributes::exchangeRecord(int mode, ElementRecordBuffer& buffer)
{
    if (mode == 1) {
        int ok = buffer.putInt(kind) && buffer.putInt(vector) && buffer.putInt(cuts) && buffer.putDouble(startGray) &&
                 buffer.putDouble(endGray) && buffer.putInt(sensuu);
        for (int i = 0; ok && i < 4; ++i)
            ok = buffer.putDouble(kakudo[i]);
        return ok;
    }
    if (mode != 3)
        return 0;
    GrayAttributes read;
    int32_t k = 0, v = 0, c = 0, s = 0;
    int ok = buffer.getInt(k) && buffer.getInt(v) && buffer.getInt(c) && buffer.getDouble(read.startGray) &&
             buffer.getDouble(read.endGray) && buffer.getInt(s);
    for (int i = 0; ok && i < 4; ++i)
        ok = buffer.getDouble(read.kakudo[i]);
    if (!ok)
        return 0;
    read.kind = k;
    read.vector = v;
    read.cuts = c;
    read.sensuu = s;
    *this = read;
    return 1;
}

int GrayAttributes::fillKindList(Dialog* dialog, int id) { return fillList(dialog, id, kKindTexts, 3); }

int GrayAttributes::kindToList(Dialog* dialog, int id) { return selectListPosition(dialog, id, kind + 1); }

int GrayAttributes::kindFromList(Dialog* dialog, int id)
{
    int position = 0;
    if (!selectedListPosition(dialog, id, position))
        return 0;
    if (position >= 1 && position <= 3)
        kind = position - 1;
    return 1;
}

int GrayAttributes::fillVectorList(Dialog* dialog, int id) { return fillList(dialog, id, kVectorTexts, 4); }

int GrayAttributes::vectorToList(Dialog* dialog, int id) { return selectListPosition(dialog, id, vector); }

int GrayAttributes::vectorFromList(Dialog* dialog, int id)
{
    int position = 0;
    if (!selectedListPosition(dialog, id, position))
        return 0;
    if (position >= 1 && position <= 4)
        vector = position;
    return 1;
}

int GrayAttributes::startToField(Dialog* dialog, int id) { return intToField(dialog, id, percentOf(startGray)); }

int GrayAttributes::endToField(Dialog* dialog, int id) { return intToField(dialog, id, percentOf(endGray)); }

int GrayAttributes::startFromField(Dialog* dialog, int id) { return tintFromField(dialog, id, startGray); }

int GrayAttributes::endFromField(Dialog* dialog, int id) { return tintFromField(dialog, id, endGray); }

int GrayAttributes::kindKeyword(int code, char* out, int size)
{
    // A code outside the table gives "" and still succeeds: the file stays readable.
    (void)keywordOfCode(code, kKindKeywords, 3, 0, out, size);
    return 1;
}

int GrayAttributes::vectorKeyword(int code, char* out, int size)
{
    // A code outside the table gives "" and still succeeds: the file stays readable.
    (void)keywordOfCode(code, kVectorKeywords, 4, 1, out, size);
    return 1;
}

int GrayAttributes::parseKind(const char* text, int& code) { return codeOfKeyword(text, kKindKeywords, 3, 0, code); }

int GrayAttributes::parseVector(const char* text, int& code)
{
    return codeOfKeyword(text, kVectorKeywords, 4, 1, code);
}

int GrayAttributes::readXml(int endTag)
{
    XmlContext* d = XmlContext::current();
    return d ? readXmlWith(*d, endTag) : 0;
}

int GrayAttributes::readXmlWith(XmlContext& d, int endTag)
{
    return readBlock(d, endTag, [this, &d](int id) {
        int ok = 1;
        if (id == tag_id::gray || id == tag_id::startGray)
            ok = readDoubleValue(d, id, startGray);
        else if (id == tag_id::endGray)
            ok = readDoubleValue(d, id, endGray);
        else if (id == tag_id::type)
            ok = readKeywordTag(d, id, kind, parseKind);
        else if (id == tag_id::vector)
            ok = readKeywordTag(d, id, vector, parseVector);
        else if (id == tag_id::cuts)
            ok = readIntValue(d, id, cuts);
        else if (id == tag_id::sensuu)
            ok = readIntValue(d, id, sensuu);
        else if (id >= tag_id::kakudoC && id < tag_id::kakudoC + 4) // kakudoC, M, Y, K follow in order
            ok = readDoubleValue(d, id, kakudo[id - tag_id::kakudoC]);
        else
            return kChildNotMine;
        return ok ? kChildRead : kChildFailed;
    });
}

int GrayAttributes::writeXml(XmlContext* writer) const
{
    if (!writer)
        return 0;
    if (kind != kFlat && kind != kGradation)
        return 1;
    XmlContext& d = *writer;
    char text[16];
    kindKeyword(kind, text, sizeof text);
    if (!d.beginTag(tag_id::halfTone) || !d.writeStringTag(tag_id::type, text))
        return 0;
    if (kind == kGradation) {
        vectorKeyword(vector, text, sizeof text);
        if (!d.writeStringTag(tag_id::vector, text) || !d.writeDoubleTag(tag_id::startGray, startGray, 3) ||
            !d.writeDoubleTag(tag_id::endGray, endGray, 3) || !d.writeIntTag(tag_id::cuts, cuts))
            return 0;
    } else if (!d.writeDoubleTag(tag_id::gray, startGray, 3)) {
        return 0;
    }
    if (!d.writeIntTag(tag_id::sensuu, sensuu))
        return 0;
    for (int i = 0; i < 4; ++i)
        if (!d.writeDoubleTag(tag_id::kakudoC + i, kakudo[i], 2))
            return 0;
    return d.endTag(tag_id::halfTone);
}
