#pragma once

// Soft-key menu bars by resource number.

namespace ids {

inline constexpr int IDR_MENU_OK_CANCEL = 126;   // platform version below 5
inline constexpr int IDR_MENU_OK_CANCEL_5 = 127; // version 5 and later
inline constexpr int IDR_MENU_MAIN = 130;
inline constexpr int IDR_MENU_EDITOR = 133;
inline constexpr int IDR_MENU_EDITOR_5 = 134;
inline constexpr int IDR_MENU_SETTINGS = 135;
inline constexpr int IDR_MENU_SEND = 136;
inline constexpr int IDR_MENU_ACTIONS = 137;
inline constexpr int IDR_MENU_ABOUT = 150;

inline constexpr int IDR_MENU_CAMERA = 180; // Cancel and the shutter

// Question box bars by kind, in the two identical variants (below version 5, and 5 on).
inline constexpr int IDR_MENU_QB_CLOSE = 160;
inline constexpr int IDR_MENU_QB_NO_YES = 161;
inline constexpr int IDR_MENU_QB_CANCEL_OK = 162;
inline constexpr int IDR_MENU_QB_CANCEL_NEXT = 163;
inline constexpr int IDR_MENU_QB_YES_NO_ALL = 164;
inline constexpr int IDR_MENU_QB_DONT_SHOW = 165;
inline constexpr int kMenuVariant5Offset = 10; // 170-175: the variants for version 5 on

} // namespace ids
