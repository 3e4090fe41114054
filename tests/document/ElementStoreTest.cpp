// The element store: ids, record blocks, page and (page, kind) chains, undo's reinsertion.
#include <gtest/gtest.h>
#include <algorithm>
#include <cstring>
#include <deque>
#include <iterator>
#include <list>
#include <map>
#include <string>
#include <vector>

#include "document/ElementStore.h"
#include "document/PageOrder.h"
#include "tests/support/TestApplication.h"

namespace {

// Stages n bytes (0, 1, 2, ... wrapping) plus a marker in the first byte and stores them.
int addRecord(ElementStore& store, int page, int kind, int n, char marker = 'A', ElementIndexEntry* out = nullptr)
{
    std::vector<char> bytes(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i)
        bytes[static_cast<size_t>(i)] = static_cast<char>(i);
    if (n > 0)
        bytes[0] = marker;
    store.recordBuffer->rewind();
    EXPECT_EQ(store.recordBuffer->putBytes(bytes.data(), n), 1);
    ElementIndexEntry entry;
    entry.page = page;
    entry.kind = kind;
    entry.layer = 7;
    entry.serial = 100 + n;
    int id = store.addElement(&entry);
    if (out)
        *out = entry;
    return id;
}

// The ids along one chain from its first id, following one link word of the entries; a chain
// walked backwards is given in forward order. Stops after 100,000 ids, so a looped chain ends.
std::vector<int> walk(ElementStore& store, int from, int32_t ElementIndexEntry::*link, bool backwards = false)
{
    std::vector<int> ids;
    for (int id = from; id >= 1 && ids.size() < 100000;) {
        ids.insert(backwards ? ids.begin() : ids.end(), id);
        ElementIndexEntry entry;
        if (!store.getEntry(id, &entry))
            break;
        id = entry.*link;
    }
    return ids;
}

std::vector<int> pageChain(ElementStore& store, int page)
{
    return walk(store, store.pageTable->getFirst(page), &ElementIndexEntry::pageNext);
}

std::vector<int> cellChain(ElementStore& store, int page, int kind)
{
    return walk(store, store.cellTable->getFirst(page, kind), &ElementIndexEntry::cellNext);
}

// A page's drawing order read both ways, and its count.
void expectPageOrder(ElementStore& store, int page, const std::vector<int>& ids)
{
    EXPECT_EQ(pageChain(store, page), ids) << "page " << page;
    EXPECT_EQ(walk(store, store.pageTable->getLast(page), &ElementIndexEntry::pagePrevious, true), ids)
        << "page " << page << " backwards";
    EXPECT_EQ(store.pageTable->getCount(page), static_cast<int>(ids.size())) << "page " << page;
}

// Seeded numbers in [0, n), the same on every run.
struct Seeded {
    uint32_t seed;
    int operator()(int n)
    {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 8) % static_cast<uint32_t>(n));
    }
};

char firstRecordByte(ElementStore& store, int id)
{
    if (!store.readElement(id, nullptr))
        return 0;
    store.recordBuffer->rewind();
    char c = 0;
    return store.recordBuffer->getBytes(&c, 1) ? c : 0;
}

TEST(ElementStore, IdsAreReusedOldestFirst)
{
    ElementStore store;
    for (int i = 1; i <= 5; ++i)
        ASSERT_EQ(addRecord(store, 1, 1, 10), i);
    ASSERT_EQ(store.deleteElement(4, nullptr), 1);
    ASSERT_EQ(store.deleteElement(2, nullptr), 1);
    EXPECT_EQ(store.liveCount(), 3);
    EXPECT_EQ(addRecord(store, 1, 1, 10), 4);
    EXPECT_EQ(addRecord(store, 1, 1, 10), 2);
    EXPECT_EQ(addRecord(store, 1, 1, 10), 6) << "highest + 1 once the free list is empty";
    EXPECT_EQ(store.liveCount(), 6);
    EXPECT_EQ(pageChain(store, 1), (std::vector<int>{1, 3, 5, 4, 2, 6})) << "reused ids join at the page's end";
}

