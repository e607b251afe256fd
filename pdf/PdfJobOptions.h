#pragma once

// Everything a PDF creation job needs besides its pages, taken by value: the output file,
// the page layout, and for picture files how they become pages.

#include "imaging/ScanCopy.h"
#include "pdf/PdfPageOptions.h"
#include "pdf/PictureQuality.h"

#include <QString>

struct CPdfJobOptions {
    QString outputPath;     // replaced only by a whole PDF
    CPdfPageOptions layout; // paper size and fitting, fixed for the document
    // For picture files (CPdfJob::RunOnPictures): a landscape picture turned upright (the
    // AutoPortrait setting), and how many threads make pages ahead (0: as many as the
    // machine has cores, between 2 and 8).
    bool autoPortrait = false;
    // Each picture straightened and given a look on a copy first (the pdf command's
    // --straighten and --enhance).
    CScanCopyOptions scan;
    int threads = 0;
    // How the pictures go in: as they are, smaller for e-mail, or black and white text
    // (pdf/PictureQuality.h). Recognition always reads the full picture.
    EPictureQuality quality = EPictureQuality::Original;
    // Recognised text as an invisible layer over each picture: the language by Tesseract's
    // name ("eng", "deu+eng"), empty for none (the PDF as without recognition). `ocrDataPath`
    // is the folder of the language data, empty for the installed one; `ocrThreads` the
    // workers that recognise ahead (0: two).
    QString ocrLanguage;
    QString ocrDataPath;
    int ocrThreads = 0;

    // The language the RecogniseText and OcrLanguage values ask for; empty when off.
    static QString OcrLanguageOf(const CAppSettings& settings) {
        if (!settings.recogniseText)
            return {};
        const QString& language = settings.ocrLanguage;
        return language.isEmpty() ? QStringLiteral("eng") : language;
    }
};
