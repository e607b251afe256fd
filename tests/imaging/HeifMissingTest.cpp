// Without libheif the program still reads every other picture; a whole HEIC file is then
// refused as a picture that cannot be read, as a damaged one is, and the log says why. The
// loader decides once per process, so this test is a program of its own: it points the loader
// at a library that does not exist (QM_HEIF_LIBRARY) before the first HEIF picture is read.
// libheif itself is linked here only to write the HEIC and to show that the file is whole.

#include "app/Log.h"
#include "imaging/ImageDecoder.h"
#include "imaging/ImageReading.h"
#include "imaging/LoadedImage.h"
#include "tests/support/TempHome.h"

#include <QFile>
#include <QImage>

#include <libheif/heif.h>

#include <cstring>

namespace {

// A HEIC of a w x h grey picture (HEVC through libheif's encoder).
bool WriteHeic(const QString& path, int width, int height) {
    heif_context* context = heif_context_alloc();
    heif_encoder* encoder = nullptr;
    heif_image* image = nullptr;
    bool ok =
        heif_context_get_encoder_for_format(context, heif_compression_HEVC, &encoder).code ==
            heif_error_Ok &&
        heif_image_create(width, height, heif_colorspace_RGB, heif_chroma_interleaved_RGB, &image)
                .code == heif_error_Ok &&
        heif_image_add_plane(image, heif_channel_interleaved, width, height, 8).code ==
            heif_error_Ok;
    if (ok) {
        int stride = 0;
        uint8_t* plane = heif_image_get_plane(image, heif_channel_interleaved, &stride);
        for (int y = 0; y < height; ++y)
            std::memset(plane + std::size_t(y) * std::size_t(stride), 0x80, std::size_t(width) * 3);
        ok = heif_context_encode_image(context, image, encoder, nullptr, nullptr).code ==
                 heif_error_Ok &&
             heif_context_write_to_file(context, QFile::encodeName(path).constData()).code ==
                 heif_error_Ok;
    }
    if (image)
        heif_image_release(image);
    if (encoder)
        heif_encoder_release(encoder);
    heif_context_free(context);
    return ok;
}

// The size libheif reads from the file's primary image; an invalid size when it refuses it.
QSize HeifSize(const QString& path) {
    heif_context* context = heif_context_alloc();
    heif_image_handle* handle = nullptr;
    QSize size;
    if (heif_context_read_from_file(context, QFile::encodeName(path).constData(), nullptr).code ==
            heif_error_Ok &&
        heif_context_get_primary_image_handle(context, &handle).code == heif_error_Ok) {
        size = QSize(heif_image_handle_get_width(handle), heif_image_handle_get_height(handle));
        heif_image_handle_release(handle);
    }
    heif_context_free(context);
    return size;
}

using HeifMissingTest = CTempHomeTest;

TEST_F(HeifMissingTest, AWholeHeicIsRefusedAsUnreadableAndTheLogSaysWhy) {
    ASSERT_TRUE(qputenv("QM_HEIF_LIBRARY", "libheif-missing.so.1"));
    const QString heic = PathIn("photo.heic");
    ASSERT_TRUE(WriteHeic(heic, 64, 48)) << "libheif has no HEVC encoder";
    ASSERT_EQ(HeifSize(heic), QSize(64, 48));
    QImage grey(40, 30, QImage::Format_RGB32);
    grey.fill(qRgb(128, 128, 128));
    ASSERT_TRUE(grey.save(PathIn("photo.png")));
    OpenLog(PathIn("quillmark.log"));
    EnableDiagnosticLog();

    CPictureHeader header;
    EPictureProblem problem = EPictureProblem::None;
    EXPECT_FALSE(ReadPictureHeader(heic, &header, &problem));
    EXPECT_EQ(problem, EPictureProblem::NotAPicture);
    QSize size;
    EXPECT_FALSE(ReadImageSize(heic, &size));
    LoadedImage image;
    EXPECT_FALSE(LoadImageFile(heic, &image));

    EXPECT_TRUE(ReadImageSize(PathIn("photo.png"), &size));
    EXPECT_EQ(size, QSize(40, 30));
    EXPECT_TRUE(LoadImageFile(PathIn("photo.png"), &image));
    CloseLog();

    // Tried once, however often a HEIF picture is read.
    const QByteArray log = ReadFile(PathIn("quillmark.log"));
    EXPECT_EQ(log.count("HEIF pictures cannot be read: libheif-missing.so.1: cannot open shared "
                        "object file"),
              1)
        << log.toStdString();
}

} // namespace
