#pragma once

// Control identifiers of the dialog templates. A button sends its identifier as a command.

namespace ids {

inline constexpr int IDC_OK = 10000;
inline constexpr int IDC_CANCEL = 10009;
inline constexpr int IDC_OPEN = 10010;
inline constexpr int IDC_STATUS = 10020;
inline constexpr int IDC_PRODUCT_NAME = 10023;
inline constexpr int IDC_VERSION = 10024;
inline constexpr int IDC_WEB_ADDRESS = 10025;
inline constexpr int IDC_SUPPORT_ADDRESS = 10027;
inline constexpr int IDC_ABOUT_CLOSE = 10037;
inline constexpr int IDC_MESSAGE_TEXT = 10039;
inline constexpr int IDC_QB_CHECK = 10040;
inline constexpr int IDC_QB_RADIO_FIRST = 10041;
inline constexpr int IDC_QB_RADIO_SECOND = 10042;
inline constexpr int IDC_QB_BUTTON_CANCEL = 10043;
inline constexpr int IDC_QB_BUTTON_NO = 10044;
inline constexpr int IDC_QB_BUTTON_NEXT = 10045;
inline constexpr int IDC_QB_BUTTON_OK = 10046;
inline constexpr int IDC_PREVIEW = 10048;
inline constexpr int IDC_BUTTON_SCAN = 10049;
inline constexpr int IDC_BUTTON_DELETE = 10052;
inline constexpr int IDC_STRIP = 10053;
inline constexpr int IDC_BUTTON_MAKE_PDF = 10056;
// Question box controls without an identifier of their own in the original resource.
inline constexpr int IDC_QB_BODY = 10900;
inline constexpr int IDC_QB_NOTE = 10901;

}  // namespace ids
