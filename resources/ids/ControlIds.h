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
inline constexpr int IDC_IMAGE_VIEW = 10048;    // the image editor's picture view
inline constexpr int IDC_CORNER_EDITOR = 10048; // the straighten screen's corner handles
inline constexpr int IDC_BUTTON_SCAN = 10049;
inline constexpr int IDC_BUTTON_DELETE = 10052;
inline constexpr int IDC_STRIP = 10053;
inline constexpr int IDC_BUTTON_MAKE_PDF = 10056;
inline constexpr int IDC_PAGE_LIST = 10071;
inline constexpr int IDC_PAGE_PROMPT = 10075;
// Camera screen.
inline constexpr int IDC_CAMERA_VIEWFINDER = 10930;
inline constexpr int IDC_CAMERA_SHUTTER = 10931;
// Picker (template 136).
inline constexpr int IDC_BROWSER_TREE = 10063;
inline constexpr int IDC_BROWSER_LIST = 10064;
inline constexpr int IDC_BROWSER_PATH = 10065;
// Settings pages (templates 140, 141, 142, 144, 146); identifiers repeat between pages.
inline constexpr int IDC_SETTINGS_CANCEL = 10043;
inline constexpr int IDC_SETTINGS_OK = 10046;
inline constexpr int IDC_SORT_PROMPT = 10039;
inline constexpr int IDC_SORT_NAME_ASC = 10078; // 10078-10081, 10083, 10084: orders 0-5
inline constexpr int IDC_SORT_NAME_DESC = 10079;
inline constexpr int IDC_SORT_DATE_ASC = 10080;
inline constexpr int IDC_SORT_DATE_DESC = 10081;
inline constexpr int IDC_SORT_NONE = 10083;
inline constexpr int IDC_SORT_ASK = 10084;
inline constexpr int IDC_CAMERA_PROMPT = 10083;
inline constexpr int IDC_CAMERA_DEFAULT = 10084; // 10084-10087: resolutions 0-3
inline constexpr int IDC_CAMERA_2MP = 10085;
inline constexpr int IDC_CAMERA_3MP = 10086;
inline constexpr int IDC_CAMERA_5MP = 10087;
inline constexpr int IDC_PAGE_SOURCE_PROMPT = 10110; // where Scan takes pages from
inline constexpr int IDC_PAGE_SOURCE = 10111;
inline constexpr int IDC_SCANNER_RESOLUTION = 10112;
inline constexpr int IDC_SCANNER_MODE = 10113;
inline constexpr int IDC_EMBED_PROMPT = 10081;
inline constexpr int IDC_EMBED_SCALING = 10082;
inline constexpr int IDC_EMBED_AUTO_PORTRAIT = 10089;
inline constexpr int IDC_EMBED_STRAIGHTEN = 10094;
inline constexpr int IDC_EMBED_ENHANCE_PROMPT = 10095;
inline constexpr int IDC_EMBED_ENHANCE = 10096;
inline constexpr int IDC_PDF_PROMPT = 10079;
inline constexpr int IDC_PDF_PAPER = 10080;
inline constexpr int IDC_MISC_ASK_ACTIONS = 10090;
inline constexpr int IDC_PDF_OCR = 10091;
inline constexpr int IDC_PDF_OCR_PROMPT = 10092;
inline constexpr int IDC_PDF_OCR_LANGUAGE = 10093;
inline constexpr int IDC_PDF_QUALITY_PROMPT = 10097;
inline constexpr int IDC_PDF_QUALITY = 10098;
// Question box controls without an identifier of their own in the original resource.
inline constexpr int IDC_QB_BODY = 10900;
inline constexpr int IDC_QB_NOTE = 10901;
// The attachment line of the send screen.
inline constexpr int IDC_MAIL_ATTACHMENT = 10910;

// Send screen (template 138), contact picker (143), list chooser (145).
inline constexpr int IDC_MAIL_SUBJECT = 10067;
inline constexpr int IDC_MAIL_BODY = 10068;
inline constexpr int IDC_MAIL_ADDRESS_LABEL = 10072;
inline constexpr int IDC_MAIL_SUBJECT_LABEL = 10073;
inline constexpr int IDC_MAIL_ADDRESS = 10074;
inline constexpr int IDC_MAIL_BODY_LABEL = 10075;
inline constexpr int IDC_MAIL_PICK_CONTACT = 10081;
inline constexpr int IDC_CONTACT_LIST = 10053;
inline constexpr int IDC_CHOOSER_LABEL = 10086;
inline constexpr int IDC_CHOOSER_LIST = 10087;
inline constexpr int IDC_CHOOSER_TEXT = 10088;

// Progress screen (template 115).
inline constexpr int IDC_PROGRESS_STEP = 10057;
inline constexpr int IDC_PROGRESS_BAR = 10058;
inline constexpr int IDC_PROGRESS_SECOND_BAR = 10059;
inline constexpr int IDC_PROGRESS_SECOND_LABEL = 10060;
inline constexpr int IDC_PROGRESS_STATUS = 10062;
// PDF setup (template 117).
inline constexpr int IDC_SETUP_FILE = 10066;
inline constexpr int IDC_SETUP_FILE_LABEL = 10067;
inline constexpr int IDC_SETUP_FOLDER_LABEL = 10068;
inline constexpr int IDC_SETUP_FOLDER = 10069;
inline constexpr int IDC_SETUP_QUALITY_LABEL = 10099;
inline constexpr int IDC_SETUP_QUALITY = 10100;
// PDF library (template 118) and actions prompt (template 139).
inline constexpr int IDC_LIBRARY_SHARE = 10070;
inline constexpr int IDC_ACTIONS_SHARE = 10076;
inline constexpr int IDC_ACTIONS_OPEN = 10077;

} // namespace ids
