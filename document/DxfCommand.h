#pragma once
// An interface that this folder and those above call; a folder above implements it.

// DXF import into and export from one drawing; made for one command and deleted after it. Each
// operation answers 1 when done and shows its own errors.
class DxfCommand {
public:
    virtual ~DxfCommand() = default;

    [[nodiscard]] virtual int importDxf() = 0;
    [[nodiscard]] virtual int exportDxf() = 0;
};