TEST(ElementStore, RecordsTakeWholeBlocksWithZeroedTails)
{
    ElementStore store;
    ElementIndexEntry entry;
    int exact = addRecord(store, 1, 1, 128, 'X', &entry);
    EXPECT_EQ(entry.blockCount, 1);
    EXPECT_EQ(store.pool->linkOf(entry.firstBlock), kChainEnd);

    int longer = addRecord(store, 1, 1, 129, 'Y', &entry);
    EXPECT_EQ(entry.blockCount, 2);
    int second = store.pool->linkOf(entry.firstBlock);
    EXPECT_GE(second, 1);
    EXPECT_EQ(store.pool->linkOf(second), kChainEnd);

    ElementIndexEntry read;
    ASSERT_EQ(store.readElement(longer, &read), 1);
    EXPECT_EQ(read.serial, 229);
    EXPECT_EQ(store.recordBuffer->count, 256);
    EXPECT_EQ(store.recordBuffer->position, 256) << "the reader rewinds before reading fields";
    std::vector<char> bytes(256);
    store.recordBuffer->rewind();
    ASSERT_EQ(store.recordBuffer->getBytes(bytes.data(), 256), 1);
    EXPECT_EQ(bytes[0], 'Y');
    EXPECT_EQ(bytes[128], static_cast<char>(128));
    for (int i = 129; i < 256; ++i)
        ASSERT_EQ(bytes[static_cast<size_t>(i)], 0) << "tail byte " << i;
    EXPECT_EQ(firstRecordByte(store, exact), 'X');

    // An entry that counts more blocks than its chain holds names a record that cannot be read
    // whole: the read fails instead of padding the record with zeros.
    ElementIndexEntry damaged;
    ASSERT_EQ(store.getEntry(exact, &damaged), 1);
    damaged.blockCount = 2;
    ASSERT_EQ(store.indexTable->putEntry(exact, damaged), 1);
    EXPECT_EQ(store.readElement(exact, nullptr), 0);

    int empty = addRecord(store, 1, 1, 0, 0, &entry);
    EXPECT_GE(empty, 1);
    EXPECT_EQ(entry.blockCount, 1) << "an empty record still takes one block number";
    EXPECT_GE(entry.firstBlock, 1);
}

TEST(ElementStore, UpdateRewritesTheRecordInItsOwnChain)
{
    ElementStore store;
    ElementIndexEntry before;
    int id = addRecord(store, 2, 3, 100, 'a', &before);
    addRecord(store, 2, 3, 10);

    std::vector<char> bytes(300, 'b');
    store.recordBuffer->rewind();
    ASSERT_EQ(store.recordBuffer->putBytes(bytes.data(), 300), 1);
    ElementIndexEntry change;
    change.serial = 55;
    change.kind = 3;
    change.layer = 9;
    change.page = 99;  // page, group and links are the store's
    change.group = 42;
    ASSERT_EQ(store.updateElement(id, &change), 1);
    EXPECT_EQ(change.firstBlock, before.firstBlock) << "the first block and the id stay";
    EXPECT_EQ(change.blockCount, 3);
    EXPECT_EQ(change.serial, 55);
    EXPECT_EQ(change.layer, 9);
    EXPECT_EQ(change.page, 2);
    EXPECT_EQ(change.group, 0);
    EXPECT_EQ(firstRecordByte(store, id), 'b');
    EXPECT_EQ(store.recordBuffer->count, 384);

    // Shorter again: the first block stays and, with reuse allowed, the other two are freed.
    store.recordBuffer->rewind();
    ASSERT_EQ(store.recordBuffer->putBytes("c", 1), 1);
    ASSERT_EQ(store.updateElement(id, &change), 1);
    EXPECT_EQ(change.firstBlock, before.firstBlock);
    EXPECT_EQ(change.blockCount, 1);
    EXPECT_EQ(store.pool->freeCount, 2);
    int reused = addRecord(store, 2, 3, 200);
    EXPECT_EQ(store.pool->freeCount, 0) << "freed blocks serve the next record";
    EXPECT_EQ(firstRecordByte(store, id), 'c');
    EXPECT_EQ(firstRecordByte(store, reused), 'A');

    // In a document store (no reuse) nothing goes back to the pool.
    ElementStore document;
    document.setNoReuse(1);
    int element = addRecord(document, 1, 1, 300);
    document.recordBuffer->rewind();
    ASSERT_EQ(document.recordBuffer->putBytes("d", 1), 1);
    ASSERT_EQ(document.updateElement(element, &change), 1);
    ASSERT_EQ(document.deleteElement(element, nullptr), 1);
    EXPECT_EQ(document.pool->freeCount, 0);
}

