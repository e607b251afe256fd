// The entry of the quillmark-vision library: its table of operations.

#include "imaging/VisionModule.h"

#include <cstring>

extern "C" __attribute__((visibility("default"))) const CVisionModule*
QuillmarkVisionModule(const char* programVersion) {
    static const CVisionModule table{&vision::Enhance, &vision::FindSheet, &vision::Straighten};
    return std::strcmp(programVersion, QM_VERSION) == 0 ? &table : nullptr;
}
