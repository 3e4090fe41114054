#include "document/CropMarkSettings.h"

#include "document/Document.h"
#include "geometry/AttributeIo.h"

using attribute_io::readDoubleValue;

namespace {

int readCountInto(Document& d, int tagId, int32_t& field)
{
    int value = 0;
    if (!d.readInt(value) || !d.expectTag(tagId))
        return 0;
    // The print output draws this many marks: a count from a damaged file is refused.
    if (value < 0 || value > CropMarkSettings::kMaxFoldCount)
        d.reportDataError(tagId);
    else
        field = value;
    return 1;
}

} // namespace

int CropMarkSettings::readTag(int tagId)
{
    if (tagId == 0)
        return 1;
    Document* d = currentXmlContext();
    if (!d)
        return 0;
    switch (tagId) {
    case kCropMarks:
        return cropMarksOn.readXml(tagId);
    case kTrimMarks:
        return trimMarksOn.readXml(tagId);
    case kTrimLength:
        return readDoubleValue(*d, tagId, trimLength);
    case kBleed:
        return bleedOn.readXml(tagId);
    case kBleedLength:
        return readDoubleValue(*d, tagId, bleedLength);
    case kCentreMarks:
        return centreMarksOn.readXml(tagId);
    case kVerticalFold:
        return verticalFoldOn.readXml(tagId);
    case kVerticalFoldCount:
        return readCountInto(*d, tagId, verticalFoldCount);
    case kHorizontalFold:
        return horizontalFoldOn.readXml(tagId);
    case kHorizontalFoldCount:
        return readCountInto(*d, tagId, horizontalFoldCount);
    default:
        return d->skipLine();
    }
}

int CropMarkSettings::readXml(int closingTagId)
{
    Document* d = currentXmlContext();
    if (!d)
        return 0;
    int id = 0;
    for (;;) {
        // A stray closing tag carries no value to read.
        const int ok = id != 0 && d->isClosingTag() ? d->skipLine() : readTag(id);
        if (!ok)
            return 0;
        if (!d->nextTag(id))
            return 0;
        if (id == closingTagId)
            return 1;
    }
}