TEST(ElementStore, DeletingUnlinksAndClearsEmptiedPages)
{
    ElementStore store;
    int only = addRecord(store, 3, 1, 10);
    ASSERT_EQ(store.deleteElement(only, nullptr), 1);
    for (int word : {store.pageTable->getCount(3), store.pageTable->getFirst(3), store.pageTable->getLast(3),
                     store.cellTable->getCount(3, 1), store.cellTable->getFirst(3, 1), store.cellTable->getLast(3, 1)})
        EXPECT_EQ(word, 0);
    int again = addRecord(store, 3, 1, 10);
    EXPECT_EQ(store.pageTable->getFirst(3), again) << "the next addition is the page's first again";

    int a = addRecord(store, 3, 2, 10);
    int b = addRecord(store, 3, 1, 10);
    int c = addRecord(store, 3, 2, 10);
    EXPECT_EQ(cellChain(store, 3, 2), (std::vector<int>{a, c}));
    ElementIndexEntry entry;
    ASSERT_EQ(store.getEntry(c, &entry), 1);
    EXPECT_EQ(entry.ordinal, 2) << "word 2 is the cell's count after the append";

    ElementIndexEntry deleted;
    ASSERT_EQ(store.deleteElement(a, &deleted), 1);
    EXPECT_EQ(deleted.page, 3);
    expectPageOrder(store, 3, {again, b, c});
    EXPECT_EQ(cellChain(store, 3, 2), (std::vector<int>{c}));

    EXPECT_EQ(store.deleteElement(a, nullptr), 0) << "a released id is not deleted twice";
    EXPECT_EQ(store.readElement(a, nullptr), 0);
    EXPECT_EQ(store.readElement(0, nullptr), 0);
    EXPECT_EQ(store.readElement(store.highestId() + 1, nullptr), 0);
    EXPECT_EQ(store.getEntry(store.highestId() + 1, &entry), 0);
}

TEST(ElementStore, ReinsertedIdsLeaveTheFreeList)
{
    ElementStore store;
    store.setNoReuse(1);
    int first = addRecord(store, 1, 1, 10, 'p');
    int middle = addRecord(store, 1, 1, 200, 'q');
    int last = addRecord(store, 1, 1, 10, 'r');

    ElementIndexEntry image;
    ASSERT_EQ(store.deleteElement(middle, &image), 1);
    ASSERT_EQ(store.reinsertElement(middle, image), 1);
    expectPageOrder(store, 1, {first, middle, last}); // back at its recorded place
    EXPECT_EQ(firstRecordByte(store, middle), 'q') << "intact blocks give back the same record";
    EXPECT_EQ(store.recordBuffer->count, 256);

    // Draw A, undo, redo, draw B: B must not take A's id.
    int next = addRecord(store, 1, 1, 10);
    EXPECT_NE(next, middle);
    EXPECT_EQ(store.liveCount(), 4);
    EXPECT_EQ(store.indexTable->freeCount, 0);

    // Taking an id out of the middle of the free list keeps the rest in order.
    for (int id : {first, next, last})
        ASSERT_EQ(store.deleteElement(id, nullptr), 1);
    ASSERT_EQ(store.appendToPageEnd(next), 1);
    EXPECT_EQ(pageChain(store, 1), (std::vector<int>{middle, next}));
    EXPECT_EQ(addRecord(store, 1, 1, 10), first);
    EXPECT_EQ(addRecord(store, 1, 1, 10), last);
    EXPECT_EQ(addRecord(store, 1, 1, 10), 5);

    EXPECT_EQ(store.reinsertElement(0, image), 0);
    ElementIndexEntry broken = image;
    broken.blockCount = 1 << 30;
    EXPECT_EQ(store.reinsertElement(middle, broken), 0) << "an image that names blocks the pool lacks";
}

