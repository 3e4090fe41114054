// The element store's operations at two sizes: records of 100-300 bytes over 10 pages are added,
// read back by id, 10 % updated with longer records, half deleted and as many added again. Each
// operation should cost the same per element at either size (apart from the record copy), so the
// ns-per-operation columns of the sizes should match. The tables grow geometrically, so a
// reallocation of the block pool costs a copy of the whole pool once in a while; the update phase
// is short (10 % of the elements), and when such a copy falls into it, it shows there whole.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "BenchHarness.h"
#include "document/ElementStore.h"

namespace {

struct PhaseTimes {
    double add = 0, read = 0, update = 0, remove = 0, readd = 0;
};

uint32_t nextRandom(uint32_t& state)
{
    state = state * 1664525u + 1013904223u;
    return state >> 8;
}

int stage(ElementStore& store, const std::vector<char>& bytes, int n)
{
    store.recordBuffer->rewind();
    return store.recordBuffer->putBytes(bytes.data(), n);
}

// The new id, 0 when the record could not be staged or stored.
int addOne(ElementStore& store, const std::vector<char>& bytes, uint32_t& random, int index)
{
    if (!stage(store, bytes, 100 + static_cast<int>(nextRandom(random) % 201)))
        return 0;
    ElementIndexEntry entry;
    entry.page = 1 + index % 10;
    entry.kind = 1 + static_cast<int>(nextRandom(random) % 19);
    entry.layer = 100;
    entry.serial = index + 1;
    return store.addElement(&entry);
}

PhaseTimes runOnce(int count)
{
    std::vector<char> bytes(600, 'x');
    uint32_t random = 12345;
    PhaseTimes t;
    ElementStore store;
    store.setNoReuse(1); // as in every document store
    std::vector<int> ids(static_cast<size_t>(count));

    double start = benchNow();
    for (int i = 0; i < count; ++i)
        ids[static_cast<size_t>(i)] = addOne(store, bytes, random, i);
    t.add = benchNow() - start;

    start = benchNow();
    long long checksum = 0;
    ElementIndexEntry entry;
    for (int id : ids)
        checksum += store.readElement(id, &entry) + entry.blockCount;
    t.read = benchNow() - start;

    start = benchNow();
    int updates = 0;
    int failed = 0;
    for (int i = 0; i < count; i += 10, ++updates) {
        ElementIndexEntry change;
        failed += !stage(store, bytes, 400 + static_cast<int>(nextRandom(random) % 200)) ||
                  !store.getEntry(ids[static_cast<size_t>(i)], &change) ||
                  !store.updateElement(ids[static_cast<size_t>(i)], &change);
    }
    t.update = (benchNow() - start) / updates * count;

    // Every second id, in an order unrelated to the chains.
    std::vector<int> victims;
    for (int i = 0; i < count; i += 2)
        victims.push_back(ids[static_cast<size_t>(i)]);
    for (size_t i = victims.size(); i > 1; --i)
        std::swap(victims[i - 1], victims[nextRandom(random) % i]);
    start = benchNow();
    for (int id : victims)
        failed += !store.deleteElement(id, nullptr);
    t.remove = (benchNow() - start) / static_cast<double>(victims.size()) * count;

    start = benchNow();
    for (size_t i = 0; i < victims.size(); ++i)
        checksum += addOne(store, bytes, random, static_cast<int>(i));
    t.readd = (benchNow() - start) / static_cast<double>(victims.size()) * count;

    if (store.liveCount() != count || checksum == 0 || failed)
        std::printf("unexpected live count %d (%d updates or deletions failed)\n", store.liveCount(), failed);
    return t;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void report(int count, int runs)
{
    std::vector<double> add, read, update, remove, readd;
    runOnce(count); // warm-up
    for (int r = 0; r < runs; ++r) {
        PhaseTimes t = runOnce(count);
        add.push_back(t.add);
        read.push_back(t.read);
        update.push_back(t.update);
        remove.push_back(t.remove);
        readd.push_back(t.readd);
    }
    double perOp = 1e9 / count;
    std::printf("%8d elements  ns/op: add %7.1f  read %7.1f  update %7.1f  delete %7.1f  re-add %7.1f\n", count,
                median(add) * perOp, median(read) * perOp, median(update) * perOp, median(remove) * perOp,
                median(readd) * perOp);
}

} // namespace

int main()
{
    report(100000, 7);
    report(200000, 7);
    report(400000, 5);
    return 0;
}
