#pragma once
// The benchmarks' drawing: elements of every kind with an integer, a real and a list of four
// reals, written and read in the own tagged format through a stand-in element editor, document
// and page list. makeDrawing gives a context with these members; dropDrawing deletes it.
#include <windows.h>

#include "document/Document.h"
#include "document/DocumentContext.h"
#include "document/Element.h"
#include "document/ElementIndexEntry.h"
#include "document/ElementStore.h"
#include "document/PageList.h"
#include "geometry/EntityAttribute.h"
#include "geometry/LineSizeAttribute.h"
#include "geometry/PointList.h"
#include "geometry/TagIds.h"
#include "tests/support/IdleMembers.h"

namespace bench_drawing {

struct Values {
    int layer = 100;
    double size = 0;
    double xy[4] = {};
};

class BenchElement : public Element {
public:
    int exchangeRecord(int mode) override
    {
        ElementRecordBuffer& b = *elementStore()->recordBuffer;
        b.rewind();
        if (mode == 1)
            return b.putBytes(&values, sizeof values);
        return b.getBytes(&values, sizeof values);
    }
    int writeXml() override
    {
        Document* d = currentXmlContext();
        int ok = d->beginElement(kind) && d->writeIntTag(tag_id::layer, values.layer) &&
                 d->writeDoubleTag(tag_id::lineSize, values.size, 3) && d->beginTag(tag_id::listXY) &&
                 d->writeIntTag(tag_id::nums, 2) && d->openValueTag(tag_id::xyAray);
        for (int i = 0; ok && i < 4; ++i)
            ok = d->writeDoubleValue(values.xy[i], 5, i == 0, i < 3, i == 3);
        return ok && d->closeValueTag(tag_id::xyAray) && d->endTag(tag_id::listXY) && d->endElement(kind);
    }
    int readXmlAttributes() override;
    Values values;
};

class Holder;

class LayerReader : public EntityAttribute {
public:
    explicit LayerReader(Values& v) : values(v) {}
    int readEntityXml(XmlContext& d, int) override { return d.readInt(values.layer) && d.expectTag(tag_id::layer); }
    Values& values;
};

class SizeReader : public EntityAttribute {
public:
    explicit SizeReader(Values& v) : values(v) {}
    int readEntityXml(XmlContext& d, int) override { return d.readDouble(values.size) && d.expectTag(tag_id::lineSize); }
    Values& values;
};

class PointsReader : public EntityAttribute {
public:
    explicit PointsReader(Values& v) : values(v) {}
    int readEntityXml(XmlContext& d, int) override
    {
        int id = 0;
        while (d.nextTag(id)) {
            if (id == tag_id::listXY && d.isClosingTag())
                return 1;
            if (id == tag_id::nums) {
                int n = 0;
                if (!d.readInt(n) || !d.expectTag(tag_id::nums))
                    return 0;
            } else if (id == tag_id::xyAray) {
                for (double& v : values.xy) {
                    if (!d.readListDouble(v))
                        return 0;
                }
                if (!d.expectTag(tag_id::xyAray))
                    return 0;
            }
        }
        return 0;
    }
    Values& values;
};

class Holder : public Element {
public:
    EntityAttribute* entityAttribute(int tagId) override
    {
        switch (tagId) {
        case tag_id::layer:
            return &layer;
        case tag_id::lineSize:
            return &size;
        case tag_id::listXY:
            return &points;
        default:
            return nullptr;
        }
    }
    Values values;
    LayerReader layer{values};
    SizeReader size{values};
    PointsReader points{values};
};

// 1: documents read into the element base's attribute holder instead of the bench's readers.
inline int useElementHolder = 0;

inline int BenchElement::readXmlAttributes()
{
    Element* holder = currentXmlContext()->attributeHolder();
    if (auto* own = dynamic_cast<Holder*>(holder)) {
        values = own->values;
        return 1;
    }
    const PointList* list = holder->vertices();
    if (!holder->lineWidth() || !list)
        return 0;
    values.layer = holder->layer;
    values.size = holder->lineWidth()->width;
    for (int i = 0; i < 2; ++i) {
        values.xy[2 * i] = list->getX(i);
        values.xy[2 * i + 1] = list->getY(i);
    }
    return 1;
}

class BenchDocument : public Document {
protected:
    Element* makeAttributeHolder() override { return useElementHolder ? Document::makeAttributeHolder() : new Holder; }
};

class Pages : public PageList {
public:
    void setOwner(DocumentContext*) override {}
    int currentPage() override { return current; }
    int pageCount() override { return count; }
    void setCurrent(int page) override
    {
        current = page;
        if (count < page)
            count = page;
    }
    int previousPage() override { return 0; }
    int nextPage() override { return 0; }
    int current = 1;
    int count = 1;
};

class Editor : public IdleEditor {
public:
    void setOwner(DocumentContext* o) override { owner = o; }
    Element* elementInHand() override { return &element; }

    [[nodiscard]] int newElement(int kind) override
    {
        element.context = owner;
        element.kind = kind;
        return 1;
    }
    int readElementXmlAttributes() override { return element.readXmlAttributes(); }
    [[nodiscard]] int addToPage() override
    {
        element.page = owner->currentPage();
        element.layer = element.values.layer;
        return element.exchangeRecord(1) && element.store() > 0;
    }
    int writeElementXmlById(int id) override
    {
        ElementIndexEntry entry;
        if (!element.load(id) || !owner->elementStore()->getEntry(id, &entry) || !element.exchangeRecord(3) ||
            !element.writeXml())
            return -1;
        return entry.pageNext >= 1 ? entry.pageNext : -1;
    }

    DocumentContext* owner = nullptr;
    BenchElement element;
};

// The benchmark's document and page list in place of those the context made.
inline void useBenchMembers(DocumentContext& context)
{
    delete context.document;
    context.document = new BenchDocument;
    delete context.pages;
    context.pages = new Pages;
}

inline DocumentContext* makeDrawing()
{
    DocumentMemberFactories saved = documentMemberFactories;
    documentMemberFactories.editor4 = [](DocumentContext&) -> ElementEditorBase* { return new Editor; };
    auto* context = new DocumentContext;
    context->createMembers();
    useBenchMembers(*context);
    context->linkManagers();
    documentMemberFactories = saved;
    return context;
}

inline void dropDrawing(DocumentContext* context)
{
    context->destroyManagers();
    delete context;
}

// Fills `source` with `elements` elements of the 19 kinds spread over `pages` pages, page 1 current
// afterwards; the number stored.
inline int fillBenchDrawing(DocumentContext* source, int elements, int pages)
{
    Editor& editor = *static_cast<Editor*>(source->editor4);
    int made = 0;
    for (int i = 0; i < elements; ++i) {
        source->pages->setCurrent(1 + i % pages);
        const int kind = 1 + i % 19;
        editor.element.values.layer = i % 256;
        editor.element.values.size = 0.125 * (i % 40);
        for (int k = 0; k < 4; ++k)
            editor.element.values.xy[k] = (i % 1000) * 0.01 + k * 12.345;
        made += editor.newElement(kind) && editor.addToPage();
    }
    source->pages->setCurrent(1);
    return made;
}

} // namespace bench_drawing
