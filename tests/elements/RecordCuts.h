#pragma once
// The store record of an element kind read back cut at every length.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <vector>

#include "document/ElementStore.h"
#include "geometry/ElementRecordBuffer.h"
#include "tests/elements/LineFixture.h"

namespace element_fixture {

// The record the element writes (mode 1) is read back (mode 3) into a new element of its kind
// from every cut of it: each cut fails and reads nothing past its end; the whole record reads
// back, and `check` looks at the copy.
inline void expectEveryCutFails(LineDrawing& drawing, Element& element, const std::function<void(Element&)>& check)
{
    ASSERT_EQ(element.exchangeRecord(1), 1);
    ElementRecordBuffer& buffer = *drawing.context.elementStore()->recordBuffer;
    const int full = buffer.position;
    std::vector<char> image(full);
    std::memcpy(image.data(), buffer.lock(), full);
    buffer.unlock();
    for (int length = 0; length <= full; ++length) {
        buffer.rewind();
        buffer.count = 0;
        ASSERT_EQ(buffer.putBytes(image.data(), length), 1);
        std::unique_ptr<Element> copy(drawing.registry->createElement(element.kind));
        copy->context = &drawing.context;
        EXPECT_EQ(copy->exchangeRecord(3), length == full ? 1 : 0) << element.kind << " cut at " << length;
        EXPECT_LE(buffer.position, length) << element.kind << " cut at " << length;
        if (length == full)
            check(*copy);
    }
}

} // namespace element_fixture
