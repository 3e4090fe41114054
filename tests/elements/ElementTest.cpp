// The element base's exchange with the store of its drawing.
#include <gtest/gtest.h>

#include "document/DocumentContext.h"
#include "document/Element.h"
#include "document/ElementKind.h"
#include "document/ElementStore.h"
#include "tests/support/TestApplication.h"

namespace {

// A kind whose record is one integer and one double.
class SampleElement : public Element {
public:
    int exchangeRecord(int mode) override
    {
        ElementStore* store = elementStore();
        if (!store)
            return 0;
        ElementRecordBuffer& buffer = *store->recordBuffer;
        buffer.rewind();
        if (mode == 1)
            return buffer.putInt(width) && buffer.putDouble(length);
        int32_t w = 0;
        int ok = buffer.getInt(w) && buffer.getDouble(length);
        width = w;
        return ok;
    }

    int width = 0;
    double length = 0;
};

TEST(Element, StoresAndLoadsThroughItsDrawingsStore)
{
    TestApplication app;
    DocumentContext context;
    context.createMembers();

    SampleElement line;
    line.context = &context;
    line.kind = kindCode(ElementKind::Line);
    line.serial = 17;
    line.group = 4;
    line.layer = 12;
    line.page = 2;
    line.width = 3;
    line.length = 41.5;
    ASSERT_EQ(line.exchangeRecord(1), 1);
    EXPECT_EQ(line.store(), 1);
    EXPECT_EQ(line.id, 1);
    EXPECT_EQ(context.elementCount(), 1);

    SampleElement copy;
    copy.context = &context;
    ASSERT_EQ(copy.load(1), 1);
    ASSERT_EQ(copy.exchangeRecord(3), 1);
    EXPECT_EQ(copy.id, 1);
    EXPECT_EQ(copy.kind, kindCode(ElementKind::Line));
    EXPECT_EQ(copy.serial, 17);
    EXPECT_EQ(copy.group, 4);
    EXPECT_EQ(copy.layer, 12);
    EXPECT_EQ(copy.page, 2);
    EXPECT_EQ(copy.width, 3);
    EXPECT_EQ(copy.length, 41.5);

    EXPECT_EQ(copy.load(2), 0) << "an id the store does not hold";
    EXPECT_EQ(copy.id, 1);
    context.destroyManagers();
}

TEST(Element, WithoutAStoreNothingIsStored)
{
    SampleElement detached;
    detached.id = 5;
    EXPECT_EQ(detached.store(), -1);
    EXPECT_EQ(detached.id, 0);
    EXPECT_EQ(detached.load(1), 0);
    EXPECT_EQ(detached.exchangeRecord(1), 0);

    TestApplication app;
    app->errorCount = 1;
    DocumentContext failed;
    failed.createMembers();
    detached.context = &failed;
    EXPECT_EQ(detached.store(), -1);
}

} // namespace
