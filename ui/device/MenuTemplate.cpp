#include "ui/device/MenuTemplate.h"

namespace {

void Collect(const std::vector<CMenuItem>& items, std::vector<int>& out) {
    for (const CMenuItem& item : items) {
        if (item.command != 0)
            out.push_back(item.command);
        Collect(item.children, out);
    }
}

bool Find(const std::vector<CMenuItem>& items, int command, std::vector<QString>& path) {
    for (const CMenuItem& item : items) {
        path.push_back(item.text);
        if (item.command == command && item.children.empty())
            return true;
        if (Find(item.children, command, path))
            return true;
        path.pop_back();
    }
    return false;
}

bool FindInKey(const CSoftKey& key, int command, std::vector<QString>& path) {
    path = {key.text};
    if (key.popup.empty())
        return key.command == command && command != 0;
    return Find(key.popup, command, path);
}

const std::vector<CMenuItem>* Branch(const std::vector<CMenuItem>& items, int command) {
    for (const CMenuItem& item : items) {
        if (item.command == command && item.children.empty())
            return &items;
        if (const std::vector<CMenuItem>* found = Branch(item.children, command))
            return found;
    }
    return nullptr;
}

} // namespace

CMenuItem MenuSeparator() {
    return CMenuItem{};
}

std::vector<int> MenuCommands(const CMenuTemplate& menu) {
    std::vector<int> out;
    for (const CSoftKey* key : {&menu.left, &menu.right}) {
        if (key->command != 0)
            out.push_back(key->command);
        Collect(key->popup, out);
    }
    return out;
}

std::vector<QString> MenuPath(const CMenuTemplate& menu, int command) {
    std::vector<QString> path;
    if (FindInKey(menu.left, command, path) || FindInKey(menu.right, command, path))
        return path;
    return {};
}

const std::vector<CMenuItem>* MenuBranch(const CMenuTemplate& menu, int command) {
    if (command == 0)
        return nullptr;
    if (const std::vector<CMenuItem>* found = Branch(menu.left.popup, command))
        return found;
    return Branch(menu.right.popup, command);
}

QString MenuText(const CMenuTemplate& menu, int command) {
    const std::vector<QString> path = MenuPath(menu, command);
    if (path.empty())
        return {};
    QString text = path.back();
    if (text.endsWith(QStringLiteral("...")))
        text.chop(3);
    return text.trimmed();
}
