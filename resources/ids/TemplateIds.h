#pragma once

// Dialog templates by resource number.

namespace ids {

inline constexpr int IDD_SPLASH = 102;
inline constexpr int IDI_PROGRAM = 103; // the program icon
inline constexpr int IDD_ABOUT = 111;
inline constexpr int IDD_QUESTION = 112;
inline constexpr int IDD_MAIN = 113;
inline constexpr int IDD_EDITOR = 114;
inline constexpr int IDD_STRAIGHTEN = 147; // the editor's corner handles
inline constexpr int IDD_PROGRESS = 115;
inline constexpr int IDD_PDF_SETUP = 117;
inline constexpr int IDD_PDF_LIBRARY = 118;
inline constexpr int IDD_FILE_PICKER = 136;
inline constexpr int IDD_PAGE_CHOOSER = 137;
inline constexpr int IDD_SEND = 138;
inline constexpr int IDD_PDF_ACTIONS = 139;
inline constexpr int IDD_SORT_ORDER = 140; // also the "File import" settings page
inline constexpr int IDD_SETTINGS_PDF = 141;
inline constexpr int IDD_SETTINGS_CAMERA = 142;
inline constexpr int IDD_SETTINGS_IMAGES = 144;
inline constexpr int IDD_SETTINGS_MISC = 146;
inline constexpr int IDD_CONTACT_PICKER = 143;
inline constexpr int IDD_LIST_CHOOSER = 145;

} // namespace ids
