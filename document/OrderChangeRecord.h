#pragma once
#include <cstdint>

#include "platform/GlobalBlock.h"

class ElementStore;
class IdList;

// One step of a drawing-order change as the undo log keeps it (22 bytes there: phase, type and
// five words, in this order). Phase 1 items hold the state before the move and are applied by
// undo, phase 2 items the state after it and are applied by redo.
//
//   type 1: the page's first and last ids are w2 and w3;
//   type 2: element w1 gets its four chain links (index entry words 8 to 11) from w2 to w5;
//   type 3: the (page, kind) cell of kind w1 gets first and last ids w2 and w3.
struct OrderChangeItem {
    uint8_t phase = 0;
    uint8_t type = 0;
    int32_t w[5] = {0, 0, 0, 0, 0};
};

// The undo record of a drawing-order change: the page and its items. The undo manager owns one,
// the drawing-order command fills it around a move, and the undo manager writes it into its log,
// reads it back and has it applied.
class OrderChangeRecord : public GlobalBlock {
public:
    static constexpr int kItemBytes = 22; // size of an item in the undo log

    OrderChangeRecord();

    void clear()
    {
        count = 0;
        page = 0;
    }
    [[nodiscard]] int itemCount() const { return count; }
    [[nodiscard]] int addItem(const OrderChangeItem& item) { return append(&item); }
    [[nodiscard]] int itemAt(int index, OrderChangeItem& item) { return get(index, &item); }

    // Puts back the state of one phase (1 before the move, 2 after it) in the store, in the
    // order recorded. Links to ids the store does not hold as live elements are skipped; 0 when
    // a row or entry write failed.
    [[nodiscard]] int restore(ElementStore* store, int phase);
    // 1 when restore would skip nothing of the phase: the store has its tables, the page row and
    // the cells of the items, and every element an item relinks is live. Undo checks this first,
    // so that a step applies all or nothing.
    [[nodiscard]] int canRestore(ElementStore* store, int phase);
    [[nodiscard]] int restoreBefore(ElementStore* store) { return restore(store, 1); }
    [[nodiscard]] int restoreAfter(ElementStore* store) { return restore(store, 2); }

    // Recording around a move of the listed elements (32-bit ids) next to the target on a page.
    // begin empties the record and notes the state before, as phase 1 items: the page's ends,
    // then for the target and each listed element its links, those of its chain neighbours (each
    // element once) and its kind's cell (each kind once). end notes every phase 1 item again as
    // it stands after the move, as phase 2. 0 when an item could not be noted (memory ran
    // short and was reported); the record is then not to be written.
    [[nodiscard]] int begin(ElementStore* store, int page, int target, GlobalBlock& ids);
    [[nodiscard]] int end(ElementStore* store);

    int page = 0;

private:
    // The item of a type as the store holds it now (key: the element id or the kind).
    [[nodiscard]] int noteNow(ElementStore* store, int phase, int type, int key);
    [[nodiscard]] int noteElement(ElementStore* store, int id, IdList& elements, IdList& kinds);
};
