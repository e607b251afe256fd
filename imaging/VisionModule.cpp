// The entry of the quillmark-vision library: its table of operations.

#include "imaging/VisionModule.h"

extern "C" __attribute__((visibility("default"))) const CVisionModule* QuillmarkVisionModule() {
    static const CVisionModule table{QM_VERSION, &vision::Enhance, &vision::FindSheet,
                                     &vision::Straighten};
    return &table;
}
