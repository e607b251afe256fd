#pragma once

// Every identifier of the program's resources, in one place: strings, commands, controls,
// menus, dialog templates and skin pictures. Each kind has its own header under ids/.

#include "resources/ids/StringIds.h"

#if __has_include("resources/ids/CommandIds.h")
#include "resources/ids/CommandIds.h"
#endif
#if __has_include("resources/ids/ControlIds.h")
#include "resources/ids/ControlIds.h"
#endif
#if __has_include("resources/ids/MenuIds.h")
#include "resources/ids/MenuIds.h"
#endif
#if __has_include("resources/ids/TemplateIds.h")
#include "resources/ids/TemplateIds.h"
#endif
#if __has_include("resources/ids/SkinIds.h")
#include "resources/ids/SkinIds.h"
#endif
