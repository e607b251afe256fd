#include "camera/CameraCaps.h"

#include "tests/support/QtPrint.h"

#include <gtest/gtest.h>

namespace {

TEST(CameraCapsTest, NothingRequestedAsksForNothing) {
    EXPECT_EQ(ResolutionCaps("video/x-raw, width=(int)640, height=(int)480", QSize(0, 0)), "ANY");
}

TEST(CameraCapsTest, TheRequestedSizeWhenOfferedElseTheNearest) {
    // A range holds the request.
    EXPECT_EQ(NearestOfferedSize("video/x-raw, width=(int)[ 1, 4096 ], height=(int)[ 1, 4096 ]",
                                 QSize(1600, 1200)),
              QSize(1600, 1200));
    // A range too small: its largest size.
    EXPECT_EQ(NearestOfferedSize("video/x-raw, width=(int)[ 16, 1280 ], height=(int)[ 16, 720 ]",
                                 QSize(1600, 1200)),
              QSize(1280, 720));
    // Fixed sizes, as a webcam lists them.
    const char* webcam = "video/x-raw, width=(int)640, height=(int)480; "
                         "video/x-raw, width=(int)800, height=(int)600; "
                         "image/jpeg, width=(int)2048, height=(int)1536; "
                         "image/jpeg, width=(int)2592, height=(int)1944";
    EXPECT_EQ(NearestOfferedSize(webcam, QSize(1600, 1200)), QSize(2048, 1536));
    EXPECT_EQ(NearestOfferedSize(webcam, QSize(2592, 1944)), QSize(2592, 1944));
    EXPECT_EQ(NearestOfferedSize(webcam, QSize(700, 500)), QSize(640, 480));
    // Lists of widths and heights.
    EXPECT_EQ(NearestOfferedSize("video/x-raw, width=(int){ 320, 1920 }, height=(int){ 240, 1080 }",
                                 QSize(1600, 1200)),
              QSize(1920, 1080));
    // An offer without sizes (a source that tells nothing before it runs) keeps the request.
    EXPECT_EQ(NearestOfferedSize("ANY", QSize(1600, 1200)), QSize(1600, 1200));
    EXPECT_EQ(NearestOfferedSize("video/x-raw", QSize(2048, 1536)), QSize(2048, 1536));
    EXPECT_EQ(NearestOfferedSize("not caps at all", QSize(1600, 1200)), QSize(1600, 1200));
}

TEST(CameraCapsTest, CapsNameTheNearestSizeRawOrJpeg) {
    const QString caps = ResolutionCaps("image/jpeg, width=(int)1600, height=(int)1200; "
                                        "video/x-raw, width=(int)640, height=(int)480",
                                        QSize(1600, 1200));
    EXPECT_EQ(caps, "video/x-raw, width=(int)1600, height=(int)1200; "
                    "image/jpeg, width=(int)1600, height=(int)1200");
    // A source that names no sizes may fall back to anything it can give.
    EXPECT_EQ(ResolutionCaps("video/x-raw", QSize(2048, 1536)),
              "video/x-raw, width=(int)2048, height=(int)1536; "
              "image/jpeg, width=(int)2048, height=(int)1536; video/x-raw; image/jpeg");
}

} // namespace
