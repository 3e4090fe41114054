// The element's attribute sub-objects (ensure, release, copy) and the element as the document's
// attribute holder: the object that reads each attribute tag of an element's section.
#include "document/Element.h"

#include <new>
#include <type_traits>
#include <utility>

#include "document/Document.h"
#include "document/DocumentContext.h"
#include "document/FileNameValue.h"
#include "elements/ElementTextString.h"
#include "elements/VertexRoundingList.h"
#include "geometry/AttributeIo.h"
#include "geometry/DoubleValue.h"
#include "geometry/DrawLineAttribute.h"
#include "geometry/DrawTypeAttribute.h"
#include "geometry/EdgeAttributes.h"
#include "geometry/EntityAttribute.h"
#include "geometry/FillAttributes.h"
#include "geometry/FontAttributes.h"
#include "geometry/GrayValue.h"
#include "geometry/GroupNumber.h"
#include "geometry/HatchAttributes.h"
#include "geometry/InkColor.h"
#include "geometry/LayerNumber.h"
#include "geometry/LeanAttribute.h"
#include "geometry/LineAttribute.h"
#include "geometry/LineCapAttribute.h"
#include "geometry/LineOriginAttribute.h"
#include "geometry/LineSizeAttribute.h"
#include "geometry/LineTypeAttribute.h"
#include "geometry/MarginAttribute.h"
#include "geometry/OpenCloseAttribute.h"
#include "geometry/PointList.h"
#include "geometry/TagIds.h"
#include "geometry/TextSpacingAttribute.h"
#include "geometry/UnitSettings.h"
#include "geometry/XmlContext.h"
#include "platform/Pen.h"
#include "shapes/ArrowHeadStyle.h"
#include "shapes/BitmapRaster.h"
#include "shapes/BoxRules.h"
#include "shapes/CornerRounding.h"
#include "shapes/DiameterList.h"
#include "shapes/ImageMask.h"
#include "shapes/ImageTypeValue.h"
#include "shapes/MeasureAttributes.h"
#include "shapes/OvalType.h"
#include "shapes/RadiusList.h"

namespace {

// Which links a sub-object type has: the file being read or written (xmlContext or xmlLink) and
// the drawing whose paper and grid its values follow (owner).
template <class T, class = void> struct HasXmlContext : std::false_type {};
template <class T> struct HasXmlContext<T, std::void_t<decltype(std::declval<T&>().xmlContext = nullptr)>> : std::true_type {};
template <class T, class = void> struct HasXmlLink : std::false_type {};
template <class T> struct HasXmlLink<T, std::void_t<decltype(std::declval<T&>().xmlLink = nullptr)>> : std::true_type {};
template <class T, class = void> struct HasOwner : std::false_type {};
template <class T>
struct HasOwner<T, std::void_t<decltype(std::declval<T&>().owner = std::declval<DrawingOwner*>())>> : std::true_type {};
template <class T, class = void> struct HasCopyFrom : std::false_type {};
template <class T>
struct HasCopyFrom<T, std::void_t<decltype(std::declval<T&>().copyFrom(std::declval<const T*>()))>> : std::true_type {};
template <class T, class = void> struct HasAssign : std::false_type {};
template <class T>
struct HasAssign<T, std::void_t<decltype(std::declval<T&>().assign(std::declval<const T*>()))>> : std::true_type {};

// Makes the sub-object of a slot when it is absent (its type's defaults) and refreshes its links.
template <class T> int ensureSlot(T*& slot, int binds, DocumentContext* context)
{
    if (!slot)
        slot = new (std::nothrow) T;
    if (!slot)
        return 0;
    if constexpr (HasOwner<T>::value) {
        if (context)
            slot->owner = context;
    }
    if (binds) {
        XmlContext* file = XmlContext::current();
        if constexpr (HasXmlContext<T>::value)
            slot->xmlContext = file;
        if constexpr (HasXmlLink<T>::value)
            slot->xmlLink = file;
    }
    return 1;
}

template <class T> void releaseSlot(T*& slot)
{
    delete slot;
    slot = nullptr;
}

// The value of one sub-object into another of its type. A pen is never copied: its GDI object
// belongs to the element that made it.
template <class T> int copyValue(T& to, const T& from)
{
    if constexpr (HasCopyFrom<T>::value) {
        if constexpr (std::is_void_v<decltype(to.copyFrom(&from))>) {
            to.copyFrom(&from); // a copy that cannot fail
            return 1;
        } else {
            return to.copyFrom(&from);
        }
    } else if constexpr (HasAssign<T>::value)
        (void)to.assign(&from); // the assigns that answer always succeed for a non-null source
    return 1;
}

template <class T> int copySlot(T*& to, const T* from, int binds, DocumentContext* context)
{
    if (!from)
        return 1;
    return ensureSlot(to, binds, context) && copyValue(*to, *from);
}

// A sub-object back to what a new one of its type holds, in place (the holder's tag readers find
// it where it was), with the links to the drawing and the file it had.
template <class T> void renewValue(T& value)
{
    DrawingOwner* owner = nullptr;
    XmlContext* file = nullptr;
    XmlContext* link = nullptr;
    if constexpr (HasOwner<T>::value)
        owner = value.owner;
    if constexpr (HasXmlContext<T>::value)
        file = value.xmlContext;
    if constexpr (HasXmlLink<T>::value)
        link = value.xmlLink;
    value.~T();
    new (&value) T;
    if constexpr (HasOwner<T>::value)
        value.owner = owner;
    if constexpr (HasXmlContext<T>::value)
        value.xmlContext = file;
    if constexpr (HasXmlLink<T>::value)
        value.xmlLink = link;
}

// The lists are emptied where they stand and keep their memory for the values of the next
// element: a new list would ask the system for a block for every element read.
void renewValue(PointList& list)
{
    (void)list.resize(0); // shortening cannot fail
    list.expectedCount = 0;
}

void renewValue(VertexRoundingList& radii) { (void)radii.resize(0); } // shortening cannot fail

void renewValue(ImageMask& mask)
{
    mask.type = MaskType();
    renewValue(mask.outline);
}

} // namespace

