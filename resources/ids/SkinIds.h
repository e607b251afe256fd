#pragma once

// Identifiers of the skin pictures (Quillmark.vga / Quillmark.qvga), and the size of each
// picture in both libraries.

#include <cstdint>

namespace ids {

// Small icons: 32 x 32 (VGA), 16 x 16 (QVGA; IDB_ICON_HELP 22 x 22).
inline constexpr std::uint32_t IDB_ICON_BACK = 10001;
inline constexpr std::uint32_t IDB_ICON_NO = 10002;
inline constexpr std::uint32_t IDB_ICON_CLOSE = 10003;
inline constexpr std::uint32_t IDB_ICON_ADD = 10004;
inline constexpr std::uint32_t IDB_ICON_DELETE = 10005;
inline constexpr std::uint32_t IDB_ICON_FOLDER = 10006;
inline constexpr std::uint32_t IDB_ICON_SAVE = 10007;
inline constexpr std::uint32_t IDB_ICON_SETTINGS = 10008;
inline constexpr std::uint32_t IDB_ICON_CAMERA = 10009;
inline constexpr std::uint32_t IDB_ICON_OPEN = 10010;
inline constexpr std::uint32_t IDB_ICON_MAIL = 10011;
inline constexpr std::uint32_t IDB_ICON_ROTATE_RIGHT = 10012;
inline constexpr std::uint32_t IDB_ICON_ROTATE_LEFT = 10013;
inline constexpr std::uint32_t IDB_ICON_CROP = 10014;
inline constexpr std::uint32_t IDB_ICON_UNDO = 10015;
inline constexpr std::uint32_t IDB_ICON_ZOOM_IN = 10016;
inline constexpr std::uint32_t IDB_ICON_ZOOM_OUT = 10017;
inline constexpr std::uint32_t IDB_ICON_UP = 10018;
inline constexpr std::uint32_t IDB_ICON_NEXT = 10019;
inline constexpr std::uint32_t IDB_ICON_OK = 10020;
inline constexpr std::uint32_t IDB_ICON_DOWN = 10021;
inline constexpr std::uint32_t IDB_ICON_INFO = 10022;
inline constexpr std::uint32_t IDB_ICON_HELP = 10023;
inline constexpr std::uint32_t IDB_ICON_PDF = 10024;
inline constexpr std::uint32_t IDB_ICON_IMAGE = 10025;
inline constexpr std::uint32_t IDB_ICON_CANCEL = 10026;
inline constexpr std::uint32_t IDB_ICON_SHARE = 10027;
inline constexpr std::uint32_t IDB_ICON_CONTACT = 10028;
inline constexpr std::uint32_t IDB_ICON_FLIP = 10029;

// Message and header pictures: 64 x 64 / 32 x 32.
inline constexpr std::uint32_t IDB_MSG_INFORMATION = 11000;
inline constexpr std::uint32_t IDB_MSG_ATTENTION = 11001;
inline constexpr std::uint32_t IDB_MSG_SUCCESS = 11002;
inline constexpr std::uint32_t IDB_MSG_SETTINGS = 11003;
inline constexpr std::uint32_t IDB_MSG_QUESTION = 11004;
inline constexpr std::uint32_t IDB_MSG_NO_CAMERA_2 = 11005; // shown second, alternating
inline constexpr std::uint32_t IDB_MSG_NO_CAMERA_1 = 11006; // shown first
inline constexpr std::uint32_t IDB_MSG_ERROR = 11007;
inline constexpr std::uint32_t IDB_MSG_WARNING = 11008;
inline constexpr std::uint32_t IDB_MSG_BUSY = 11009;

// Start-up window and main screen; 11911, a document page, heads the file pickers, the PDF
// screens and Share.
inline constexpr std::uint32_t IDB_SPLASH = 11900;          // 360 x 254 / 180 x 127
inline constexpr std::uint32_t IDB_LOGO = 11910;            // 128 x 128 / 64 x 64
inline constexpr std::uint32_t IDB_HEADER_DOCUMENT = 11911; // 64 x 64 / 32 x 32

// Faces of the skinned standard button: 151 x 46 / 76 x 23.
inline constexpr std::uint32_t IDB_BUTTON_HOVER = 11950;
inline constexpr std::uint32_t IDB_BUTTON_NORMAL = 11951;
inline constexpr std::uint32_t IDB_BUTTON_PRESSED = 11952;
inline constexpr std::uint32_t IDB_BUTTON_DISABLED = 11953;

// Bars: 266 x 38 / 133 x 19.
inline constexpr std::uint32_t IDB_BAR_PROGRESS_TRACK = 13100;
inline constexpr std::uint32_t IDB_BAR_PROGRESS_FILL = 13101;
inline constexpr std::uint32_t IDB_BAR_SELECTION = 13102;
inline constexpr std::uint32_t IDB_BAR_FIELD = 13103;
inline constexpr std::uint32_t IDB_BAR_HEADER = 13104;
inline constexpr std::uint32_t IDB_BAR_FOOTER = 13105;
inline constexpr std::uint32_t IDB_BAR_SEPARATOR = 13106;
inline constexpr std::uint32_t IDB_BAR_DISABLED = 13107;

// The three big main-screen buttons: 128 x 128 / 64 x 64.
inline constexpr std::uint32_t IDB_BIG_SCAN = 13200;
inline constexpr std::uint32_t IDB_BIG_SCAN_PRESSED = 13201;
inline constexpr std::uint32_t IDB_BIG_SCAN_DISABLED = 13202;
inline constexpr std::uint32_t IDB_BIG_PDF = 13203;
inline constexpr std::uint32_t IDB_BIG_PDF_PRESSED = 13204;
inline constexpr std::uint32_t IDB_BIG_PDF_DISABLED = 13205;
inline constexpr std::uint32_t IDB_BIG_DELETE = 13206;
inline constexpr std::uint32_t IDB_BIG_DELETE_PRESSED = 13207;
inline constexpr std::uint32_t IDB_BIG_DELETE_DISABLED = 13208;

// Banner without transparency: 480 x 128 / 240 x 64.
inline constexpr std::uint32_t IDB_BANNER = 15000;

// Thumbnail frames of the page strip.
inline constexpr std::uint32_t IDB_FRAME_LANDSCAPE = 15200;        // 100 x 80 / 50 x 40
inline constexpr std::uint32_t IDB_FRAME_PORTRAIT = 15201;         // 80 x 100 / 40 x 50
inline constexpr std::uint32_t IDB_FRAME_LANDSCAPE_RAISED = 15202; // 120 x 96 / 60 x 48
inline constexpr std::uint32_t IDB_FRAME_PORTRAIT_RAISED = 15203;  // 96 x 120 / 48 x 60

// Header pictures of the settings pages and the contact picker: 64 x 64 / 32 x 32.
inline constexpr std::uint32_t IDB_HEADER_IMPORT = 15300;
inline constexpr std::uint32_t IDB_HEADER_CONTACTS = 15301;
inline constexpr std::uint32_t IDB_HEADER_CAMERA = 15302;
inline constexpr std::uint32_t IDB_HEADER_IMAGES = 15303;
inline constexpr std::uint32_t IDB_HEADER_PDF = 15304;

// Every skin picture with its size in the VGA and in the QVGA library.
struct SkinPictureInfo {
    std::uint32_t id;
    int vgaWidth, vgaHeight;
    int qvgaWidth, qvgaHeight;
};

inline constexpr int kSkinPictureCount = 73;

constexpr SkinPictureInfo SkinPictureAt(int index) {
    if (index < 29) {
        const std::uint32_t id = IDB_ICON_BACK + std::uint32_t(index);
        const int small = id == IDB_ICON_HELP ? 22 : 16;
        return {id, 32, 32, small, small};
    }
    index -= 29;
    if (index < 10)
        return {IDB_MSG_INFORMATION + std::uint32_t(index), 64, 64, 32, 32};
    index -= 10;
    constexpr SkinPictureInfo rest[] = {
        {IDB_SPLASH, 360, 254, 180, 127},
        {IDB_LOGO, 128, 128, 64, 64},
        {IDB_HEADER_DOCUMENT, 64, 64, 32, 32},
        {IDB_BUTTON_HOVER, 151, 46, 76, 23},
        {IDB_BUTTON_NORMAL, 151, 46, 76, 23},
        {IDB_BUTTON_PRESSED, 151, 46, 76, 23},
        {IDB_BUTTON_DISABLED, 151, 46, 76, 23},
        {IDB_BAR_PROGRESS_TRACK, 266, 38, 133, 19},
        {IDB_BAR_PROGRESS_FILL, 266, 38, 133, 19},
        {IDB_BAR_SELECTION, 266, 38, 133, 19},
        {IDB_BAR_FIELD, 266, 38, 133, 19},
        {IDB_BAR_HEADER, 266, 38, 133, 19},
        {IDB_BAR_FOOTER, 266, 38, 133, 19},
        {IDB_BAR_SEPARATOR, 266, 38, 133, 19},
        {IDB_BAR_DISABLED, 266, 38, 133, 19},
        {IDB_BIG_SCAN, 128, 128, 64, 64},
        {IDB_BIG_SCAN_PRESSED, 128, 128, 64, 64},
        {IDB_BIG_SCAN_DISABLED, 128, 128, 64, 64},
        {IDB_BIG_PDF, 128, 128, 64, 64},
        {IDB_BIG_PDF_PRESSED, 128, 128, 64, 64},
        {IDB_BIG_PDF_DISABLED, 128, 128, 64, 64},
        {IDB_BIG_DELETE, 128, 128, 64, 64},
        {IDB_BIG_DELETE_PRESSED, 128, 128, 64, 64},
        {IDB_BIG_DELETE_DISABLED, 128, 128, 64, 64},
        {IDB_BANNER, 480, 128, 240, 64},
        {IDB_FRAME_LANDSCAPE, 100, 80, 50, 40},
        {IDB_FRAME_PORTRAIT, 80, 100, 40, 50},
        {IDB_FRAME_LANDSCAPE_RAISED, 120, 96, 60, 48},
        {IDB_FRAME_PORTRAIT_RAISED, 96, 120, 48, 60},
        {IDB_HEADER_IMPORT, 64, 64, 32, 32},
        {IDB_HEADER_CONTACTS, 64, 64, 32, 32},
        {IDB_HEADER_CAMERA, 64, 64, 32, 32},
        {IDB_HEADER_IMAGES, 64, 64, 32, 32},
        {IDB_HEADER_PDF, 64, 64, 32, 32},
    };
    return index < int(sizeof(rest) / sizeof(rest[0])) ? rest[index]
                                                       : SkinPictureInfo{0, 0, 0, 0, 0};
}

} // namespace ids
