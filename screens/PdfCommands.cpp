#include "screens/PdfCommands.h"

bool CreatePdf(CScreen*, CSession&) { return false; }
void ShowPdfLibrary(CScreen*) {}
