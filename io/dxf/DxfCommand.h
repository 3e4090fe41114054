#pragma once
// Interface header: the operations that the folders below call; no internals of this folder.

// DXF import into and export from one drawing; made for one command and deleted after it.
class DxfCommand {
public:
    virtual ~DxfCommand() = default;

    virtual int importDxf() = 0;
    virtual int exportDxf() = 0;
};
