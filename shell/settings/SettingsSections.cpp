#include "shell/settings/SettingsSections.h"

#include "document/BezierDefaults.h"
#include "document/DrawingGrid.h"
#include "document/FolderMemory.h"
#include "document/LayerTable.h"
#include "document/LineDefaults.h"
#include "document/MeasureDefaults.h"
#include "document/PartsLibrary.h"
#include "document/SheetSettings.h"
#include "document/TextDefaults.h"
#include "geometry/FontChangeTable.h"
#include "geometry/InkInfo.h"
#include "geometry/SettingsFile.h"
#include "io/pdf/PdfExportCommand.h"
#include "io/print/PrintRecord.h"
#include "shell/DrawEnvironmentEdit.h"
#include "shell/GlobalManagers.h"
#include "shell/ShortcutKeys.h"
#include "shell/ToolbarSettings.h"
#include "shell/panes/WorkspaceLayout.h"
#include "shell/settings/SettingsIds.h"
#include "shell/settings/SettingsSectionOwner.h"

namespace {

// Screen resolution and pick settings.
class DrawEnvironmentOwner : public SettingsSectionOwner {
public:
    [[nodiscard]] int isPresent() const override { return theScreenResolution && thePickSettings; }
    [[nodiscard]] int readSection(SettingsFile& file) override
    {
        DrawEnvironmentEdit edit;
        return edit.readSection(file);
    }
    [[nodiscard]] int writeSection(SettingsFile& file) override
    {
        const DrawEnvironmentEdit edit;
        return file.writeSection(settings_id::DrawEnvironment) && edit.writeKeys(file);
    }
};

// An application object with a section reader and writer of its own, reached through its global.
template <typename T, T** Global, int (T::*Read)(SettingsFile&), int (T::*Write)(SettingsFile&) const>
class GlobalOwner : public SettingsSectionOwner {
public:
    [[nodiscard]] int isPresent() const override { return *Global != nullptr; }
    [[nodiscard]] int readSection(SettingsFile& file) override { return ((*Global)->*Read)(file); }
    [[nodiscard]] int writeSection(SettingsFile& file) override { return ((*Global)->*Write)(file); }
};

// The paper defaults are a sheet in this build; another paper class has no section.
class PaperDefaultsOwner : public SettingsSectionOwner {
public:
    [[nodiscard]] int isPresent() const override { return sheet() != nullptr; }
    [[nodiscard]] int readSection(SettingsFile& file) override { return sheet()->readIni(file); }
    [[nodiscard]] int writeSection(SettingsFile& file) override { return sheet()->writeIni(file); }

private:
    [[nodiscard]] static SheetSettings* sheet() { return dynamic_cast<SheetSettings*>(thePaperDefaults); }
};

// The grid defaults are a drawing grid in this build; another grid class has no section.
class GridDefaultsOwner : public SettingsSectionOwner {
public:
    [[nodiscard]] int isPresent() const override { return grid() != nullptr; }
    [[nodiscard]] int readSection(SettingsFile& file) override { return grid()->readSettings(file); }
    [[nodiscard]] int writeSection(SettingsFile& file) override { return grid()->writeSettings(file); }

private:
    [[nodiscard]] static DrawingGrid* grid() { return dynamic_cast<DrawingGrid*>(theGridDefaults); }
};

// Parts library 1, 2 or 3, once made.
template <int Number> class PartsLibraryOwner : public SettingsSectionOwner {
public:
    [[nodiscard]] int isPresent() const override { return existingPartsLibrary(Number) != nullptr; }
    [[nodiscard]] int readSection(SettingsFile& file) override
    {
        return existingPartsLibrary(Number)->readSettings(file);
    }
    [[nodiscard]] int writeSection(SettingsFile& file) override
    {
        return existingPartsLibrary(Number)->writeSettings(file);
    }
};

// Which panes are shown and where, and whether buttons show hints: the pane manager's.
class ToolbarOwner : public SettingsSectionOwner {
public:
    [[nodiscard]] int isPresent() const override { return WorkspaceLayout::installed() != nullptr; }
    [[nodiscard]] int readSection(SettingsFile& file) override
    {
        return readToolbarSection(*WorkspaceLayout::installed(), file);
    }
    [[nodiscard]] int writeSection(SettingsFile& file) override
    {
        return writeToolbarSection(*WorkspaceLayout::installed(), file);
    }
};

// The PostScript font-face table, owned by the application's print record.
class PsFontFaceOwner : public SettingsSectionOwner {
public:
    [[nodiscard]] int isPresent() const override { return record() != nullptr; }
    [[nodiscard]] int readSection(SettingsFile& file) override { return record()->readFontFaces(file); }
    [[nodiscard]] int writeSection(SettingsFile& file) override { return record()->writeFontFaces(file); }

private:
    [[nodiscard]] static PrintRecord* record() { return dynamic_cast<PrintRecord*>(thePrintSettings); }
};

// The PDF font-face table, owned by the application's PDF export.
class PdfFontFaceOwner : public SettingsSectionOwner {
public:
    [[nodiscard]] int isPresent() const override { return job() != nullptr; }
    [[nodiscard]] int readSection(SettingsFile& file) override { return job()->readFontFaces(file); }
    [[nodiscard]] int writeSection(SettingsFile& file) override { return job()->writeFontFaces(file); }

private:
    [[nodiscard]] static PdfExportCommand* job() { return dynamic_cast<PdfExportCommand*>(thePdfExportJob); }
};

ToolbarOwner toolbarOwner;
PsFontFaceOwner psFontFaceOwner;
PdfFontFaceOwner pdfFontFaceOwner;
DrawEnvironmentOwner drawEnvironmentOwner;
GlobalOwner<FolderMemory, &theFolderMemory, &FolderMemory::readIni, &FolderMemory::writeIni> folderMemoryOwner;
PaperDefaultsOwner paperDefaultsOwner;
GridDefaultsOwner gridDefaultsOwner;
GlobalOwner<LayerTable, &theLayerTable, &LayerTable::readIni, &LayerTable::writeIni> layerTableOwner;
GlobalOwner<FontChangeTable, &theFontChangeTable, &FontChangeTable::loadSettings, &FontChangeTable::saveSettings>
    fontChangeOwner;
GlobalOwner<InkInfo, &theInkInfo, &InkInfo::loadSettings, &InkInfo::saveSettings> inkInfoOwner;
GlobalOwner<LineDefaults, &theLineDefaults, &LineDefaults::loadSettings, &LineDefaults::saveSettings> lineDefaultsOwner;
GlobalOwner<TextDefaults, &theTextDefaults, &TextDefaults::loadSettings, &TextDefaults::saveSettings> textDefaultsOwner;
GlobalOwner<MeasureDefaults, &theMeasureDefaults, &MeasureDefaults::loadSettings, &MeasureDefaults::saveSettings>
    measureDefaultsOwner;
GlobalOwner<BezierDefaults, &theBezierDefaults, &BezierDefaults::loadSettings, &BezierDefaults::saveSettings>
    bezierDefaultsOwner;
PartsLibraryOwner<1> partsOwner1;
PartsLibraryOwner<2> partsOwner2;
PartsLibraryOwner<3> partsOwner3;

} // namespace