// The readers of the holder's tags whose values are no EntityAttribute of their own: the layer,
// group and serial ("unique") kept as plain fields, the three points and the point list.
struct ElementHolderTags {
    explicit ElementHolderTags(Element& e) : layer(e), group(e), unique(e), start(e, &Element::firstPoint),
                                             end(e, &Element::secondPoint), extra(e, &Element::thirdPoint), list(e),
                                             rounding(e)
    {
    }

    struct Layer : EntityAttribute {
        explicit Layer(Element& e) : element(e) {}
        int readEntityXml(XmlContext& file, int tagId) override
        {
            LayerNumber value;
            value.layer = element.layer;
            if (!value.readEntityXml(file, tagId))
                return 0;
            element.layer = value.layer;
            return 1;
        }
        Element& element;
    };
    struct Group : EntityAttribute {
        explicit Group(Element& e) : element(e) {}
        int readEntityXml(XmlContext& file, int tagId) override
        {
            GroupNumber value;
            value.group = element.group;
            if (!value.readEntityXml(file, tagId))
                return 0;
            element.group = value.group;
            return 1;
        }
        Element& element;
    };
    // The stored serial; a negative number is a data error and is not kept.
    struct Unique : EntityAttribute {
        explicit Unique(Element& e) : element(e) {}
        int readEntityXml(XmlContext& file, int tagId) override
        {
            int value = 0;
            if (!attribute_io::readIntValue(file, tagId, value))
                return 0;
            if (value < 0) {
                file.reportDataError(tagId);
                return 0;
            }
            element.serial = value;
            return 1;
        }
        Element& element;
    };
    struct PointTag : EntityAttribute {
        PointTag(Element& e, DrawPoint* (Element::*slot)() const) : element(e), point(slot) {}
        int readEntityXml(XmlContext& file, int tagId) override
        {
            DrawPoint* target = (element.*point)();
            return target && target->readXmlFrom(&file, tagId);
        }
        Element& element;
        DrawPoint* (Element::*point)() const;
    };
    struct ListTag : EntityAttribute {
        explicit ListTag(Element& e) : element(e) {}
        int readEntityXml(XmlContext& file, int tagId) override
        {
            PointList* target = element.vertices();
            if (!target)
                return 0;
            target->xmlLink = &file;
            return target->readXml(tagId);
        }
        Element& element;
    };

