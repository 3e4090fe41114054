#pragma once
// A test kind of two points (first and second), whose extent is their box in x and y and whose
// store record is the two points, then the extent. Derived test kinds add what their tests record.
#include "document/Element.h"
#include "document/ElementStore.h"
#include "geometry/ElementRecordBuffer.h"

class TwoPointTestElement : public Element {
public:
    void computeExtent(int) override
    {
        if (!firstPoint() || !secondPoint())
            return;
        extentMin.x = extentMax.x = firstPoint()->x;
        extentMin.y = extentMax.y = firstPoint()->y;
        growExtent(*secondPoint());
    }
    // 1 writes, any other mode reads; 0 without a store or the points.
    [[nodiscard]] int exchangeRecord(int mode) override
    {
        ElementStore* store = elementStore();
        if (!store || !firstPoint() || !secondPoint())
            return 0;
        ElementRecordBuffer& buffer = *store->recordBuffer;
        buffer.rewind();
        if (mode == 1) {
            computeExtent(1);
            return firstPoint()->writeRecord(buffer, 2, 0) && secondPoint()->writeRecord(buffer, 2, 0) &&
                   serializeExtent(buffer, 1);
        }
        return firstPoint()->readRecord(buffer, 2, 0) && secondPoint()->readRecord(buffer, 2, 0) &&
               serializeExtent(buffer, 3);
    }
};
