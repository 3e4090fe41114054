#pragma once
#include <string>
#include <unordered_map>

#include "document/TextFile.h"
#include "elements/DxfFile.h"
#include "io/dxf/DxfEntity.h"
#include "io/dxf/DxfGroup.h"

class Point;
class PointList;

// A DXF file in its ASCII form, in the program's own small dialect: read as a stream of entities,
// written as the section frame with entities that the elements build.
//
// Reading splits the file into code and value lines and follows the sections. Only BLOCKS and
// ENTITIES are read; HEADER, CLASSES, TABLES, OBJECTS and unknown sections are passed over one
// group per step. The entities ARC, INSERT, LINE, POLYLINE (with its VERTEX records, up to SEQEND)
// and TEXT are handed out with all their groups; any other entity is passed over and counted. Only
// a group of code 0 starts an entity or a section, so a layer or text named "LINE" is never taken
// for one.
// Each BLOCK registers its name (code 2) under the next block id: the counter plus the step. The
// entities that follow belong to the block registered last.
//
// Writing puts two lines per group: the code right-aligned in three characters, then the value;
// reals with exactly five decimals, cut, not rounded. The file holds, in order, HEADER ("$ACADVER"
// "AC1009" and "$DWGCODEPAGE" "ANSI_932"), empty CLASSES, TABLES and BLOCKS, ENTITIES, empty
// OBJECTS and EOF. Coordinates are the elements' drawing coordinates in millimetres, unchanged:
// no scaling and no flip of the y axis.
//
// An entity is collected and written whole by endEntity (flushEntity). One that the dialect
// cannot hold (a polygon of fewer than two vertices, an arc whose points give no circle, a value
// that is not finite or too large to write) is dropped: nothing of it is written, and building it
// still succeeds. Write operations answer 1, or 0 when a line could not be written.
class DxfTextFile : public TextFile, public DxfFile {
public:
    DxfTextFile();
    ~DxfTextFile() override;

    // --- life cycle; the file is bound with setFileName/setFile of the base ---
    // Open the bound file (a borrowed file already open is read as it stands), with the section
    // state and the kind at 0. 0 when it cannot be opened; the file error reporter has told the
    // user.
    [[nodiscard]] int openForRead();
    [[nodiscard]] int openForWrite();
    [[nodiscard]] int close();
    void setBlockIdStart(int id) { blockCounter = readingBlock = id; }
    void setBlockIdStep(int step) { blockStep = step; }
    [[nodiscard]] int lastBlockId() const { return blockCounter; }
    // A fresh id from the block counter, for blocks made by the reader's caller.
    [[nodiscard]] int nextBlockId();
    // The id of the block whose entities are being read: the one registered last. Ids that the
    // caller takes in between do not change it.
    [[nodiscard]] int blockBeingRead() const { return readingBlock; }

    // --- reading ---
    // Advances to the next entity. 0 at the end of the file or on a read error, else 1; the
    // entity then tells the section, the kind (0 when the step ended on something that is not an
    // entity) and the groups. An entity that the end of the file cuts short is handed out with
    // the groups read; the next call answers 0.
    [[nodiscard]] int readEntity();
    [[nodiscard]] DxfEntity& entity() { return current; }
    [[nodiscard]] const DxfEntity& entity() const { return current; }
    // The id of the block of that name (the first registered), 0 for none.
    [[nodiscard]] int blockIdByName(const char* name) const;
    // The header named a version of 2007 or later ("$ACADVER" AC1021 on), whose texts are UTF-8.
    [[nodiscard]] bool textIsUtf8() const { return utf8Text; }
    // The group read last.
    [[nodiscard]] const DxfGroup& lastGroup() const { return group; }
    // A SECTION or EOF group has been read: the file is a DXF file (a binary DXF, a picture or an
    // empty file has none).
    [[nodiscard]] bool foundSections() const { return sectionsFound; }
    // The entities of BLOCKS and ENTITIES passed over because their kind is not read (CIRCLE,
    // LWPOLYLINE, SPLINE, DIMENSION ...).
    [[nodiscard]] int entitiesPassedOver() const { return passedOver; }