    // The rounding list, bounded by the points read so far.
    struct RoundingTag : EntityAttribute {
        explicit RoundingTag(Element& e) : element(e) {}
        int readEntityXml(XmlContext& file, int tagId) override
        {
            VertexRoundingList* target = element.vertexRounding();
            const PointList* points = element.vertices();
            return target && target->readXml(file, tagId, points ? points->count : 0);
        }
        Element& element;
    };

    Layer layer;
    Group group;
    Unique unique;
    PointTag start, end, extra;
    ListTag list;
    RoundingTag rounding;
    // The angle dimension's figure, kept here for the element that reads it.
    DrawTypeAttribute drawType;
};

// --- the table ---

int Element::ensureAttribute(ElementAttribute which)
{
    switch (which) {
#define KORVANE_ENSURE_MADE(type, name, binds)                                                                     \
    case ElementAttribute::name:                                                                                   \
        return ensureSlot(name##Slot, binds, context);
#define KORVANE_ENSURE_LATER(type, name)                                                                           \
    case ElementAttribute::name:                                                                                   \
        return 0; // a type that arrives with its element kind
        KORVANE_ELEMENT_ATTRIBUTES(KORVANE_ENSURE_MADE, KORVANE_ENSURE_LATER)
#undef KORVANE_ENSURE_MADE
#undef KORVANE_ENSURE_LATER
    default:
        return 0;
    }
}

void Element::releaseAttribute(ElementAttribute which)
{
    switch (which) {
#define KORVANE_RELEASE_MADE(type, name, binds)                                                                    \
    case ElementAttribute::name:                                                                                   \
        releaseSlot(name##Slot);                                                                                   \
        break;
#define KORVANE_RELEASE_LATER(type, name)                                                                          \
    case ElementAttribute::name:                                                                                   \
        break; // nothing can have made it
        KORVANE_ELEMENT_ATTRIBUTES(KORVANE_RELEASE_MADE, KORVANE_RELEASE_LATER)
#undef KORVANE_RELEASE_MADE
#undef KORVANE_RELEASE_LATER
    default:
        break;
    }
}

int Element::hasAttribute(ElementAttribute which) const
{
    switch (which) {
#define KORVANE_HAS(type, name, ...)                                                                               \
    case ElementAttribute::name:                                                                                   \
        return name##Slot != nullptr;
#define KORVANE_HAS_LATER(type, name) KORVANE_HAS(type, name)
        KORVANE_ELEMENT_ATTRIBUTES(KORVANE_HAS, KORVANE_HAS_LATER)
#undef KORVANE_HAS_LATER
#undef KORVANE_HAS
    default:
        return 0;
    }
}

void Element::createAllAttributes()
{
    for (int i = 0; i < kElementAttributeCount; ++i)
        (void)ensureAttribute(static_cast<ElementAttribute>(i)); // a slot left null fails only its own tags
    if (!holderTags)
        holderTags = new (std::nothrow) ElementHolderTags(*this);
}

void Element::releaseAllAttributes()
{
    for (int i = 0; i < kElementAttributeCount; ++i)
        releaseAttribute(static_cast<ElementAttribute>(i));
    delete holderTags;
    holderTags = nullptr;
}

int Element::copyValuesFrom(const Element& other)
{
    kind = other.kind;
    page = other.page;
    layer = other.layer;
    group = other.group;
    serial = other.serial;
    extentMin = other.extentMin;
    extentMax = other.extentMax;
    handleFlags = other.handleFlags;
    int ok = 1;
#define KORVANE_COPY_MADE(type, name, binds) ok = copySlot(name##Slot, other.name##Slot, binds, context) && ok;
#define KORVANE_COPY_LATER(type, name)
    KORVANE_ELEMENT_ATTRIBUTES(KORVANE_COPY_MADE, KORVANE_COPY_LATER)
#undef KORVANE_COPY_MADE
#undef KORVANE_COPY_LATER
    return ok;
}

// --- the attribute holder ---

int Element::readDrawType() const { return holderTags ? holderTags->drawType.value : 0; }

EntityAttribute* Element::entityAttribute(int tagId)
{
    ElementHolderTags* tags = holderTags;
    switch (tagId) {
    case tag_id::layer:
        return tags ? &tags->layer : nullptr;
    case tag_id::group:
        return tags ? &tags->group : nullptr;
    case tag_id::unique:
        return tags ? &tags->unique : nullptr;
    case tag_id::startPoint:
        return tags && firstPointSlot ? &tags->start : nullptr;
    case tag_id::endPoint:
        return tags && secondPointSlot ? &tags->end : nullptr;
    case tag_id::midPoint:
    case tag_id::centerPoint:
    case tag_id::dispPoint:
        return tags && thirdPointSlot ? &tags->extra : nullptr;
    case tag_id::listXY:
        return tags && verticesSlot ? &tags->list : nullptr;
    case tag_id::roundAray:
        return tags && vertexRoundingSlot ? &tags->rounding : nullptr;
    case tag_id::drawType:
        return tags ? &tags->drawType : nullptr;
    case tag_id::rgbColor:
    case tag_id::cmykPercent:
        return colourSlot;
    case tag_id::edge:
        return edgeSlot;
    case tag_id::paint:
        return fillSlot;
    case tag_id::lineType:
        return lineTypeSlot;
    case tag_id::pattern:
        return hatchSlot;
    case tag_id::lineSize:
        return lineWidthSlot;
    case tag_id::lineOrigin:
        return linePositionSlot;
    case tag_id::lineCap:
        return lineCapSlot;
    case tag_id::gray:
        return graySlot;
    case tag_id::openClose:
        return openCloseSlot;
    case tag_id::radius:
    case tag_id::radiusAray:
    case tag_id::radNum:
    case tag_id::radNumAray:
        return radiiSlot;
    case tag_id::diameter:
    case tag_id::diameterAray:
    case tag_id::diaNum:
    case tag_id::diaNumAray:
        return diametersSlot;
    case tag_id::sttAngle:
        return value1Slot;
    case tag_id::endAngle:
        return value2Slot;
    case tag_id::margin:
        return marginSlot;
    case tag_id::underLine:
        return measureLineSlot;
    case tag_id::drawLine:
        return arrowLineSlot;
    case tag_id::lean:
        return leanSlot;
    case tag_id::numeral:
        return measureSlot;
    case tag_id::arrowLine:
        return arrowHeadSlot;
    case tag_id::font:
        return fontSlot;
    case tag_id::jikan:
    case tag_id::gyokan:
        return textSpacingSlot;
    case tag_id::fileName:
        return fileNameSlot;
    case tag_id::textData:
        return textSlot;
    case tag_id::bitmapParam:
        return bitmapSizeSlot;
    case tag_id::bitmapData:
        return bitmapDataSlot;
    case tag_id::imageType:
        return imageKindSlot;
    case tag_id::mask:
        return imageMaskSlot;
    case tag_id::ovalType:
        return ovalTypeSlot;
    case tag_id::boxRules:
        return boxRulesSlot;
    case tag_id::boxRound:
        return cornerRoundingSlot;
    default:
        // Tags without an object of their own here.
        return nullptr;
    }
}

void Element::resetReadAttributes()
{
    // Each element read starts from the values of a holder just made, whatever the element before
    // it held: a section that leaves a tag out gets the default, never another element's value.
    serial = 0;
    group = 0;
    layer = LayerNumber::kDefaultLayer;
    if (holderTags)
        holderTags->drawType.reset();
#define KORVANE_RENEW_MADE(type, name, binds)                                                                      \
    if (name##Slot)                                                                                                \
        renewValue(*name##Slot);
#define KORVANE_RENEW_LATER(type, name)
    KORVANE_ELEMENT_ATTRIBUTES(KORVANE_RENEW_MADE, KORVANE_RENEW_LATER)
#undef KORVANE_RENEW_MADE
#undef KORVANE_RENEW_LATER
    // Where a section reads otherwise than a new object stands: without "paint" it has no fill,
    // without angles it is a full circle.
    if (fillSlot)
        fillSlot->reset();
    if (value2Slot)
        value2Slot->assign(360.0);
}
