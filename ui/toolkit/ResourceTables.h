#pragma once

// The program's menu bars and dialog templates, by resource number (resources/ids/).

#include "ui/device/DialogTemplate.h"
#include "ui/device/MenuTemplate.h"

// Null when there is no such resource.
const CMenuTemplate* FindMenuTemplate(int id);
const CDialogTemplate* FindDialogTemplate(int id);