TEST(ElementStore, ElementsDeletedTogetherComeBackInAnyOrder)
{
    // Drawing order P, A, B, N, Z. Undo keeps each image as it was before any of them went, and
    // puts them back in selection order, here B, A, Z.
    ElementStore store;
    store.setNoReuse(1);
    int p = addRecord(store, 1, 1, 10, 'P'), a = addRecord(store, 1, 1, 10, 'A');
    int b = addRecord(store, 1, 1, 10, 'B'), n = addRecord(store, 1, 1, 10, 'N');
    int z = addRecord(store, 1, 1, 10, 'Z');
    std::vector<ElementIndexEntry> images(6);
    for (int id : {b, a, z})
        ASSERT_EQ(store.getEntry(id, &images[static_cast<size_t>(id)]), 1);
    for (int id : {b, a, z})
        ASSERT_EQ(store.deleteElement(id, nullptr), 1);
    EXPECT_EQ(pageChain(store, 1), (std::vector<int>{p, n}));

    ASSERT_EQ(store.reinsertElement(b, images[static_cast<size_t>(b)]), 1);
    EXPECT_TRUE(store.isLive(b));
    EXPECT_FALSE(store.isLive(a)) << "its neighbour's link does not take a released id back";
    EXPECT_EQ(store.indexTable->freeCount, 2);
    ASSERT_EQ(store.reinsertElement(a, images[static_cast<size_t>(a)]), 1);
    ASSERT_EQ(store.reinsertElement(z, images[static_cast<size_t>(z)]), 1);

    const std::vector<int> all{p, a, b, n, z};
    expectPageOrder(store, 1, all);
    EXPECT_EQ(cellChain(store, 1, 1), all);
    EXPECT_EQ(store.cellTable->getCount(1, 1), 5);
    for (int id : all)
        EXPECT_TRUE(store.isLive(id)) << id;
    EXPECT_EQ(store.indexTable->freeCount, 0);
    EXPECT_EQ(firstRecordByte(store, z), 'Z');
    EXPECT_EQ(addRecord(store, 1, 1, 10), 6) << "no id is handed out twice";

    // The free list is kept beside the entries: released ids still come back oldest first while
    // their entries keep the links they were released with.
    ElementIndexEntry before;
    ASSERT_EQ(store.getEntry(n, &before), 1);
    for (int id : {n, p, z})
        ASSERT_EQ(store.deleteElement(id, nullptr), 1);
    ElementIndexEntry released;
    ASSERT_EQ(store.getEntry(n, &released), 1);
    EXPECT_EQ(std::memcmp(&released, &before, sizeof before), 0);
    EXPECT_EQ(addRecord(store, 1, 1, 10), n);
    EXPECT_EQ(addRecord(store, 1, 1, 10), p);
    EXPECT_EQ(addRecord(store, 1, 1, 10), z);
    EXPECT_EQ(addRecord(store, 1, 1, 10), 7);

    // A free list that names no released id hands out nothing rather than an id below 1.
    ElementIndexTable table;
    for (int i = 1; i <= 3; ++i)
        ASSERT_EQ(table.allocateNumber(), i);
    for (int head : {0, -2, 2}) {
        table.freeCount = 1;
        table.freeHead = table.freeTail = head;
        EXPECT_EQ(table.allocateNumber(), 0) << head;
    }
    EXPECT_FALSE(table.isFree(-2));
}

