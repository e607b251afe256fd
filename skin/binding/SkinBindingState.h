#pragma once

// Process-wide state of the skin binding, shared by the binding and the drawing calls.

#include "skin/api/TesManager.h"

#include <QString>

struct SkinBindingState {
    void* module = nullptr;
    InitTesManagerFn init = nullptr;
    CleanupTesManagerFn cleanup = nullptr;
    ITesManager* manager = nullptr;
    QString path;
    int pictureRatio = 1;
};

SkinBindingState& BindingState();

// The resolution test from the current screen class, and fixing the flag for the run.
bool ComputeHighResolution();
void SetHighResolution(bool high);
