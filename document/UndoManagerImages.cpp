// Undo records of one element's points (point move, point add, point delete) and of whole element
// images taken before and after a change (reshape, attribute change, batch change, element zoom).
#include <cstring>

#include "document/DocumentContext.h"
#include "document/Element.h"
#include "document/ElementEditorBase.h"
#include "document/ElementStore.h"
#include "document/SelectToolBase.h"
#include "document/UndoManager.h"

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
    pending.code = UndoCode::PointMove;
    pending.word[9] = firstIndex;
    pending.word[10] = n;
    points.count = 0;
}

// Written only with the n old and then the n new positions.
void UndoManager::endPointMove(Element* element)
{
    if (pending.code != UndoCode::PointMove || !element)
        return;
    int n = pending.word[10];
    if (points.count < 1 || points.count != 2 * n)
        return;
    beginRecord(UndoCode::PointMove, element->kind);
    logFile.putWord(element->id);
    logFile.putWord(pending.word[9]);
    logFile.putWord(n);
    logFile.putList(points);
    endRecord();
    clearPending();
}

void UndoManager::beginPointAdd(int pointCount) { beginPointRecord(UndoCode::PointAdd, pointCount); }

void UndoManager::endPointAdd(Element* element) { endPointRecord(UndoCode::PointAdd, element); }

void UndoManager::beginPointDelete(int pointCount) { beginPointRecord(UndoCode::PointDelete, pointCount); }

void UndoManager::endPointDelete(Element* element) { endPointRecord(UndoCode::PointDelete, element); }

void UndoManager::beginPointRecord(UndoCode code, int pointCount)
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
void UndoManager::endPointRecord(UndoCode code, Element* element)
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

int UndoManager::stepPointMove(int redoing)
{
    if (!openRecord(redoing))
        return 0;
    int32_t id = 0, first = 0, n = 0;
    if (!logFile.readWord(id) || !logFile.readWord(first) || !logFile.readWord(n))
        return 0;
    logFile.readList(&points, sizeof(UndoPoint));
    if (!closeRecord(redoing) || n < 1 || points.count != 2 * n)
        return 0;
    selectAlone(id);
    ElementEditorBase* editor = elementEditor();
    Element* element = editor && editor->beginEdit(id) ? elementInHand(editor, id) : nullptr;
    if (!element)
        return 0;
    int from = redoing ? n : 0;
    for (int i = 0; i < n; ++i) {
        UndoPoint point;
        if (points.get(from + i, &point))
            element->setPoint(first + i, point.x, point.y, point.z);
    }
    if (!editor->storeBack(id))
        return 0;
    refresh();
    return 1;
}

// Rebuilds the element's point list (and its per-vertex values) as it was before (undo) or after
// (redo) the change.
int UndoManager::stepPointList(int redoing)
{
    if (!openRecord(redoing))
        return 0;
    int32_t id = 0, pointsBefore = 0, valuesBefore = 0;
    if (!logFile.readWord(id) || !logFile.readWord(pointsBefore))
        return 0;
    logFile.readList(&points, sizeof(UndoPoint));
    if (!logFile.readWord(valuesBefore))
        return 0;
    logFile.readList(&values, sizeof(double));
    if (!closeRecord(redoing))
        return 0;
    if (pointsBefore < 0 || pointsBefore > points.count)
        pointsBefore = points.count;
    if (valuesBefore < 0 || valuesBefore > values.count)
        valuesBefore = values.count;

    selectAlone(id);
    ElementEditorBase* editor = elementEditor();
    Element* element = editor && editor->beginEdit(id) ? elementInHand(editor, id) : nullptr;
    if (!element)
        return 0;
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
        // A list that cannot be rebuilt would be stored short: the element stays as it is stored.
        if (!rounding->resize(0))
            return 0;
        for (int i = valueFrom; i < valueTo; ++i) {
            if (!rounding->append(values.get(i)))
                return 0;
        }
    }
    if (!editor->storeBack(id))
        return 0;
    refresh();
    return 1;
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

// Passes over an image that the step does not put back (a failed read shows in readFailed).
void UndoManager::skipImage()
{
    (void)logFile.skip(static_cast<int>(sizeof entry));
    logFile.readList(nullptr, 1);
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
    if (!target->updateElement(id, &image))
        return 0;
    // Page redraws pass over elements by the extent registered when they were stored.
    if (ElementEditorBase* editor = elementEditor())
        (void)editor->registerExtentById(id); // 0 only when the element cannot be taken: no extent to register
    return 1;
}