// Moves within the drawing order: to the page's end, before or after another element.
TEST(ElementStore, MovesWithinThePageChain)
{
    ElementStore store;
    int a = addRecord(store, 1, 1, 10);
    int b = addRecord(store, 1, 1, 10);
    int c = addRecord(store, 1, 2, 10);
    int d = addRecord(store, 1, 1, 10);

    EXPECT_EQ(store.relinkOrder(1, b, b), 0);
    EXPECT_EQ(pageChain(store, 1), (std::vector<int>{a, b, c, d}));

    ASSERT_EQ(store.appendToPageEnd(a), 1);
    expectPageOrder(store, 1, {b, c, d, a});
    EXPECT_EQ(cellChain(store, 1, 1), (std::vector<int>{b, d, a}));
    EXPECT_EQ(store.cellTable->getCount(1, 1), 3);
    ASSERT_EQ(store.relinkOrder(1, a, b), 1);
    ASSERT_EQ(store.relinkOrderAfter(1, a, d), 1);
    expectPageOrder(store, 1, {b, c, d, a});
    EXPECT_EQ(store.pageTable->getFirst(1), b) << "the former next becomes the page's first";
    EXPECT_EQ(store.pageTable->getLast(1), a);
    EXPECT_EQ(cellChain(store, 1, 1), (std::vector<int>{b, d, a}));

    ASSERT_EQ(store.relinkOrder(1, a, b), 1);
    EXPECT_EQ(pageChain(store, 1), (std::vector<int>{a, b, c, d}));
    EXPECT_EQ(cellChain(store, 1, 1), (std::vector<int>{a, b, d}));

    // Of another kind: only the drawing order changes, the cell keeps its order.
    ASSERT_EQ(store.relinkOrder(1, d, c), 1);
    expectPageOrder(store, 1, {a, b, d, c});
    EXPECT_EQ(cellChain(store, 1, 1), (std::vector<int>{a, b, d}));

    int other = addRecord(store, 2, 1, 10);
    EXPECT_EQ(store.relinkOrder(1, other, a), 0) << "an element of another page is not moved";
}

TEST(ElementStore, PagesAreInsertedAndRemovedByRows)
{
    ElementStore store;
    int one = addRecord(store, 1, 1, 10);
    int two = addRecord(store, 2, 4, 10);
    ASSERT_EQ(store.insertPageBefore(1), 1);
    EXPECT_EQ(store.pageTable->getCount(1), 0);
    EXPECT_EQ(store.pageTable->getFirst(2), one);
    EXPECT_EQ(store.pageTable->getFirst(3), two);
    EXPECT_EQ(store.cellTable->getFirst(3, 4), two);
    ElementIndexEntry entry;
    ASSERT_EQ(store.getEntry(two, &entry), 1);
    EXPECT_EQ(entry.page, 2) << "the entries keep their page words";

    EXPECT_EQ(store.insertPageAfter(3), 1) << "after the last row nothing changes";
    EXPECT_EQ(store.pageTable->count, 4);
    ASSERT_EQ(store.removePage(1), 1);
    EXPECT_EQ(store.pageTable->getFirst(1), one);
    EXPECT_EQ(store.cellTable->getFirst(2, 4), two);
}

TEST(ElementStore, RefusesWhatItCannotLink)
{
    ElementStore store;
    EXPECT_EQ(addRecord(store, 0, 1, 10), 0) << "pages start at 1";
    EXPECT_EQ(addRecord(store, -5, 1, 10), 0);
    EXPECT_EQ(addRecord(store, kMaxPageNumber + 1, 1, 10), 0);
    int odd = addRecord(store, 1, 60, 10);
    ASSERT_GE(odd, 1) << "a kind beyond the columns is linked in its page chain only";
    EXPECT_EQ(pageChain(store, 1), (std::vector<int>{odd}));
    EXPECT_EQ(store.cellTable->getCount(1, 60), 0);
    ASSERT_EQ(store.deleteElement(odd, nullptr), 1);
    EXPECT_EQ(store.pageTable->getCount(1), 0);
}

TEST(ElementStore, ErrorFlagLeavesTheTablesUnbuilt)
{
    TestApplication app;
    app->errorCount = 1;
    ElementStore store;
    EXPECT_EQ(store.recordBuffer, nullptr);
    EXPECT_EQ(store.pool, nullptr);
    ElementIndexEntry entry;
    entry.page = 1;
    EXPECT_EQ(store.addElement(&entry), 0);
    EXPECT_EQ(store.readElement(1, &entry), 0);
    EXPECT_EQ(store.insertPageBefore(1), 0);
    EXPECT_EQ(store.liveCount(), 0);
}