SettingsSectionSlot settingsSections[kSettingsSectionCount] = {
    {settings_id::DispToolbar, &toolbarOwner},
    {settings_id::DrawEnvironment, &drawEnvironmentOwner},
    {settings_id::FontChangeTable, &fontChangeOwner},
    {settings_id::ShortcutKeyTable, &theShortcutKeySection},
    {settings_id::FileInfo, &folderMemoryOwner},
    {settings_id::PsFontFaceTable, &psFontFaceOwner},
    {settings_id::PdfFontFaceTable, &pdfFontFaceOwner},
    {settings_id::Yousi, &paperDefaultsOwner},
    {settings_id::Grid, &gridDefaultsOwner},
    {settings_id::LayerName, &layerTableOwner},
    {settings_id::SetSenga, &lineDefaultsOwner},
    {settings_id::SetText, &textDefaultsOwner},
    {settings_id::SetBezier, &bezierDefaultsOwner},
    {settings_id::SetMeasure, &measureDefaultsOwner},
    {settings_id::InkInfo, &inkInfoOwner},
    {settings_id::Parts01, &partsOwner1},
    {settings_id::Parts02, &partsOwner2},
    {settings_id::Parts03, &partsOwner3},
};

SettingsSectionOwner** settingsOwnerSlot(int sectionId)
{
    for (SettingsSectionSlot& slot : settingsSections)
        if (slot.sectionId == sectionId)
            return &slot.owner;
    return nullptr;
}

SettingsSectionOwner* presentSettingsOwner(int sectionId)
{
    SettingsSectionOwner** slot = settingsOwnerSlot(sectionId);
    return slot && *slot && (*slot)->isPresent() ? *slot : nullptr;
}
