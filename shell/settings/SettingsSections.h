#pragma once

class SettingsSectionOwner;

// The sections of the settings file in the order they are written, each with its owner. A slot
// without owner (null, or an owner whose object is missing) is neither read nor written. The
// shell wires the owners of this build; a subsystem that comes to own a section puts its owner
// into the slot, and tests put recorders in (through ScopedOverride on *settingsOwnerSlot(id)).
struct SettingsSectionSlot {
    int sectionId;
    SettingsSectionOwner* owner;
};

constexpr int kSettingsSectionCount = 18;
extern SettingsSectionSlot settingsSections[kSettingsSectionCount];

// The slot of a section id; null for an id that is not written (PARTS04, PARTS05, the layout
// sections, an unknown one).
[[nodiscard]] SettingsSectionOwner** settingsOwnerSlot(int sectionId);
// The section's owner while its object exists, else null.
[[nodiscard]] SettingsSectionOwner* presentSettingsOwner(int sectionId);
