#pragma once
#include <windows.h>

// A memory DC owned here, together with what is selected into it. Each select() remembers the
// object of that kind the DC held before the first selection of the kind; release() and the
// destructor put those back, last kind first, and only then delete the DC, so no object of the
// caller's stays selected into a deleted DC and the DC's own first objects go with it. The
// selected objects stay the caller's: the guard never deletes them, and they must outlive it.
class MemoryDc {
public:
    MemoryDc() = default;
    // create(compatibleWith) at once; hdc() is null when it failed.
    explicit MemoryDc(HDC compatibleWith) { (void)create(compatibleWith); } // the caller tests hdc()
    ~MemoryDc() { release(); }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;

    // A memory DC compatible with `compatibleWith`, or with the display when it is null (its
    // information context is made once and kept); a DC held before is released first. 0 when no
    // DC could be made.
    [[nodiscard]] int create(HDC compatibleWith);
    // Selects a bitmap, font, brush or pen. 0, with nothing selected, without a DC, for a null
    // object or any other kind of object, or when SelectObject refuses it (a bitmap selected into
    // another DC).
    [[nodiscard]] int select(HGDIOBJ object);
    // Puts back the DC's first objects and deletes the DC; nothing when no DC is held.
    void release();

    [[nodiscard]] HDC hdc() const { return hdc_; }

private:
    static const int kKinds = 4;
    HDC hdc_ = nullptr;
    // Per kind (bitmap, font, brush, pen): what the DC held before the first selection, or null.
    HGDIOBJ replaced_[kKinds] = {};
};

// Drops the kept information context of the display; the next memory DC makes a new one (the
// frame window calls it when the display changes).
void forgetDisplayInformation();