void UndoManager::beginReshape(Element* element) { beginImageRecord(UndoCode::Reshape, element); }

void UndoManager::endReshape(Element* element) { endImageRecord(UndoCode::Reshape, element); }

void UndoManager::beginAttributeChange(Element* element) { beginImageRecord(UndoCode::AttributeChange, element); }

void UndoManager::endAttributeChange(Element* element) { endImageRecord(UndoCode::AttributeChange, element); }

// The record is staged from the begin call on: id and the image before; the end call adds the
// image after and writes it.
void UndoManager::beginImageRecord(UndoCode code, Element* element)
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

void UndoManager::endImageRecord(UndoCode code, Element* element)
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

void UndoManager::beginBatchChange(int n) { beginImageBatch(UndoCode::BatchChange, n); }

void UndoManager::batchChangeBefore(int id) { imageBefore(UndoCode::BatchChange, id); }

void UndoManager::batchChangeAfter(int id) { imageAfter(UndoCode::BatchChange, id); }

void UndoManager::endBatchChange() { endImageBatch(UndoCode::BatchChange); }

void UndoManager::beginElementZoom(int n) { beginImageBatch(UndoCode::ElementZoom, n); }

void UndoManager::elementZoomBefore(int id) { imageBefore(UndoCode::ElementZoom, id); }

void UndoManager::elementZoomAfter(int id) { imageAfter(UndoCode::ElementZoom, id); }

void UndoManager::endElementZoom() { endImageBatch(UndoCode::ElementZoom); }

// n is what the operation expects to record; the end call states the pairs really written.
void UndoManager::beginImageBatch(UndoCode code, int n)
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

void UndoManager::imageBefore(UndoCode code, int id)
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

void UndoManager::imageAfter(UndoCode code, int id)
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

void UndoManager::endImageBatch(UndoCode code)
{
    if (pending.code != code)
        return;
    if (pairStart >= 0)
        logFile.truncate(pairStart);
    logFile.patchWord(kBatchCountOffset, pairCount);
    endRecord();
    clearPending();
}

// Undo reads up to the image before and puts it back; redo passes over it and puts back the
// image after.
int UndoManager::stepImage(int redoing)
{
    if (!openRecord(redoing))
        return 0;
    int32_t id = 0;
    if (!logFile.readWord(id))
        return 0;
    if (redoing)
        skipImage();
    if (!readImage() || !closeRecord(redoing))
        return 0;
    selectAlone(id);
    if (!putImageBack(id))
        return 0;
    refresh();
    return 1;
}

// Undo puts the image before of every pair back, redo the image after; each element joins the
// selection. When one cannot be put back, the elements done already get their other image back.
int UndoManager::stepImageBatch(int redoing)
{
    if (!openRecord(redoing))
        return 0;
    int32_t n = 0;
    if (!logFile.readWord(n) || n < 0)
        return 0;
    otherIds.count = 0;
    const int done = putImagesBack(n, redoing);
    if (done < n) {
        // The pairs done are read again from the start of the record. One that cannot be put back
        // now is beyond repair; the step fails either way.
        if (done > 0 && seekBack() && beginRedoRead() && logFile.readWord(n))
            (void)putImagesBack(done, !redoing);
        return 0;
    }
    if (!closeRecord(redoing))
        return 0;
    reselect(otherIds);
    refresh();
    return 1;
}

// Reads n image pairs on from the read position and puts back the image after (or before) of
// each, once the whole pair was read; the ids go to the other id list. The number of pairs put
// back before the first that could not be read or put back.
int UndoManager::putImagesBack(int n, int after)
{
    for (int i = 0; i < n; ++i) {
        int32_t id = 0;
        int read = logFile.readWord(id);
        if (after) {
            skipImage();
            read = readImage() && read;
        } else {
            read = readImage() && read;
            skipImage();
        }
        // A skip that failed shows in readFailed.
        if (!read || logFile.readFailed() || !putImageBack(id))
            return i;
        // A list that cannot grow only leaves the element out of the selection.
        (void)otherIds.append(&id);
    }
    return n;
}
