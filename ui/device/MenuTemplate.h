#pragma once

// Soft-key menu bars as data: a left and a right soft key, each either sending a command or
// opening a popup menu above the bar. The program's menu tables are built from these.

#include <QString>

#include <map>
#include <vector>

struct CMenuItem {
    QString text; // empty with command 0: a separator
    int command = 0;
    std::vector<CMenuItem> children; // a sub-menu when not empty

    bool IsSeparator() const { return text.isEmpty() && command == 0 && children.empty(); }
};

struct CSoftKey {
    QString text;
    int command = 0;              // sent when the key has no popup
    std::vector<CMenuItem> popup; // opened above the bar when not empty

    bool IsEmpty() const { return text.isEmpty(); }
};

struct CMenuTemplate {
    int id = 0;
    CSoftKey left;
    CSoftKey right;
    // Buttons of the screen that run the same handler as a menu command (button -> command):
    // a button that shows only a picture is named by that command's menu text.
    std::map<int, int> buttonCommands;
};

// A separator line inside a popup.
CMenuItem MenuSeparator();

// Every command of the bar (keys, items of every level) in reading order.
std::vector<int> MenuCommands(const CMenuTemplate& menu);

// The path of texts leading to `command` ("Tools", "File", "Exit"), empty when absent.
std::vector<QString> MenuPath(const CMenuTemplate& menu, int command);

// The entries of the popup or sub-menu that holds `command` (a key's popup or a sub-menu's
// children), null when the bar does not carry it in a popup.
const std::vector<CMenuItem>* MenuBranch(const CMenuTemplate& menu, int command);

// The text a user reads for `command` in the bar (the entry's or the key's), without the
// trailing "..." of an entry that opens a screen; empty when the bar does not carry it.
QString MenuText(const CMenuTemplate& menu, int command);
