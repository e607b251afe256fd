#pragma once

// Command identifiers: what soft keys, menu items and buttons send to their screen.

namespace ids {

// The framework's own commands.
inline constexpr int IDOK_COMMAND = 1;
inline constexpr int IDCANCEL_COMMAND = 2;
inline constexpr int ID_PLATFORM_CANCEL = 118; // "Cancel" soft key of the platform's bars

// Main screen (menu bar 130).
inline constexpr int ID_FILE_EXIT = 32769;
inline constexpr int ID_HELP_ABOUT = 32771;
inline constexpr int ID_HELP_HELP = 32773;
inline constexpr int ID_MAIN_TOOLS = 32774;
inline constexpr int ID_CLOSE = 32775;
inline constexpr int ID_ABOUT_CLOSE = 32778;
inline constexpr int ID_OK = 32781;
inline constexpr int ID_EDITOR_TOOLS = 32787;
inline constexpr int ID_SCAN = 32788;
inline constexpr int ID_IMAGE_EDIT = 32789;
inline constexpr int ID_IMAGE_DELETE = 32790;
inline constexpr int ID_IMAGE_MOVE_UP = 32791;
inline constexpr int ID_IMAGE_MOVE_DOWN = 32792;
inline constexpr int ID_ADD_FROM_FILE = 32794;
inline constexpr int ID_ADD_FROM_FOLDER = 32795;
inline constexpr int ID_FILE_CREATE_PDF = 32796;
inline constexpr int ID_FILE_NEW_SESSION = 32811;
inline constexpr int ID_IMAGE_SWAP = 32819;
inline constexpr int ID_IMAGE_MOVE_AFTER = 32820;
inline constexpr int ID_FILE_LIBRARY = 32821;
inline constexpr int ID_IMAGE_MOVE_BEFORE = 32822;
inline constexpr int ID_ADD_BLANK_PAGE = 32823;
inline constexpr int ID_SETTINGS_IMPORT = 32829;
inline constexpr int ID_SETTINGS_CAMERA = 32830;
inline constexpr int ID_SETTINGS_EMBEDDING = 32831;
inline constexpr int ID_SETTINGS_PDF = 32832;
inline constexpr int ID_SETTINGS_MISC = 32833;

// Image editor (menu bars 133 / 134).
inline constexpr int ID_ROTATE_90_CW = 32798;
inline constexpr int ID_ROTATE_90_CCW = 32799;
inline constexpr int ID_ROTATE_180 = 32800;
inline constexpr int ID_FLIP_HORIZONTAL = 32801;
inline constexpr int ID_FLIP_VERTICAL = 32802;
inline constexpr int ID_CROP_IMAGE = 32803;
inline constexpr int ID_ZOOM_200 = 32804;
inline constexpr int ID_ZOOM_100 = 32805;
inline constexpr int ID_ZOOM_50 = 32806;
inline constexpr int ID_ZOOM_FIT = 32807;
inline constexpr int ID_EDITOR_ACTION = 32808;
inline constexpr int ID_ACTION_OK = 32809;
inline constexpr int ID_ACTION_CANCEL = 32810;
inline constexpr int ID_ACTION_UNDO = 32812;
inline constexpr int ID_ADVANCED = 32818;
inline constexpr int ID_STRAIGHTEN = 32860;
inline constexpr int ID_LOOK_ORIGINAL = 32861;
inline constexpr int ID_LOOK_GREY = 32862;
inline constexpr int ID_LOOK_BLACK_WHITE = 32863;
inline constexpr int ID_LOOK_COLOUR = 32864;

// Send screen, actions prompt, PDF library.
inline constexpr int ID_SEND = 32824;
inline constexpr int ID_OPEN = 32825;
inline constexpr int ID_SHARE = 32826;
inline constexpr int ID_PICK_CONTACT = 32827;
inline constexpr int ID_SEND_TOOLS = 32850; // the send screen's "Tools" soft key

// Camera screen: the shutter key.
inline constexpr int ID_CAMERA_SHUTTER = 32930;

// Question box: results double as commands.
inline constexpr int ID_QB_NEXT = 10835; // "Next", "Yes to all" result
inline constexpr int ID_QB_NO = 10836;   // "No" of the Tools menu, "No to all" result
inline constexpr int ID_QB_YES_TO_ALL = 32840;
inline constexpr int ID_QB_NO_TO_ALL = 32841;
inline constexpr int ID_QB_DONT_SHOW = 32842;
inline constexpr int ID_QB_TOOLS = 32843;

} // namespace ids

namespace ids {

// Posted by the main screen to the start-up window; the first parameter picks the action.
inline constexpr unsigned WM_FRAME_COMMAND = 34435;
inline constexpr int kFrameCommandNothing = 1;
inline constexpr int kFrameCommandAbout = 2;
inline constexpr int kFrameCommandHelp = 4;

} // namespace ids
