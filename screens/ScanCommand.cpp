#include "screens/ScanCommand.h"

bool ScanNewPage(CScreen*, CSession&) { return false; }
