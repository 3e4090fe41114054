#pragma once
// Plain declarations, as the default records' headers carry them.

class InkColor;
class SettingsFile;

// The settings keys of one colour of a default record: red, green and blue under the first; under
// the ink colour model also the CMYK values, the overprint switches ("...NOSE") and the spot ink
// ("...USEINK").
struct ColourKeys {
    int rgb, cmyk, nose, ink;
};

// The colours of a record in the settings file, each with its keys (both tables in one order).
namespace colour_keys {

// 1 when the application keeps ink colours (colour model 2), and the ink keys are written.
[[nodiscard]] int inkKeysWanted();
// Every colour's red, green and blue; then, with inkKeys, each colour's CMYK, overprint and ink
// keys in turn. 0 when a write failed.
[[nodiscard]] int write(SettingsFile& file, const InkColor* const* colours, const ColourKeys* keys, int count,
                        int inkKeys);
// The value of the key just read when it is one of the colours' keys: 1 when it was (a value that
// is no value of the key is passed over and the colour keeps what it had), 0 for another key.
[[nodiscard]] int read(SettingsFile& file, InkColor* const* colours, const ColourKeys* keys, int count);

} // namespace colour_keys
