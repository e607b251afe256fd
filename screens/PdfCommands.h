#pragma once

// The PDF commands of the main screen: "Create PDF..." and the Make PDF button, and the PDF
// library.

class CScreen;
class CSession;

// Asks for the file name and folder, makes the PDF of the session's pages with the progress
// screen, then offers Open and Share and a new session. True when a PDF was written.
bool CreatePdf(CScreen* owner, CSession& session);
// Shows the PDF library: the PDF files of a folder, to open or to send.
void ShowPdfLibrary(CScreen* owner);
