#include "tests/document/DrawingFixture.h"

#include "document/ElementIndexEntry.h"
#include "document/ElementStore.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/ScratchFolder.h"

namespace drawing_fixture {

namespace {

int readLayer(XmlContext& d, ShapeValues& values)
{
    int layer = 0;
    int ok = d.readInt(layer) && d.expectTag(tag_id::layer);
    if (layer < 0 || layer > 255)
        d.reportDataError(tag_id::layer);
    else
        values.layer = layer;
    return ok;
}

int readPoints(XmlContext& d, ShapeValues& values)
{
    long long pairs = 0;
    int id = 0;
    while (d.nextTag(id)) {
        if (id == tag_id::listXY && d.isClosingTag())
            return 1;
        if (id == tag_id::nums && !d.isClosingTag()) {
            int n = 0;
            if (!d.readInt(n) || !d.expectTag(tag_id::nums))
                return 0;
            // Each pair takes at least four bytes of the file ("1,1,").
            pairs = d.acceptDataLength(n, 100000, 4, tag_id::nums) ? n : 0;
        } else if (id == tag_id::xyAray && !d.isClosingTag()) {
            // Whole points only, as the point list keeps them.
            for (long long i = 0; i < pairs; ++i) {
                double x = 0, y = 0;
                if (!d.readListDouble(x) || !d.readListDouble(y))
                    return 0;
                values.xy.push_back(x);
                values.xy.push_back(y);
            }
            if (!d.expectTag(tag_id::xyAray))
                return 0;
        } else if (!d.skipLine()) {
            return 0;
        }
    }
    return 0;
}

int readData(XmlContext& d, ShapeValues& values)
{
    int length = 0;
    int id = 0;
    while (d.nextTag(id)) {
        if (id == tag_id::bitmapData && d.isClosingTag())
            return 1;
        if (id == tag_id::binLength && !d.isClosingTag()) {
            if (!d.readInt(length) || !d.expectTag(tag_id::binLength))
                return 0;
        } else if (id == tag_id::binHex && !d.isClosingTag()) {
            if (d.acceptDataLength(length, 1 << 20, 2, tag_id::binHex)) {
                std::string bytes(static_cast<size_t>(length), '\0');
                // Data that ends before its length is not kept as zeros.
                if (!d.readHexBytes(reinterpret_cast<unsigned char*>(&bytes[0]), length, length, tag_id::binHex))
                    return 0;
                values.data = bytes;
            }
            if (!d.expectTag(tag_id::binHex))
                return 0;
        } else if (!d.skipLine()) {
            return 0;
        }
    }
    return 0;
}

class LayerValue : public HolderValue {
public:
    using HolderValue::HolderValue;
    int readEntityXml(XmlContext& d, int) override { return readLayer(d, values); }
};

class SizeValue : public HolderValue {
public:
    using HolderValue::HolderValue;
    int readEntityXml(XmlContext& d, int) override { return d.readDouble(values.size) && d.expectTag(tag_id::lineSize); }
};

class PointsValue : public HolderValue {
public:
    using HolderValue::HolderValue;
    int readEntityXml(XmlContext& d, int) override { return readPoints(d, values); }
};

class NameValue : public HolderValue {
public:
    using HolderValue::HolderValue;
    int readEntityXml(XmlContext& d, int) override
    {
        char text[260];
        int ok = d.readQuoted(text, sizeof text);
        values.name = text;
        return ok && d.expectTag(tag_id::fileName);
    }
};

class DataValue : public HolderValue {
public:
    using HolderValue::HolderValue;
    int readEntityXml(XmlContext& d, int) override { return readData(d, values); }
};

ElementEditorBase* makeTestEditor(DocumentContext&) { return new TestEditor; }

} // namespace

int TestShape::exchangeRecord(int mode)
{
    ElementStore* store = elementStore();
    if (!store)
        return 0;
    ElementRecordBuffer& b = *store->recordBuffer;
    b.rewind();
    if (mode == 1) {
        int ok = b.putInt(values.layer) && b.putDouble(values.size) && b.putInt(static_cast<int>(values.xy.size()));
        for (double v : values.xy)
            ok = ok && b.putDouble(v);
        ok = ok && b.putInt(static_cast<int>(values.name.size())) && b.putBytes(values.name.data(), static_cast<int>(values.name.size()));
        ok = ok && b.putInt(static_cast<int>(values.data.size())) && b.putBytes(values.data.data(), static_cast<int>(values.data.size()));
        return ok;
    }
    values = ShapeValues();
    int32_t n = 0;
    int32_t layerValue = 0;
    int ok = b.getInt(layerValue) && b.getDouble(values.size) && b.getInt(n);
    values.layer = layerValue;
    for (int i = 0; ok && i < n && b.remaining() >= 8; ++i) {
        double v = 0;
        ok = b.getDouble(v);
        values.xy.push_back(v);
    }
    if (ok && b.getInt(n) && n >= 0 && n <= b.remaining()) {
        values.name.assign(static_cast<size_t>(n), '\0');
        ok = n == 0 || b.getBytes(&values.name[0], n);
    }
    if (ok && b.getInt(n) && n >= 0 && n <= b.remaining()) {
        values.data.assign(static_cast<size_t>(n), '\0');
        ok = n == 0 || b.getBytes(&values.data[0], n);
    }
    return ok;
}

int TestShape::writeXml()
{
    Document* d = currentXmlContext();
    if (!d)
        return 0;
    int ok = d->beginElement(kind) && d->writeIntTag(tag_id::layer, values.layer) &&
             d->writeDoubleTag(tag_id::lineSize, values.size, kSizeDecimals);
    const int n = static_cast<int>(values.xy.size());
    if (n > 0) {
        ok = ok && d->beginTag(tag_id::listXY) && d->writeIntTag(tag_id::nums, n / 2) &&
             d->openValueTag(tag_id::xyAray);
        for (int i = 0; ok && i < n; ++i)
            ok = d->writeDoubleValue(values.xy[i], kPointDecimals, i == 0, i + 1 < n, i + 1 == n);
        ok = ok && d->closeValueTag(tag_id::xyAray) && d->endTag(tag_id::listXY);
    }
    if (!values.name.empty())
        ok = ok && d->writeStringTag(tag_id::fileName, values.name.c_str());
    if (!values.data.empty()) {
        ok = ok && d->beginTag(tag_id::bitmapData) &&
             d->writeIntTag(tag_id::binLength, static_cast<int>(values.data.size())) &&
             d->openValueTag(tag_id::binHex) &&
             d->writeHexData(values.data.data(), static_cast<int>(values.data.size()), 0) &&
             d->closeValueTag(tag_id::binHex) && d->endTag(tag_id::bitmapData);
    }
    return ok && d->endElement(kind) && d->ioError == 0;
}

int TestShape::readXmlAttributes()
{
    Document* d = currentXmlContext();
    auto* holder = d ? static_cast<TestHolder*>(d->attributeHolder()) : nullptr;
    if (!holder)
        return 0;
    values = holder->values;
    return 1;
}

TestHolder::TestHolder()
    : layer(new LayerValue(values)), size(new SizeValue(values)), points(new PointsValue(values)),
      name(new NameValue(values)), data(new DataValue(values))
{
}

TestHolder::~TestHolder()
{
    delete layer;
    delete size;
    delete points;
    delete name;
    delete data;
}

EntityAttribute* TestHolder::entityAttribute(int tagId)
{
    for (int id : missing) {
        if (id == tagId)
            return nullptr;
    }
    switch (tagId) {
    case tag_id::layer:
        return layer;
    case tag_id::lineSize:
        return size;
    case tag_id::listXY:
        return points;
    case tag_id::fileName:
        return name;
    case tag_id::bitmapData:
        return data;
    default:
        return nullptr;
    }
}

void TestHolder::resetReadAttributes()
{
    ++resets;
    int keptLayer = values.layer;
    values = ShapeValues();
    values.layer = keptLayer;
}

int TestEditor::newElement(int kind)
{
    delete current;
    current = new TestShape(kind);
    current->context = owner;
    return 1;
}

int TestEditor::addToPage()
{
    if (!current || !owner)
        return 0;
    current->page = owner->currentPage();
    current->layer = current->values.layer;
    int id = current->exchangeRecord(1) ? current->store() : 0;
    delete current;
    current = nullptr;
    if (id > 0)
        owner->markModified();
    return id > 0;
}

int TestEditor::writeElementXmlById(int id)
{
    TestShape shape;
    shape.context = owner;
    ElementStore* store = owner ? owner->elementStore() : nullptr;
    ElementIndexEntry entry;
    if (!store || !shape.load(id) || !store->getEntry(id, &entry) || !shape.exchangeRecord(3) || !shape.writeXml())
        return -1;
    return entry.pageNext >= 1 ? entry.pageNext : -1;
}

int TestPaper::writeXmlSection(Document& d)
{
    return d.beginTag(tag_id::paperSize) && d.writeDoubleTag(tag_id::horizontal, width, kPaperDecimals) &&
           d.writeDoubleTag(tag_id::vertical, height, kPaperDecimals) && d.endTag(tag_id::paperSize);
}

int TestPaper::readXmlSection(Document& d, int tagId)
{
    sectionsRead.push_back(tagId);
    if (tagId != tag_id::paperSize)
        return d.skipSection(tagId);
    int id = 0;
    while (d.nextTag(id)) {
        if (id == tag_id::paperSize && d.isClosingTag())
            return 1;
        int ok = 1;
        if (id == tag_id::horizontal)
            ok = d.readDouble(width) && d.expectTag(tag_id::horizontal);
        else if (id == tag_id::vertical)
            ok = d.readDouble(height) && d.expectTag(tag_id::vertical);
        else
            ok = d.skipLine();
        if (!ok)
            return 0;
    }
    return 0;
}

TestDrawing::TestDrawing(bool withPaper)
{
    ScopedOverride<DocumentMemberFactories> saved(documentMemberFactories);
    documentMemberFactories.editor4 = makeTestEditor;
    context.createMembers();
    standIn(context.pages, new TestPageList);
    standIn(context.paper, withPaper ? new TestPaper : nullptr);
    standIn(context.document, new TestDocument);
    context.linkManagers();
}

TestDrawing::~TestDrawing() { context.destroyManagers(); }

int TestDrawing::add(int page, ElementKind kind, const ShapeValues& values)
{
    pages().setCurrent(page);
    if (!editor().newElement(kindCode(kind)))
        return 0;
    editor().current->values = values;
    return editor().addToPage();
}

std::vector<TestShape*> TestDrawing::elementsOf(int page)
{
    std::vector<TestShape*> shapes;
    ElementStore* store = context.elementStore();
    int count = store->pageTable->getCount(page);
    int id = store->pageTable->getFirst(page);
    for (int i = 0; i < count && id >= 1; ++i) {
        auto* shape = new TestShape;
        shape->context = &context;
        // An element that cannot be read back ends the walk: the list comes out short.
        ElementIndexEntry entry;
        if (!shape->load(id) || !shape->exchangeRecord(3) || !store->getEntry(id, &entry)) {
            delete shape;
            break;
        }
        shapes.push_back(shape);
        id = entry.pageNext;
    }
    return shapes;
}

void TestDrawing::release(std::vector<TestShape*>& shapes)
{
    for (TestShape* shape : shapes)
        delete shape;
    shapes.clear();
}

int filesIn(const ScratchFolder& scratch)
{
    int count = 0;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((scratch.path() + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            ++count;
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return count;
}

int fillSample(TestDrawing& drawing)
{
    ShapeValues line;
    line.layer = 12;
    line.size = 0.25;
    line.xy = {1.5, 2, 3, -4.125};
    line.name = "a\"b";
    int ok = drawing.add(1, ElementKind::Line, line);
    ShapeValues text;
    text.layer = 3;
    text.size = 2.3;
    text.name = "図形.bmp";
    ok = drawing.add(1, ElementKind::Text, text) && ok;
    ShapeValues box;
    box.layer = 100;
    box.size = 3;
    box.data = std::string("\x00\xA5\xFF", 3);
    ok = drawing.add(2, ElementKind::Box, box) && ok;
    drawing.pages().setCurrent(3);
    drawing.pages().setCurrent(2);
    return ok;
}

int fillMixedSample(TestDrawing& drawing)
{
    ShapeValues line;
    line.layer = 12;
    line.size = 0.25;
    line.xy = {1.5, 2, 3, -4.125, 5, 6};
    line.name = "名前.bmp";
    int ok = drawing.add(1, ElementKind::Line, line);
    ShapeValues box;
    box.layer = 7;
    box.size = 3;
    box.data = std::string(50, '\x5A');
    ok = drawing.add(2, ElementKind::Box, box) && ok;
    return drawing.add(2, ElementKind::Text, line) && ok;
}

std::string savedBytes(TestDrawing& drawing, const ScratchFolder& scratch)
{
    std::string path = scratch.pathOf("saved-sample.ycx");
    if (!drawing.context.setPathAndTitle(path.c_str()) || !drawing.context.save())
        return std::string();
    std::string bytes = ScratchFolder::read(path);
    DeleteFileA(path.c_str());
    return bytes;
}

} // namespace drawing_fixture
