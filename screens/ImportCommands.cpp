#include "screens/ImportCommands.h"

bool ImportFromFile(CScreen*, CSession&) { return false; }
bool ImportFromFolder(CScreen*, CSession&, const CImportBusy&) { return false; }
