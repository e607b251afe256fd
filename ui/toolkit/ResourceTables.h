#pragma once

// The program's menu bars and dialog templates, by resource number (resources/ids/).

#include "platform/screen/DialogTemplate.h"
#include "platform/screen/MenuTemplate.h"

// Null when there is no such resource.
const CMenuTemplate* FindMenuTemplate(int id);
const CDialogTemplate* FindDialogTemplate(int id);
