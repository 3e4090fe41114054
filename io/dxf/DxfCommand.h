#pragma once
// Interface header: the operations that the folders below call; no internals of this folder.

// DXF import into and export from one drawing; made for one command and deleted after it. Each
// operation answers 1 when done and shows its own errors.
class DxfCommand {
public:
    virtual ~DxfCommand() = default;

    [[nodiscard]] virtual int importDxf() = 0;
    [[nodiscard]] virtual int exportDxf() = 0;
};
