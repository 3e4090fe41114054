// Undo records of one element's points (51 point move, 53 point add, 55 point delete) and of
// whole element images taken before and after a change (61 reshape, 71 attribute change, 73
// batch change, 75 element zoom).
#include <cstring>

#include "document/DocumentContext.h"
#include "document/ElementStore.h"
#include "document/UndoManager.h"
#include "elements/Element.h"
#include "views/tools/ElementEditor.h"
#include "views/tools/SelectTool.h"

namespace {
// Offset of the count word of a batch record: right after its head.
constexpr int kBatchCountOffset = 6;
} // namespace

// Points

void UndoManager::beginPointMove(int firstIndex, int n)
{
    flushPending();
    if (!enabled)
        return;
    pending.code = 51;
    pending.word[9] = firstIndex;
    pending.word[10] = n;
    points.count = 0;
}

// Written only with the n old and then the n new positions.
void UndoManager::endPointMove(Element* element)
{
    if (pending.code != 51 || !element)
        return;
    int n = pending.word[10];
    if (points.count < 1 || points.count != 2 * n)
        return;
    beginRecord(51, element->kind);
    logFile.putWord(element->id);
    logFile.putWord(pending.word[9]);
    logFile.putWord(n);
    logFile.putList(points);
    endRecord();
    clearPending();
}

void UndoManager::beginPointAdd(int pointCount) { beginPointRecord(53, pointCount); }

void UndoManager::endPointAdd(Element* element) { endPointRecord(53, element); }

void UndoManager::beginPointDelete(int pointCount) { beginPointRecord(55, pointCount); }

void UndoManager::endPointDelete(Element* element) { endPointRecord(55, element); }

void UndoManager::beginPointRecord(int code, int pointCount)
{
    flushPending();
    if (!enabled)
        return;
    pending.code = code;
    pending.word[10] = pointCount;
    pending.word[11] = 0;
    points.count = 0;
    values.count = 0;
}

// The point and value lists hold the state before (the counts given) and after the change; the
// record is written only when the points after are there.
void UndoManager::endPointRecord(int code, Element* element)
{
    if (pending.code != code || !element || points.count <= pending.word[10])
        return;
    beginRecord(code, element->kind);
    logFile.putWord(element->id);
    logFile.putWord(pending.word[10]);
    logFile.putList(points);
    logFile.putWord(pending.word[11]);
    logFile.putList(values);
    endRecord();
    clearPending();
}

void UndoManager::stepPointMove(int redoing)
{
    if (!openSettledRecord(redoing))
        return;
    int32_t id = 0, first = 0, n = 0;
    logFile.readWord(id);
    logFile.readWord(first);
    logFile.readWord(n);
    logFile.readList(&points, sizeof(UndoPoint));
    closeRecord(redoing);
    selectAlone(id);
    ElementEditor* editor = elementEditor();
    if (n >= 1 && points.count == 2 * n && editor && editor->beginEdit(id)) {
        if (Element* element = elementInHand(editor, id)) {
            int from = redoing ? n : 0;
            for (int i = 0; i < n; ++i) {
                UndoPoint point;
                if (points.get(from + i, &point))
                    element->setPoint(first + i, point.x, point.y, point.z);
            }
            editor->storeBack(id);
        }
    }
    refresh();
}

// Rebuilds the element's point list (and its per-vertex values) as it was before (undo) or after
// (redo) the change.
void UndoManager::stepPointList(int redoing)
{
    if (!openSettledRecord(redoing))
        return;
    int32_t id = 0, pointsBefore = 0, valuesBefore = 0;
    logFile.readWord(id);
    logFile.readWord(pointsBefore);
    logFile.readList(&points, sizeof(UndoPoint));
    logFile.readWord(valuesBefore);
    logFile.readList(&values, sizeof(double));
    closeRecord(redoing);
    if (pointsBefore < 0 || pointsBefore > points.count)
        pointsBefore = points.count;
    if (valuesBefore < 0 || valuesBefore > values.count)
        valuesBefore = values.count;

    selectAlone(id);
    ElementEditor* editor = elementEditor();
    Element* element = editor && editor->beginEdit(id) ? elementInHand(editor, id) : nullptr;
    if (element) {
        int pointFrom = redoing ? pointsBefore : 0;
        int pointTo = redoing ? points.count : pointsBefore;
        element->clearPoints();
        for (int i = pointFrom; i < pointTo; ++i) {
            UndoPoint point;
            if (points.get(i, &point))
                element->appendPoint(point.x, point.y, point.z);
        }
        if (DoubleArray* rounding = element->getVertexRounding()) {
            int valueFrom = redoing ? valuesBefore : 0;
            int valueTo = redoing ? values.count : valuesBefore;
            rounding->resize(0);
            for (int i = valueFrom; i < valueTo; ++i)
                rounding->append(values.get(i));
        }
        editor->storeBack(id);
    }
    refresh();
}

// Element images: the index entry and the record bytes as the store holds them

// Reads the element into the current entry and its record into the record-bytes block.
int UndoManager::captureImage(int id)
{
    ElementStore* target = store();
    recordBytes.count = 0;
    if (!target || !target->recordBuffer || !target->readElement(id, &entry))
        return 0;
    ElementRecordBuffer& buffer = *target->recordBuffer;
    int n = buffer.position;
    if (n <= 0)
        return 1;
    if (!recordBytes.reserve(n))
        return 0;
    BlockLock from(buffer), to(recordBytes);
    if (!from || !to)
        return 0;
    std::memcpy(to.data(), from.data(), static_cast<size_t>(n));
    recordBytes.count = n;
    return 1;
}

