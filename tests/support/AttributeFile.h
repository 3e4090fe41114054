#pragma once
// A document bound to a scratch file for the attribute tests: attribute values write their tags
// through it while it is the current XML context, and read them back either directly or routed
// by the drawing-file reader to the objects of an attribute holder, as an element's tags are.
#include <functional>
#include <string>

#include "document/Document.h"
#include "document/Element.h"
#include "document/TagDictionary.h"
#include "geometry/DoubleValue.h"
#include "geometry/DrawLineAttribute.h"
#include "geometry/DrawTypeAttribute.h"
#include "geometry/EdgeAttributes.h"
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
#include "geometry/TextSpacingAttribute.h"
#include "tests/support/ScratchFolder.h"

// One object for every attribute tag of an element that these values own.
class AttributeHolder : public Element {
public:
    [[nodiscard]] EntityAttribute* entityAttribute(int tagId) override;

    InkColor colour;
    EdgeAttributes edge;
    FillAttributes paint;
    DrawTypeAttribute drawType;
    LineTypeAttribute lineType;
    HatchAttributes pattern;
    LineSizeAttribute lineSize;
    LineOriginAttribute lineOrigin;
    LineCapAttribute lineCap;
    GrayValue gray;
    LineAttribute underLine;
    DrawLineAttribute drawLine;
    FontAttributes font;
    TextSpacingAttribute spacing;
    LeanAttribute lean;
    OpenCloseAttribute openClose;
    GroupNumber group;
    LayerNumber layer;
    MarginAttribute margin;
    DoubleValue startAngle;
    DoubleValue endAngle;
};

class AttributeFile : public Document {
public:
    ~AttributeFile() override;

    // Writes through `body` with the document published, at level `level`; the file's bytes.
    std::string write(const std::function<void(Document&)>& body, int level = 0);
    // Binds the reader to these bytes and publishes the document until the next open or the
    // end of the object.
    void open(const std::string& bytes);
    // Reads every tag to the end of the file, each opening tag routed through the document's
    // element-attribute routing to a fresh holder; 0 as soon as a routed read failed.
    [[nodiscard]] int readIntoHolder();
    AttributeHolder& holder() { return *static_cast<AttributeHolder*>(attributeHolder()); }

    ScratchFolder scratch;
    TagDictionary tags;

protected:
    Element* makeAttributeHolder() override { return new AttributeHolder; }

private:
    XmlContextScope* published = nullptr;
};
