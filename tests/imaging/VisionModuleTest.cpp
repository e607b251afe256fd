// The vision library is the program's own: one of another version, or a library that is not
// it, is refused with the reason, never called.

#include "imaging/VisionModule.h"
#include "platform/SharedLibrary.h"

#include <gtest/gtest.h>

namespace {

TEST(VisionModuleTest, OnlyTheLibraryOfThisVersionIsTaken) {
    QString error;
    EXPECT_NE(platform::OpenProgramModule(kVisionModuleFile, "QM_TEST_UNSET", kVisionModuleEntry,
                                          QM_VERSION, &error),
              nullptr)
        << error.toStdString();
    EXPECT_TRUE(error.isEmpty());

    EXPECT_EQ(platform::OpenProgramModule(kVisionModuleFile, "QM_TEST_UNSET", kVisionModuleEntry,
                                          "0.0.1", &error),
              nullptr);
    EXPECT_TRUE(error.endsWith("quillmark-vision.so is of another version than the program "
                               "(0.0.1)"))
        << error.toStdString();

    // A shared object without the entry (a skin library beside the program).
    EXPECT_EQ(platform::OpenProgramModule("Quillmark.vga", "QM_TEST_UNSET", kVisionModuleEntry,
                                          QM_VERSION, &error),
              nullptr);
    EXPECT_TRUE(error.contains("undefined symbol: QuillmarkVisionModule")) << error.toStdString();
}

} // namespace
