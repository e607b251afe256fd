#pragma once

// Every identifier of the program's resources, in one place: strings, commands, controls,
// menus, dialog templates and skin pictures. Each kind has its own header under ids/.

#include "resources/ids/StringIds.h"

#include "resources/ids/CommandIds.h"
#include "resources/ids/ControlIds.h"
#include "resources/ids/MenuIds.h"
#include "resources/ids/SkinIds.h"
#include "resources/ids/TemplateIds.h"