void UndoManager::writeImage()
{
    logFile.put(&entry, sizeof entry);
    logFile.putList(recordBytes);
}

int UndoManager::readImage()
{
    int ok = logFile.read(&entry, sizeof entry);
    logFile.readList(&recordBytes, 1);
    return ok && !logFile.readFailed();
}

// Rewrites the element in place from the image in hand (serial, kind and layer from its entry).
int UndoManager::putImageBack(int id)
{
    ElementStore* target = store();
    if (!target || !target->recordBuffer)
        return 0;
    ElementRecordBuffer& buffer = *target->recordBuffer;
    buffer.rewind();
    if (recordBytes.count > 0) {
        BlockLock bytes(recordBytes);
        if (!bytes || !buffer.putBytes(bytes.data(), recordBytes.count))
            return 0;
    }
    ElementIndexEntry image = entry;
    return target->updateElement(id, &image);
}

void UndoManager::beginReshape(Element* element) { beginImageRecord(61, element); }

void UndoManager::endReshape(Element* element) { endImageRecord(61, element); }

void UndoManager::beginAttributeChange(Element* element) { beginImageRecord(71, element); }

void UndoManager::endAttributeChange(Element* element) { endImageRecord(71, element); }

// The record is staged from the begin call on: id and the image before; the end call adds the
// image after and writes it.
void UndoManager::beginImageRecord(int code, Element* element)
{
    flushPending();
    if (!enabled || !element || !captureImage(element->id))
        return;
    pending.code = code;
    pending.element = element;
    imageId = element->id;
    beginRecord(code, element->kind);
    logFile.putWord(imageId);
    writeImage();
}

void UndoManager::endImageRecord(int code, Element* element)
{
    (void)element; // the image is taken under the id the begin call recorded
    if (pending.code != code)
        return;
    if (!captureImage(imageId)) {
        logFile.discard();
        clearPending();
        return;
    }
    writeImage();
    endRecord();
    clearPending();
}

void UndoManager::beginBatchChange(int n) { beginImageBatch(73, n); }

void UndoManager::batchChangeBefore(int id) { imageBefore(73, id); }

void UndoManager::batchChangeAfter(int id) { imageAfter(73, id); }

void UndoManager::endBatchChange() { endImageBatch(73); }

void UndoManager::beginElementZoom(int n) { beginImageBatch(75, n); }

void UndoManager::elementZoomBefore(int id) { imageBefore(75, id); }

void UndoManager::elementZoomAfter(int id) { imageAfter(75, id); }

void UndoManager::endElementZoom() { endImageBatch(75); }

// n is what the operation expects to record; the end call states the pairs really written.
void UndoManager::beginImageBatch(int code, int n)
{
    flushPending();
    if (!enabled)
        return;
    pending.code = code;
    beginRecord(code, 0);
    logFile.putWord(n);
    pairStart = -1;
    pairCount = 0;
}

void UndoManager::imageBefore(int code, int id)
{
    if (pending.code != code)
        return;
    // A before image without its after image is dropped: a pair is written whole or not at all.
    if (pairStart >= 0)
        logFile.truncate(pairStart);
    pairStart = -1;
    if (!captureImage(id))
        return;
    pairStart = logFile.recordLength();
    imageId = id;
    logFile.putWord(id);
    writeImage();
}

void UndoManager::imageAfter(int code, int id)
{
    if (pending.code != code || pairStart < 0 || id != imageId)
        return;
    if (!captureImage(id)) {
        logFile.truncate(pairStart);
        pairStart = -1;
        return;
    }
    writeImage();
    pairStart = -1;
    ++pairCount;
}

void UndoManager::endImageBatch(int code)
{
    if (pending.code != code)
        return;
    if (pairStart >= 0)
        logFile.truncate(pairStart);
    logFile.patchWord(kBatchCountOffset, pairCount);
    endRecord();
    clearPending();
}

void UndoManager::stepImage(int redoing)
{
    if (!openSettledRecord(redoing))
        return;
    int32_t id = 0;
    logFile.readWord(id);
    readImage();
    if (redoing)
        readImage();
    closeRecord(redoing);
    selectAlone(id);
    if (!logFile.readFailed())
        putImageBack(id);
    refresh();
}

void UndoManager::stepImageBatch(int redoing)
{
    if (!openSettledRecord(redoing))
        return;
    int32_t n = 0;
    logFile.readWord(n);
    SelectTool* tool = owner ? owner->selectTool : nullptr;
    if (tool) {
        tool->clearSelection();
        if (n >= 1)
            tool->setSelectionMode(n == 1 ? 1 : 2);
    }
    for (int i = 0; i < n && !logFile.readFailed(); ++i) {
        int32_t id = 0;
        logFile.readWord(id);
        // Undo puts the image before back, redo the image after.
        int ok = readImage();
        if (!redoing && ok)
            putImageBack(id);
        ok = readImage();
        if (redoing && ok)
            putImageBack(id);
        if (tool && id >= 1 && !logFile.readFailed()) {
            if (n == 1)
                tool->selectSingle(id);
            else
                tool->addToSelection(id);
        }
    }
    closeRecord(redoing);
    refresh();
}
