#include "ui/toolkit/ResourceTables.h"

#include "resources/ResourceIds.h"

#include <map>

namespace {

using K = EControlKind;

// Laid out as tables, one control or entry a line, as the resources they stand for.
// clang-format off
std::map<int, CDialogTemplate> BuildTemplates() {
    using namespace ids;
    std::map<int, CDialogTemplate> t;
    // Screens fill the device window; the sizes are those of the original layout.
    t[IDD_SPLASH] = {IDD_SPLASH, {139, 103}, QStringLiteral("Quillmark Mobile"), {
        {IDC_PRODUCT_NAME, K::Static, {4, 79, 131, 9}, {}, kStyleCentre},
        {IDC_VERSION, K::Static, {4, 88, 131, 7}, {}, kStyleCentre},
        {IDC_WEB_ADDRESS, K::Static, {4, 95, 131, 7}, {}, kStyleCentre},
        {IDC_SUPPORT_ADDRESS, K::Static, {4, 102, 131, 6}, {}, kStyleCentre},
        {IDC_STATUS, K::Static, {4, 142, 131, 9}, {}, kStyleCentre},
    }};
    t[IDD_ABOUT] = {IDD_ABOUT, {139, 153}, {}, {
        {IDC_PRODUCT_NAME, K::Static, {7, 24, 125, 10}, {}, kStyleCentre},
        {IDC_VERSION, K::Static, {7, 35, 125, 8}, {}, kStyleCentre},
        {IDC_WEB_ADDRESS, K::Static, {7, 44, 125, 8}, {}, kStyleCentre},
        {IDC_SUPPORT_ADDRESS, K::Static, {7, 52, 125, 8}, {}, kStyleCentre},
        {IDC_ABOUT_CLOSE, K::Button, {45, 138, 49, 13}, {}, kStyleDefault},
    }};
    t[IDD_QUESTION] = {IDD_QUESTION, {139, 153}, {}, {
        {IDC_QB_BODY, K::ReadOnlyText, {7, 23, 125, 21}, {}, 0},
        {IDC_QB_NOTE, K::Static, {7, 48, 125, 23}, {}, kStyleHidden},
        {IDC_QB_CHECK, K::CheckBox, {7, 79, 125, 10}, {}, 0},
        {IDC_QB_RADIO_FIRST, K::RadioButton, {7, 95, 125, 10}, {}, kStyleGroupStart},
        {IDC_QB_RADIO_SECOND, K::RadioButton, {7, 105, 125, 10}, {}, 0},
        {IDC_QB_BUTTON_CANCEL, K::Button, {4, 138, 42, 13}, {}, 0},
        {IDC_QB_BUTTON_NO, K::Button, {48, 138, 42, 13}, {}, 0},
        {IDC_QB_BUTTON_NEXT, K::Button, {48, 138, 42, 13}, {}, 0},
        {IDC_QB_BUTTON_OK, K::Button, {93, 138, 42, 13}, {}, kStyleDefault},
    }};
    t[IDD_MAIN] = {IDD_MAIN, {139, 153}, {}, {
        {IDC_PREVIEW, K::Custom, {4, 4, 96, 96}, {}, 0},
        {IDC_STRIP, K::Custom, {4, 104, 131, 20}, {}, 0},
        {IDC_BUTTON_SCAN, K::Button, {14, 128, 36, 18}, {}, 0},
        {IDC_BUTTON_MAKE_PDF, K::Button, {52, 128, 36, 18}, {}, 0},
        {IDC_BUTTON_DELETE, K::Button, {90, 128, 36, 18}, {}, 0},
    }};
    // The file and folder picker and the settings pages; their screens lay the controls out
    // below the header themselves.
    t[IDD_FILE_PICKER] = {IDD_FILE_PICKER, {139, 153}, {}, {
        {IDC_BROWSER_PATH, K::Custom, {7, 15, 125, 12}, {}, 0},
        {IDC_BROWSER_TREE, K::Custom, {7, 31, 125, 54}, {}, 0},
        {IDC_BROWSER_LIST, K::Custom, {7, 88, 125, 44}, {}, 0},
        {IDC_CANCEL, K::Button, {4, 138, 42, 13}, {}, 0},
        {IDC_OK, K::Button, {93, 138, 42, 13}, {}, kStyleDefault},
    }};
    const CControlTemplate settingsCancel{IDC_SETTINGS_CANCEL, K::Button, {4, 138, 42, 13}, {}, 0};
    const CControlTemplate settingsOk{IDC_SETTINGS_OK, K::Button, {93, 138, 42, 13}, {}, kStyleDefault};
    t[IDD_SORT_ORDER] = {IDD_SORT_ORDER, {139, 153}, {}, {
        {IDC_SORT_PROMPT, K::Static, {7, 24, 125, 18}, {}, 0},
        {IDC_SORT_NAME_ASC, K::RadioButton, {7, 44, 125, 10}, {}, kStyleGroupStart},
        {IDC_SORT_NAME_DESC, K::RadioButton, {7, 55, 125, 10}, {}, 0},
        {IDC_SORT_DATE_ASC, K::RadioButton, {7, 66, 125, 10}, {}, 0},
        {IDC_SORT_DATE_DESC, K::RadioButton, {7, 77, 125, 10}, {}, 0},
        {IDC_SORT_NONE, K::RadioButton, {7, 88, 125, 10}, {}, 0},
        {IDC_SORT_ASK, K::RadioButton, {7, 99, 125, 10}, {}, 0},
        settingsCancel, settingsOk,
    }};
    t[IDD_SETTINGS_CAMERA] = {IDD_SETTINGS_CAMERA, {139, 153}, {}, {
        {IDC_CAMERA_PROMPT, K::Static, {7, 24, 125, 26}, {}, 0},
        {IDC_CAMERA_DEFAULT, K::RadioButton, {7, 52, 125, 10}, {}, kStyleGroupStart},
        {IDC_CAMERA_2MP, K::RadioButton, {7, 63, 125, 10}, {}, 0},
        {IDC_CAMERA_3MP, K::RadioButton, {7, 74, 125, 10}, {}, 0},
        {IDC_CAMERA_5MP, K::RadioButton, {7, 85, 125, 10}, {}, 0},
        {IDC_PAGE_SOURCE_PROMPT, K::Static, {7, 98, 125, 10}, {}, 0},
        {IDC_PAGE_SOURCE, K::Custom, {7, 109, 125, 13}, {}, 0},
        {IDC_SCANNER_MODE, K::Custom, {7, 123, 60, 13}, {}, 0},
        {IDC_SCANNER_RESOLUTION, K::Custom, {72, 123, 60, 13}, {}, 0},
        settingsCancel, settingsOk,
    }};
    t[IDD_SETTINGS_IMAGES] = {IDD_SETTINGS_IMAGES, {139, 153}, {}, {
        {IDC_EMBED_PROMPT, K::Static, {7, 24, 125, 10}, {}, 0},
        {IDC_EMBED_SCALING, K::Custom, {7, 36, 125, 13}, {}, 0},
        {IDC_EMBED_AUTO_PORTRAIT, K::CheckBox, {7, 54, 125, 10}, {}, 0},
        {IDC_EMBED_STRAIGHTEN, K::CheckBox, {7, 67, 125, 10}, {}, 0},
        {IDC_EMBED_ENHANCE_PROMPT, K::Static, {7, 80, 125, 10}, {}, 0},
        {IDC_EMBED_ENHANCE, K::Custom, {7, 92, 125, 13}, {}, 0},
        settingsCancel, settingsOk,
    }};
    t[IDD_SETTINGS_PDF] = {IDD_SETTINGS_PDF, {139, 153}, {}, {
        {IDC_PDF_PROMPT, K::Static, {7, 24, 125, 10}, {}, 0},
        {IDC_PDF_PAPER, K::Custom, {7, 36, 125, 13}, {}, 0},
        {IDC_PDF_QUALITY_PROMPT, K::Static, {7, 52, 125, 10}, {}, 0},
        {IDC_PDF_QUALITY, K::Custom, {7, 64, 125, 13}, {}, 0},
        {IDC_PDF_OCR, K::CheckBox, {7, 82, 125, 10}, {}, 0},
        {IDC_PDF_OCR_PROMPT, K::Static, {7, 95, 125, 10}, {}, 0},
        {IDC_PDF_OCR_LANGUAGE, K::Custom, {7, 107, 125, 13}, {}, 0},
        settingsCancel, settingsOk,
    }};
    t[IDD_SETTINGS_MISC] = {IDD_SETTINGS_MISC, {139, 153}, {}, {
        {IDC_MISC_ASK_ACTIONS, K::CheckBox, {7, 24, 125, 10}, {}, 0},
        settingsCancel, settingsOk,
    }};
    t[IDD_PAGE_CHOOSER] = {IDD_PAGE_CHOOSER, {139, 153}, {}, {
        {IDC_PAGE_PROMPT, K::Static, {7, 26, 125, 10}, {}, 0},
        {IDC_PAGE_LIST, K::Custom, {7, 38, 125, 14}, {}, 0},
        {IDC_CANCEL, K::Button, {4, 138, 42, 13}, {}, 0},
        {IDC_OK, K::Button, {93, 138, 42, 13}, {}, kStyleDefault},
    }};
    // The image editor: one place holder that becomes the picture view, which then covers
    // the whole screen.
    t[IDD_EDITOR] = {IDD_EDITOR, {139, 153}, {}, {
        {IDC_IMAGE_VIEW, K::Custom, {4, 7, 128, 123}, {}, 0},
    }};
    // Straightening from the editor: the corner handles over the picture, covering the screen.
    t[IDD_STRAIGHTEN] = {IDD_STRAIGHTEN, {139, 153}, {}, {
        {IDC_CORNER_EDITOR, K::Custom, {4, 7, 128, 123}, {}, 0},
    }};
    // Send screen, contact picker and list chooser; their texts come from the string table.
    t[IDD_SEND] = {IDD_SEND, {139, 153}, {}, {
        {IDC_MAIL_ADDRESS_LABEL, K::Static, {7, 23, 125, 9}, {}, 0},
        {IDC_MAIL_ADDRESS, K::Edit, {7, 33, 104, 12}, {}, 0},
        {IDC_MAIL_PICK_CONTACT, K::Custom, {114, 33, 18, 12}, {}, 0},
        {IDC_MAIL_SUBJECT_LABEL, K::Static, {7, 48, 125, 9}, {}, 0},
        {IDC_MAIL_SUBJECT, K::Edit, {7, 58, 125, 12}, {}, 0},
        {IDC_MAIL_BODY_LABEL, K::Static, {7, 73, 125, 9}, {}, 0},
        {IDC_MAIL_BODY, K::Custom, {7, 83, 125, 50}, {}, 0},
        {IDC_QB_BUTTON_CANCEL, K::Button, {4, 138, 42, 13}, {}, 0},
        {IDC_QB_BUTTON_OK, K::Button, {93, 138, 42, 13}, {}, kStyleDefault},
    }};
    t[IDD_CONTACT_PICKER] = {IDD_CONTACT_PICKER, {139, 153}, {}, {
        {IDC_CONTACT_LIST, K::Custom, {7, 23, 125, 110}, {}, 0},
        {IDC_CANCEL, K::Button, {4, 138, 42, 13}, {}, 0},
        {IDC_OK, K::Button, {93, 138, 42, 13}, {}, kStyleDefault},
    }};
    t[IDD_LIST_CHOOSER] = {IDD_LIST_CHOOSER, {139, 153}, {}, {
        {IDC_CHOOSER_LABEL, K::Static, {7, 26, 125, 10}, {}, 0},
        {IDC_CHOOSER_LIST, K::Custom, {7, 38, 125, 14}, {}, 0},
        {IDC_CHOOSER_TEXT, K::Static, {7, 58, 125, 60}, {}, 0},
        {IDC_QB_BUTTON_CANCEL, K::Button, {4, 138, 42, 13}, {}, 0},
        {IDC_QB_BUTTON_OK, K::Button, {93, 138, 42, 13}, {}, kStyleDefault},
    }};
    // PDF setup, progress, actions and library; the screens place the controls below the
    // header themselves.
    t[IDD_PROGRESS] = {IDD_PROGRESS, {139, 153}, {}, {
        {IDC_PROGRESS_STEP, K::Static, {7, 26, 125, 10}, {}, 0},
        {IDC_PROGRESS_BAR, K::Custom, {7, 38, 125, 12}, {}, 0},
        {IDC_PROGRESS_SECOND_LABEL, K::Static, {7, 54, 125, 10}, {}, 0},
        {IDC_PROGRESS_SECOND_BAR, K::Custom, {7, 66, 125, 12}, {}, 0},
        {IDC_PROGRESS_STATUS, K::Static, {7, 82, 125, 40}, {}, 0},
        {IDC_CANCEL, K::Button, {4, 138, 42, 13}, {}, kStyleDefault},
    }};
    t[IDD_PDF_SETUP] = {IDD_PDF_SETUP, {139, 153}, {}, {
        {IDC_SETUP_FILE_LABEL, K::Static, {7, 26, 125, 10}, {}, 0},
        {IDC_SETUP_FILE, K::Edit, {7, 37, 125, 12}, {}, 0},
        {IDC_SETUP_FOLDER_LABEL, K::Static, {7, 54, 125, 10}, {}, 0},
        {IDC_SETUP_FOLDER, K::Custom, {7, 65, 125, 12}, {}, 0},
        {IDC_SETUP_QUALITY_LABEL, K::Static, {7, 82, 125, 10}, {}, 0},
        {IDC_SETUP_QUALITY, K::Custom, {7, 93, 125, 13}, {}, 0},
        {IDC_QB_BUTTON_CANCEL, K::Button, {4, 138, 42, 13}, {}, 0},
        {IDC_QB_BUTTON_OK, K::Button, {93, 138, 42, 13}, {}, kStyleDefault},
    }};
    t[IDD_PDF_LIBRARY] = {IDD_PDF_LIBRARY, {139, 153}, {}, {
        {IDC_BROWSER_PATH, K::Custom, {7, 15, 125, 12}, {}, 0},
        {IDC_BROWSER_TREE, K::Custom, {7, 31, 125, 54}, {}, 0},
        {IDC_BROWSER_LIST, K::Custom, {7, 88, 125, 44}, {}, 0},
        {IDC_OPEN, K::Button, {93, 138, 42, 13}, {}, kStyleDefault},
        {IDC_LIBRARY_SHARE, K::Button, {48, 138, 42, 13}, {}, 0},
        {IDC_CANCEL, K::Button, {4, 138, 42, 13}, {}, 0},
    }};
    t[IDD_PDF_ACTIONS] = {IDD_PDF_ACTIONS, {139, 153}, {}, {
        {IDC_MESSAGE_TEXT, K::Static, {7, 26, 125, 60}, {}, 0},
        {IDC_QB_CHECK, K::CheckBox, {7, 100, 125, 10}, {}, 0},
        {IDC_QB_BUTTON_CANCEL, K::Button, {4, 138, 42, 13}, {}, 0},
        {IDC_ACTIONS_SHARE, K::Button, {48, 138, 42, 13}, {}, 0},
        {IDC_ACTIONS_OPEN, K::Button, {93, 138, 42, 13}, {}, kStyleDefault},
    }};
    return t;
}
// clang-format on

} // namespace

const CDialogTemplate* FindDialogTemplate(int id) {
    static const std::map<int, CDialogTemplate> templates = BuildTemplates();
    auto it = templates.find(id);
    return it == templates.end() ? nullptr : &it->second;
}