TEST(ElementRecordBuffer, ReadsStopAtTheUsedCount)
{
    ElementRecordBuffer buffer;
    ASSERT_EQ(buffer.putShort(-2), 1);
    ASSERT_EQ(buffer.putInt(0x01020304), 1);
    ASSERT_EQ(buffer.putDouble(2.5), 1);
    EXPECT_EQ(buffer.count, 14);
    {
        BlockLock bytes(buffer);
        EXPECT_EQ(bytes.data()[2], 0x04) << "little-endian";
    }
    buffer.rewind();
    int16_t s = 0;
    int32_t i = 0;
    double d = 0;
    EXPECT_EQ(buffer.getShort(s), 1);
    EXPECT_EQ(buffer.getInt(i), 1);
    EXPECT_EQ(buffer.getDouble(d), 1);
    EXPECT_EQ(s, -2);
    EXPECT_EQ(i, 0x01020304);
    EXPECT_EQ(d, 2.5);

    char big[64];
    buffer.position = 10;
    EXPECT_EQ(buffer.getBytes(big, 5), 0) << "beyond the used count";
    EXPECT_EQ(buffer.position, 10);
    EXPECT_EQ(buffer.getDouble(d), 0);
    EXPECT_EQ(d, 0.0);
    EXPECT_EQ(buffer.getBytes(big, -1), 0);
    EXPECT_EQ(buffer.getBytes(big, 4), 1);

    // Writing in the middle makes the record end there.
    buffer.position = 2;
    ASSERT_EQ(buffer.putInt(7), 1);
    EXPECT_EQ(buffer.count, 6);
    std::vector<char> large(5 << 20, 'z');
    buffer.rewind();
    EXPECT_EQ(buffer.putBytes(large.data(), static_cast<int>(large.size())), 1);
    EXPECT_EQ(buffer.count, 5 << 20);
}

} // namespace

namespace {

// A plain model of the chains: page order and (page, kind) order as lists, ids reused oldest
// first. Seeded random operations must leave the store's chains equal to it.
struct ChainModel {
    std::map<int, std::list<int>> pages;
    std::map<std::pair<int, int>, std::list<int>> cells;
    std::map<int, std::pair<int, int>> where; // id -> (page, kind)
    std::deque<int> freeIds;
    int highest = 0;

