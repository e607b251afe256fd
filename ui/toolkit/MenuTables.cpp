#include "ui/toolkit/ResourceTables.h"

#include "resources/ResourceIds.h"
#include "text/Catalogue.h"
#include "text/Strings.h"

#include <map>
#include <mutex>

namespace {

QString S(std::uint16_t id) {
    return LoadFormatted(id);
}

CMenuItem Item(const QString& text, int command) {
    return CMenuItem{text, command, {}};
}
CMenuItem Sub(const QString& text, std::vector<CMenuItem> children) {
    return CMenuItem{text, 0, std::move(children)};
}

// Laid out as tables, one control or entry a line, as the resources they stand for.
// clang-format off
std::map<int, CMenuTemplate> BuildMenus() {
    using namespace ids;
    std::map<int, CMenuTemplate> menus;
    auto add = [&](int id, const CSoftKey& left, const CSoftKey& right) { menus[id] = CMenuTemplate{id, left, right, {}}; };

    add(IDR_MENU_MAIN,
        CSoftKey{S(IDS_TOOLS), ID_MAIN_TOOLS,
                 {Sub(S(IDS_MENU_ADD), {Item(S(IDS_MENU_SCAN), ID_SCAN),
                                        Item(S(IDS_MENU_ADD_FROM_FILE), ID_ADD_FROM_FILE),
                                        Item(S(IDS_MENU_ADD_FROM_FOLDER), ID_ADD_FROM_FOLDER),
                                        MenuSeparator(),
                                        Item(S(IDS_MENU_ADD_BLANK_PAGE), ID_ADD_BLANK_PAGE)}),
                  Sub(S(IDS_MENU_IMAGE), {Item(S(IDS_MENU_EDIT), ID_IMAGE_EDIT),
                                          Item(S(IDS_DELETE), ID_IMAGE_DELETE), MenuSeparator(),
                                          Item(S(IDS_MENU_SWAP), ID_IMAGE_SWAP),
                                          Item(S(IDS_MENU_MOVE_BEFORE), ID_IMAGE_MOVE_BEFORE),
                                          Item(S(IDS_MENU_MOVE_AFTER), ID_IMAGE_MOVE_AFTER),
                                          MenuSeparator(), Item(S(IDS_MENU_MOVE_UP), ID_IMAGE_MOVE_UP),
                                          Item(S(IDS_MENU_MOVE_DOWN), ID_IMAGE_MOVE_DOWN)}),
                  Sub(S(IDS_SETTINGS), {Item(S(IDS_MENU_CAMERA), ID_SETTINGS_CAMERA),
                                        Item(S(IDS_MENU_FILE_IMPORT), ID_SETTINGS_IMPORT),
                                        Item(S(IDS_MENU_IMAGE_EMBEDDING), ID_SETTINGS_EMBEDDING),
                                        Item(S(IDS_MENU_PDF_OUTPUT), ID_SETTINGS_PDF),
                                        Item(S(IDS_MENU_MISC), ID_SETTINGS_MISC)}),
                  Sub(S(IDS_MENU_HELP), {Item(S(IDS_MENU_HELP), ID_HELP_HELP),
                                         Item(S(IDS_ABOUT), ID_HELP_ABOUT)}),
                  MenuSeparator(),
                  Sub(S(IDS_FILE), {Item(S(IDS_MENU_CREATE_PDF), ID_FILE_CREATE_PDF),
                                    Item(S(IDS_MENU_NEW_SESSION), ID_FILE_NEW_SESSION),
                                    Item(S(IDS_MENU_LIBRARY), ID_FILE_LIBRARY), MenuSeparator(),
                                    Item(S(IDS_MENU_EXIT), ID_FILE_EXIT)})}},
        CSoftKey{S(IDS_SCAN), ID_SCAN, {}});
    // The main screen's big buttons run the handlers of these entries and are read by their texts.
    menus[IDR_MENU_MAIN].buttonCommands = {{IDC_BUTTON_SCAN, ID_SCAN},
                                           {IDC_BUTTON_MAKE_PDF, ID_FILE_CREATE_PDF},
                                           {IDC_BUTTON_DELETE, ID_IMAGE_DELETE}};

    add(IDR_MENU_ABOUT, CSoftKey{S(IDS_CLOSE), ID_ABOUT_CLOSE, {}}, CSoftKey{});
    // Image editor; both platform variants carry the same content. Raw texts: "200%" is no
    // format.
    for (int id : {IDR_MENU_EDITOR, IDR_MENU_EDITOR_5}) {
        auto raw = [](std::uint16_t text, int command) {
            return CMenuItem{LoadRawString(text), command, {}};
        };
        auto sub = [](std::uint16_t text, std::vector<CMenuItem> children) {
            return CMenuItem{LoadRawString(text), 0, std::move(children)};
        };
        add(id,
            CSoftKey{S(IDS_TOOLS), ID_EDITOR_TOOLS,
                     {sub(IDS_EDITOR_ZOOM, {raw(IDS_EDITOR_ZOOM_200, ID_ZOOM_200),
                                            raw(IDS_EDITOR_ZOOM_100, ID_ZOOM_100),
                                            raw(IDS_EDITOR_ZOOM_50, ID_ZOOM_50), MenuSeparator(),
                                            raw(IDS_FIT_PAGE, ID_ZOOM_FIT)}),
                      sub(IDS_EDITOR_EDIT, {raw(IDS_EDITOR_CROP_IMAGE, ID_CROP_IMAGE),
                                            raw(IDS_EDITOR_STRAIGHTEN, ID_STRAIGHTEN)}),
                      sub(IDS_EDITOR_ENHANCE, {raw(IDS_LOOK_ORIGINAL, ID_LOOK_ORIGINAL), MenuSeparator(),
                                               raw(IDS_LOOK_GREY, ID_LOOK_GREY),
                                               raw(IDS_LOOK_BLACK_WHITE, ID_LOOK_BLACK_WHITE),
                                               raw(IDS_LOOK_COLOUR, ID_LOOK_COLOUR)}),
                      sub(IDS_EDITOR_ROTATE, {raw(IDS_EDITOR_ROTATE_180, ID_ROTATE_180),
                                              raw(IDS_EDITOR_ROTATE_90_CW, ID_ROTATE_90_CW),
                                              raw(IDS_EDITOR_ROTATE_90_CCW, ID_ROTATE_90_CCW),
                                              MenuSeparator(),
                                              raw(IDS_EDITOR_FLIP_VERTICAL, ID_FLIP_VERTICAL),
                                              raw(IDS_EDITOR_FLIP_HORIZONTAL, ID_FLIP_HORIZONTAL)})}},
            CSoftKey{S(IDS_ACTION_1076), ID_EDITOR_ACTION,
                     {raw(IDS_OK, ID_ACTION_OK), raw(IDS_CANCEL, ID_ACTION_CANCEL), MenuSeparator(),
                      raw(IDS_EDITOR_UNDO, ID_ACTION_UNDO)}});
    }
    for (int id : {IDR_MENU_OK_CANCEL, IDR_MENU_OK_CANCEL_5})
        add(id, CSoftKey{S(IDS_CANCEL), ID_PLATFORM_CANCEL, {}}, CSoftKey{S(IDS_OK), ID_OK, {}});

    // Question box bars; both platform variants carry the same content.
    for (int offset : {0, kMenuVariant5Offset}) {
        add(IDR_MENU_QB_CLOSE + offset, CSoftKey{S(IDS_CLOSE), IDOK_COMMAND, {}}, CSoftKey{});
        add(IDR_MENU_QB_NO_YES + offset, CSoftKey{S(IDS_NO), IDCANCEL_COMMAND, {}},
            CSoftKey{S(IDS_YES), IDOK_COMMAND, {}});
        add(IDR_MENU_QB_CANCEL_OK + offset, CSoftKey{S(IDS_CANCEL), IDCANCEL_COMMAND, {}},
            CSoftKey{S(IDS_OK), IDOK_COMMAND, {}});
        add(IDR_MENU_QB_CANCEL_NEXT + offset, CSoftKey{S(IDS_CANCEL), IDCANCEL_COMMAND, {}},
            CSoftKey{S(IDS_NEXT), ID_QB_NEXT, {}});
        add(IDR_MENU_QB_YES_NO_ALL + offset, CSoftKey{S(IDS_CANCEL), IDCANCEL_COMMAND, {}},
            CSoftKey{S(IDS_TOOLS), ID_QB_TOOLS,
                     {CMenuItem{S(IDS_YES), IDOK_COMMAND, {}}, CMenuItem{S(IDS_YES_ALL), ID_QB_YES_TO_ALL, {}},
                      CMenuItem{S(IDS_NO), ID_QB_NO, {}}, CMenuItem{S(IDS_NO_ALL), ID_QB_NO_TO_ALL, {}}}});
        add(IDR_MENU_QB_DONT_SHOW + offset, CSoftKey{S(IDS_CLOSE), IDOK_COMMAND, {}},
            CSoftKey{S(IDS_TOOLS), ID_QB_TOOLS, {Item(TranslateText("Menu", "Don't show again"), ID_QB_DONT_SHOW)}});
    }
    add(IDR_MENU_SEND, CSoftKey{S(IDS_SEND_1200), ID_SEND, {}},
        CSoftKey{S(IDS_TOOLS), ID_SEND_TOOLS,
                 {CMenuItem{S(IDS_MAIL_PICK_CONTACT), ID_PICK_CONTACT, {}},
                  CMenuItem{S(IDS_CANCEL), ID_PLATFORM_CANCEL, {}}}});
    // PDF setup; "Advanced" has nothing behind it.
    add(IDR_MENU_SETTINGS,
        CSoftKey{S(IDS_ACTION_1076), ID_EDITOR_ACTION,
                 {CMenuItem{S(IDS_OK), ID_ACTION_OK, {}}, CMenuItem{S(IDS_CANCEL), ID_ACTION_CANCEL, {}}}},
        CSoftKey{S(IDS_TOOLS), ID_SEND_TOOLS, {CMenuItem{S(IDS_PDF_ADVANCED), ID_ADVANCED, {}}}});
    // PDF actions prompt and PDF library.
    add(IDR_MENU_ACTIONS, CSoftKey{S(IDS_CLOSE), ID_CLOSE, {}},
        CSoftKey{S(IDS_TOOLS), ID_SEND_TOOLS,
                 {CMenuItem{S(IDS_PDF_OPEN), ID_OPEN, {}}, CMenuItem{S(IDS_SHARE), ID_SHARE, {}}}});
    return menus;
}
// clang-format on

} // namespace

const CMenuTemplate* FindMenuTemplate(int id) {
    // One set of menus per language, kept for the run: screens hold on to their menus.
    static std::mutex mutex;
    static std::map<QString, std::map<int, CMenuTemplate>> byLanguage;
    std::lock_guard lock(mutex);
    const QString language = ActiveCatalogue()->Languages().join(u':');
    auto found = byLanguage.find(language);
    if (found == byLanguage.end())
        found = byLanguage.emplace(language, BuildMenus()).first;
    const std::map<int, CMenuTemplate>& menus = found->second;
    auto it = menus.find(id);
    return it == menus.end() ? nullptr : &it->second;
}
