#pragma once

// Process-wide state of the skin binding, shared by the binding and the drawing calls.

#include "skin/api/TesManager.h"

#include <QString>

#include <cstdint>
#include <map>

class CLogSink;

// A picture a screen added: what it was made from, so a new binding can make it again, and
// the bound manager's handle of it. Screens keep the binding's handle, which outlives
// bindings.
struct SkinPicture {
    std::uint32_t id = 0;
    bool onColour = false;
    TesColour colour = 0;
    std::int32_t native = 0;
    // The manager hands out one picture for the same request and counts its users.
    int uses = 1;
};

struct SkinBindingState {
    void* module = nullptr;
    InitTesManagerFn init = nullptr;
    CleanupTesManagerFn cleanup = nullptr;
    ITesManager* manager = nullptr;
    QString path;
    QString folder;
    CLogSink* log = nullptr;
    bool vgaPictures = false;
    int pictureRatio = 1;
    // The pictures added through the binding, by the binding's handle.
    std::map<std::int32_t, SkinPicture> pictures;
    // Every handle the binding gave out or a manager made so far stays below this.
    std::int32_t handleCeiling = 0;
};

SkinBindingState& BindingState();

// The bound manager's handle behind one of the binding's; any other handle as it is (pictures
// added straight on the manager, as tests do).
std::int32_t NativeSkinHandle(std::int32_t handle);

// The resolution test from the current screen class, and fixing the flag for the run.
bool ComputeHighResolution();
void SetHighResolution(bool high);