    // --- writing ---
    [[nodiscard]] int writeGroup(int code, const char* text);
    [[nodiscard]] int writeKeywordGroup(int code, int keywordId);
    [[nodiscard]] int writeIntGroup(int code, int value);
    [[nodiscard]] int writeRealGroup(int code, double value);
    [[nodiscard]] int beginSection(int sectionId);
    [[nodiscard]] int endSection();
    [[nodiscard]] int writeHeader();
    [[nodiscard]] int writeEmptySection(int sectionId);
    [[nodiscard]] int endFile();

    // Entity building: groups collected by the add operations, written by flushEntity.
    [[nodiscard]] int beginEntity(int kindId) override;
    void addLayer(int number);
    void addPoint(const Point& point);
    void addEndPoint(const Point& point);
    void addHeight(double value);
    void addRotation(double value);
    void addAngles(double first, double second);
    // At most 255 bytes, never half a character.
    void addText(const char* text);
    // The vertices, each (0 "VERTEX"), (8 layer), (10 x), (20 y), then (0 "SEQEND"); fewer than
    // two points make the entity one the dialect cannot hold (answer 0).
    [[nodiscard]] int addVertices(int layer, const PointList& points);
    // The circle through the three points as centre (10, 20), radius (40) and the angles (50,
    // 51) of a counter-clockwise arc from the end to the start point; for an arc that turns the
    // other way, from the start to the end point. 0 when the points give no circle (the entity
    // is then dropped).
    [[nodiscard]] int addArcThrough(const Point& first, const Point& middle, const Point& last);
    [[nodiscard]] int flushEntity();
    // 1 once a line could not be written (the file layer has told the user).
    [[nodiscard]] int hasFailedWrite() const { return failedWrite; }

    // --- the operations of the element kinds ---
    // (8, the layer).
    [[nodiscard]] int writeInt(int value) override;
    // The first point of an entity as (10, 20), the second as (11, 21).
    [[nodiscard]] int writePoint(const Point& point) override;
    // A POLYLINE's own groups (8 layer, 66 1, 70 1: closed, vertices follow), then addVertices.
    [[nodiscard]] int writePointList(const PointList& points, int layer) override;
    [[nodiscard]] int writeThreePointArc(const Point& start, const Point& middle, const Point& end) override;
    [[nodiscard]] int writeGroupText(int code, const char* text) override;
    [[nodiscard]] int writeGroupDouble(int code, double value) override;
    [[nodiscard]] int endEntity() override { return flushEntity(); }

private:
    // Reads one group into `group` (or keeps it when it was pushed back); 0 at the end of the
    // file, on an empty code line or a read error.
    [[nodiscard]] int readGroup();
    void pushBack() { pushedBack = 1; }
    // Collects the groups of an entity up to the next group of code 0, which is pushed back (a
    // polyline's VERTEX groups are its own); 0 when memory ran out.
    [[nodiscard]] int collectEntity(int polyline);
    void registerBlocks();

    // Appends one group's two lines to `out`.
    static void appendCode(std::string& out, int code);
    [[nodiscard]] int writeLines(const std::string& lines);
    void addString(int code, const char* text);
    void addReal(int code, double value);
    void addInteger(int code, int value);

    DxfGroup group;
    DxfEntity current;
    int pushedBack = 0;
    // The last header variable was "$ACADVER"; the version read from its value.
    bool versionNext = false;
    bool utf8Text = false;
    bool sectionsFound = false;
    int passedOver = 0;
    int blockCounter = 0;
    int blockStep = 1;
    int readingBlock = 0;
    std::unordered_map<std::string, int> blocks;

    std::string pending;  // the lines of the entity being built
    int pointsInEntity = 0;
    int droppingEntity = 0;
    int failedWrite = 0;
};
