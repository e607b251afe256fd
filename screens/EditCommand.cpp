#include "screens/EditCommand.h"

bool EditPage(CScreen*, CSession&, int) { return false; }
