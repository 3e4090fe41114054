#pragma once
#include "document/PartThumbnails.h"
#include "geometry/DrawPoint.h"
#include "geometry/XmlSectionOwner.h"
#include "platform/FileList.h"
#include "platform/FileName.h"

class DocumentContext;
class DoubleRect;
class PartsPane;
class SettingsFile;

// A parts library: a list of part files shown as 54 x 54 pictures in a tool pane, from which the
// user places parts into drawings; the application keeps three. A selection of a drawing is
// registered as a new part file; the current part is loaded once into a drawing context of the
// library's own and placed from there, moved by the offset between its parts origin and the
// target point, as one new group under one undo record "部品配置".
//
// The list is kept in the settings file (section "PARTS01" .. "PARTS03" by the library's number,
// one "PARTSNAME" key per part: the quoted path and two integers, written as 0 and not read).
// Part files, settings and the folders listed are outside input: paths that do not fit a list
// entry are left out, the list holds at most kMaxParts entries, and a part that cannot be read
// shows its file name in the pane.
class PartsLibrary : public XmlSectionOwner {
public:
    static constexpr int kMaxParts = 10000;
    // Settings ids: the sections of libraries 1 .. 3 follow kSectionBase; the one key.
    static constexpr int kSectionBase = 15800;
    static constexpr int kPartsNameKey = 15811;
    // The reference points of the registration dialog, top row first; the dialog starts at the
    // centre.
    enum OriginChoice { kTopLeft = 0, kCentre = 4, kBottomRight = 8 };
    // Placement modes.
    enum { kByMouse = 0, kByNumbers = 1 };

    explicit PartsLibrary(int number = 1);
    ~PartsLibrary() override;
    PartsLibrary(const PartsLibrary&) = delete;
    PartsLibrary& operator=(const PartsLibrary&) = delete;

    [[nodiscard]] int sectionId() const { return kSectionBase + number; }

    // The list of part files. addPart appends a path that is not listed yet (1 also when it is
    // listed); removePart takes entry i out, the later pictures moving down; listFolder lists
    // the ".ycx" files of a folder in place of the list. The pane follows each change.
    [[nodiscard]] int partCount() const { return parts.count; }
    [[nodiscard]] int hasParts() const { return parts.count > 0; }
    [[nodiscard]] int partPath(int index, char* out, int size);
    [[nodiscard]] int partName(int index, char* out, int size);
    [[nodiscard]] int addPart(const char* path);
    [[nodiscard]] int removePart(int index);
    [[nodiscard]] int listFolder(const char* folder);

    // The current part: chosen by index (-1 none) or, in the placement dialog, by any path; it
    // is read when first needed and stays loaded until another part is chosen.
    [[nodiscard]] int selectPart(int index);
    [[nodiscard]] int currentIndex() const { return current; }
    [[nodiscard]] int setCurrentPartFile(const char* path);
    [[nodiscard]] const char* currentPartPath() const { return currentPath; }
    // Reads the current part (once): 1 when it is loaded.
    [[nodiscard]] int loadCurrentPart();
    [[nodiscard]] int isLoaded() const { return loaded; }
    // The context the current part is loaded into; null before.
    [[nodiscard]] DocumentContext* partContext() const { return loadedContext; }

    // Registration: the dialog "部品登録" chooses the parts origin among the nine reference
    // points of the selection's extent, then the part file is written. 1 when a part file was
    // written (its path then joins the list).
    [[nodiscard]] int registerSelection(DocumentContext* drawing);
    // The origin at reference point `choice` (0..8) of the extent, drawn as a 12 x 12 pixel mark
    // on the drawing's overlay.
    void setOriginChoice(int choice, const DoubleRect& extent, DocumentContext* drawing);
    // The extent of the drawing's selected elements; 0 when none could be measured.
    [[nodiscard]] static int selectionExtent(DocumentContext* drawing, DoubleRect& extent);

    // Placement: the dialog "部品の配置" (file and placement pages), then the part placed by
    // numbers or by mouse. placeAt places the current part's elements with its origin at (x, y)
    // on the drawing's current page: moved, given one new group, selected, under one undo
    // record; 1 when at least one element was placed. placeByMouse lets the target follow the
    // mouse with a preview until the user's press in the view (or, with the button held from the
    // pane, its release); a right press, Esc, a cancelled tracking or the user's press or key in
    // another window places nothing.
    [[nodiscard]] int place(DocumentContext* drawing);
    [[nodiscard]] int placeAt(DocumentContext* drawing, double x, double y);
    [[nodiscard]] int placeByMouse(DocumentContext* drawing, int buttonHeld);
    // The current part's elements with their origin at (x, y), in the overlay colour on the
    // drawing's overlay.
    void drawPreview(DocumentContext* drawing, double x, double y);

    // The pane: painting (pictures from the cache, made for entries without one; the file name
    // where no picture can be made), a left press on a cell (the part becomes current; leaving
    // the cell with the button held places it by mouse in the drawing), a right press (a part
    // pressed becomes current, then the pane's menu; beside the cells, an empty list's too, the
    // menu alone, which registers the first part), and the hint of the cell under the cursor.
    // The presses answer 0 when no cell was hit.
    void setPane(PartsPane* newPane);
    void paintPane();
    [[nodiscard]] int onLeftPress(DocumentContext* drawing, const IntPoint& screen);
    [[nodiscard]] int onRightPress(const IntPoint& screen);
    void onHover(const IntPoint& screen);

    // Settings: the section reader (from just after the section line up to the next section or
    // the end; the last readKey result) and the writer of the section with its keys.
    [[nodiscard]] int readSettings(SettingsFile& file);
    [[nodiscard]] int writeSettings(SettingsFile& file);

    // The "setParts" section of part files.
    [[nodiscard]] int writeXmlSection(Document& document) override;
    [[nodiscard]] int readXmlSection(Document& document, int tagId) override;

    const int number;
    // The parts origin: of the loaded part, or of the part being registered.
    DrawPoint origin;
    int originChoice = kCentre;
    int placementMode = kByMouse;
    // The placement's move from the origin to the target.
    Point placementOffset;
    // Takes the origin of a part read while it is set (the placement dialog's target).
    DrawPoint* placementTarget = nullptr;
    // Set by the part file while it reads a part whose origin the library takes.
    int readingOrigin = 0;
    PartThumbnails thumbnails;

private:
    // A context for one part, with the members the application's factories make; null when it
    // could not be made. Dropped with delete: it touches none of the application's painters.
    [[nodiscard]] static DocumentContext* makePartContext();
    void releaseLoadedPart();
    // The pane's range and a repaint; the cache sized to the list.
    void listChanged();
    // Draws entry i's picture into the cache, or marks it failed.
    void renderThumbnail(int index);
    void drawName(int index, DeviceContext& dc, const IntRect& cell);
    void drawOriginMark(DocumentContext* drawing);
    [[nodiscard]] int addListed(const char* path);

    FileList parts;
    int current = -1;
    char currentPath[FileName::pathCapacity] = {};
    DocumentContext* loadedContext = nullptr; // owned
    int loaded = 0;
    PartsPane* pane = nullptr; // not owned
};
