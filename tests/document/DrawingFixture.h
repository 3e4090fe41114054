#pragma once
// A small drawing for the file tests: a test element kind that writes and reads a few attribute
// tags (an integer, a real, a point list, a text and hex data), the attribute holder objects that
// read them, the file I/O editor that creates and writes such elements through the element store,
// a page list and a paper section owner.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "document/Document.h"
#include "document/DocumentContext.h"
#include "document/Element.h"
#include "document/ElementKind.h"
#include "document/PageList.h"
#include "geometry/EntityAttribute.h"
#include "geometry/PaperSettings.h"
#include "geometry/TagIds.h"
#include "tests/support/IdleMembers.h"
#include "views/tools/ElementEditor.h"

class ScratchFolder;

namespace drawing_fixture {

// The decimals the test element writes its line size and points with, and the paper its sizes.
const int kSizeDecimals = 3;
const int kPointDecimals = 5;
const int kPaperDecimals = 3;

// The attribute values of a test element (and of the holder).
struct ShapeValues {
    int layer = 100;
    double size = 0.0;
    std::vector<double> xy;
    std::string name;
    std::string data;
};

class TestShape : public Element {
public:
    explicit TestShape(int k = 1) { kind = k; }
    [[nodiscard]] int exchangeRecord(int mode) override;
    [[nodiscard]] int writeXml() override;
    [[nodiscard]] int readXmlAttributes() override;
    ShapeValues values;
};

// Holder objects: one per attribute tag.
class HolderValue : public EntityAttribute {
public:
    explicit HolderValue(ShapeValues& v) : values(v) {}
    ShapeValues& values;
};

class TestHolder : public Element {
public:
    TestHolder();
    ~TestHolder() override;
    [[nodiscard]] EntityAttribute* entityAttribute(int tagId) override;
    // The layer carries over from the element before, as the real holder's does.
    void resetReadAttributes() override;
    ShapeValues values;
    int resets = 0;
    // Tags whose object the holder lacks.
    std::vector<int> missing;

private:
    HolderValue* layer;
    HolderValue* size;
    HolderValue* points;
    HolderValue* name;
    HolderValue* data;
};

class TestDocument : public Document {
public:
    // Tags whose object the holders of later reads lack.
    std::vector<int> missingTags;

protected:
    Element* makeAttributeHolder() override
    {
        auto* holder = new TestHolder;
        holder->missing = missingTags;
        return holder;
    }
};

class TestEditor : public IdleEditor {
public:
    void setOwner(DocumentContext* o) override { owner = o; }
    [[nodiscard]] Element* elementInHand() override { return current; }

    [[nodiscard]] int newElement(int kind) override;
    [[nodiscard]] int readElementXmlAttributes() override { return current ? current->readXmlAttributes() : 0; }
    [[nodiscard]] int addToPage() override;
    [[nodiscard]] int writeElementXmlById(int id) override;
    ~TestEditor() override { delete current; }

    DocumentContext* owner = nullptr;
    TestShape* current = nullptr;
};

class TestPageList : public PageList {
public:
    void setOwner(DocumentContext*) override {}
    [[nodiscard]] int currentPage() override { return current; }
    [[nodiscard]] int pageCount() override { return count; }
    void setCurrent(int page) override
    {
        current = page;
        if (count < page)
            count = page;
    }
    int previousPage() override { return 0; }
    int nextPage() override { return 0; }
    void markLowestPage() override
    {
        if (lowest < 1 || lowest > current)
            lowest = current;
    }
    int current = 1;
    int count = 1;
    int lowest = 0;
};

// Writes "paperSize" with two reals and reads them back.
class TestPaper : public IdlePaper {
public:
    [[nodiscard]] int writeXmlSection(Document& document) override;
    [[nodiscard]] int readXmlSection(Document& document, int tagId) override;
    double width = 297.0;
    double height = 210.0;
    std::vector<int> sectionsRead;
};

// A document context with the test members in place of the real ones: the element store, the
// document (TestDocument), the page list, the paper and the file I/O editor.
class TestDrawing {
public:
    explicit TestDrawing(bool withPaper = true);
    ~TestDrawing();
    TestDrawing(const TestDrawing&) = delete;
    TestDrawing& operator=(const TestDrawing&) = delete;

    // Stores an element on a page (through the editor, as a read would); 1 when it was stored.
    [[nodiscard]] int add(int page, ElementKind kind, const ShapeValues& values);
    // The elements of a page in drawing order.
    std::vector<TestShape*> elementsOf(int page);
    void release(std::vector<TestShape*>& shapes);

    // Names the drawing after the file and opens it; the open's result.
    [[nodiscard]] int open(const std::string& path)
    {
        EXPECT_EQ(document().assign(path.c_str()), 1) << path;
        return context.openFile();
    }
    TestDocument& document() { return *static_cast<TestDocument*>(context.document); }
    TestPageList& pages() { return *static_cast<TestPageList*>(context.pages); }
    TestEditor& editor() { return *static_cast<TestEditor*>(context.editor4); }
    TestPaper* paper() { return static_cast<TestPaper*>(context.paper); }

    DocumentContext context;
};

// The number of files in a scratch folder (temporary files left behind show here).
int filesIn(const ScratchFolder& scratch);

// The drawing of the golden file: a line (quote in its name) and a text on page 1, a box with
// hex data on page 2, an empty page 3, page 2 current. 1 when every element was stored.
[[nodiscard]] int fillSample(TestDrawing& drawing);
// A line with a Japanese name and three points on page 1, a box with 50 bytes of data and the
// line again on page 2. 1 when every element was stored.
[[nodiscard]] int fillMixedSample(TestDrawing& drawing);
// The bytes of the drawing saved under a scratch name (the file is deleted again); empty when it
// could not be saved.
std::string savedBytes(TestDrawing& drawing, const ScratchFolder& scratch);

} // namespace drawing_fixture