    static void moveBefore(std::list<int>& list, int id, int target, bool after)
    {
        list.remove(id);
        auto at = std::find(list.begin(), list.end(), target);
        list.insert(after ? std::next(at) : at, id);
    }
};

void expectChainsMatch(ElementStore& store, const ChainModel& model)
{
    for (const auto& [page, ids] : model.pages)
        expectPageOrder(store, page, std::vector<int>(ids.begin(), ids.end()));
    for (const auto& [cell, ids] : model.cells)
        EXPECT_EQ(cellChain(store, cell.first, cell.second), std::vector<int>(ids.begin(), ids.end()))
            << "cell " << cell.first << "/" << cell.second;
    EXPECT_EQ(store.liveCount(), static_cast<int>(model.where.size()));
}

TEST(ElementStore, RandomOperationsKeepTheChainsConsistent)
{
    ElementStore store;
    store.setNoReuse(1);
    ChainModel model;
    PageOrder order;
    Seeded next{20260101};
    auto randomLive = [&]() {
        auto it = model.where.begin();
        std::advance(it, next(static_cast<int>(model.where.size())));
        return it->first;
    };
    for (int step = 0; step < 3000; ++step) {
        int action = model.where.size() < 4 ? 0 : next(6);
        if (action <= 1) {
            int page = 1 + next(3), kind = 1 + next(3);
            int expected = model.freeIds.empty() ? model.highest + 1 : model.freeIds.front();
            ASSERT_EQ(addRecord(store, page, kind, next(300)), expected);
            if (model.freeIds.empty())
                model.highest = expected;
            else
                model.freeIds.pop_front();
            model.pages[page].push_back(expected);
            model.cells[{page, kind}].push_back(expected);
            model.where[expected] = {page, kind};
        } else if (action == 2) {
            int id = randomLive();
            auto [page, kind] = model.where[id];
            ElementIndexEntry image;
            ASSERT_EQ(store.deleteElement(id, &image), 1);
            if (next(2)) { // undone at once: back at its place, off the free list
                ASSERT_EQ(store.reinsertElement(id, image), 1);
            } else {
                model.pages[page].remove(id);
                model.cells[{page, kind}].remove(id);
                model.where.erase(id);
                model.freeIds.push_back(id);
            }
        } else if (action == 3) {
            int id = randomLive();
            auto [page, kind] = model.where[id];
            ASSERT_EQ(store.appendToPageEnd(id), 1);
            model.pages[page].remove(id);
            model.pages[page].push_back(id);
            model.cells[{page, kind}].remove(id);
            model.cells[{page, kind}].push_back(id);
        } else {
            int a = randomLive(), b = randomLive();
            auto [page, kind] = model.where[a];
            bool after = action == 5;
            int result = after ? store.relinkOrderAfter(page, a, b) : store.relinkOrder(page, a, b);
            if (a == b || model.where[b].first != page) {
                ASSERT_EQ(result, 0);
                continue;
            }
            ASSERT_EQ(result, 1);
            ChainModel::moveBefore(model.pages[page], a, b, after);
            if (model.where[b].second == kind)
                ChainModel::moveBefore(model.cells[{page, kind}], a, b, after);
        }
        expectChainsMatch(store, model);
        // The drawing order kept between steps follows every change of the chains.
        const int page = 1 + next(3);
        std::vector<int> ids;
        for (int id = 1; id <= store.highestId() + 1; ++id)
            ids.push_back(id);
        order.sortTopFirst(&store, page, ids);
        EXPECT_EQ(ids, std::vector<int>(model.pages[page].rbegin(), model.pages[page].rend())) << "page " << page;
        if (HasFailure())
            return;
    }
}

TEST(ElementStore, DeletedTogetherAndPutBackInRandomOrder)
{
    // Seeded rounds of "delete k of n, put them back in a random order", each from images taken
    // before any removal, on two pages and three kinds.
    Seeded next{77};
    for (int round = 0; round < 2000; ++round) {
        ElementStore store;
        store.setNoReuse(1);
        ChainModel model;
        int n = 2 + next(11);
        for (int i = 0; i < n; ++i) {
            int page = 1 + next(2), kind = 1 + next(3);
            int id = addRecord(store, page, kind, 1 + next(200), static_cast<char>('a' + i));
            ASSERT_EQ(id, i + 1);
            model.pages[page].push_back(id);
            model.cells[{page, kind}].push_back(id);
            model.where[id] = {page, kind};
        }
        std::vector<int> chosen;
        for (int id = 1; id <= n; ++id)
            chosen.push_back(id);
        for (int i = n - 1; i > 0; --i)
            std::swap(chosen[static_cast<size_t>(i)], chosen[static_cast<size_t>(next(i + 1))]);
        chosen.resize(static_cast<size_t>(1 + next(n)));

        std::map<int, ElementIndexEntry> images;
        for (int id : chosen)
            ASSERT_EQ(store.getEntry(id, &images[id]), 1);
        for (int id : chosen)
            ASSERT_EQ(store.deleteElement(id, nullptr), 1);
        for (size_t i = chosen.size() - 1; i > 0; --i)
            std::swap(chosen[i], chosen[static_cast<size_t>(next(static_cast<int>(i) + 1))]);
        for (int id : chosen)
            ASSERT_EQ(store.reinsertElement(id, images[id]), 1);

        SCOPED_TRACE("round " + std::to_string(round));
        expectChainsMatch(store, model);
        if (HasFailure())
            return;
        for (int id = 1; id <= n; ++id) {
            ASSERT_TRUE(store.isLive(id)) << id;
            ASSERT_EQ(firstRecordByte(store, id), static_cast<char>('a' + id - 1));
        }
        ASSERT_EQ(store.indexTable->freeCount, 0);
        ASSERT_EQ(addRecord(store, 1, 1, 10), n + 1) << "the next new id is fresh";
    }
}

} // namespace
