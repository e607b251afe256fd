#pragma once

// One Tesseract instance for one language. Not shared between threads: each worker makes
// its own. Recognition never throws and never ends the program; a language whose data is
// missing gives a result that says so.

#include "ocr/OcrPage.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <memory>

namespace tesseract {
class TessBaseAPI;
}

class COcrEngine {
public:
    // `language` as Tesseract names it ("eng", "deu", "eng+fra"); `dataPath` the tessdata
    // folder, empty for the installed one.
    explicit COcrEngine(const QString& language, const QString& dataPath = {});
    ~COcrEngine();
    COcrEngine(const COcrEngine&) = delete;
    COcrEngine& operator=(const COcrEngine&) = delete;

    // False when the language could not be loaded; every recognition then gives NoLanguage.
    bool Ready() const { return m_ready; }

    // The words of a picture (any format; converted to grey).
    COcrPage Recognise(const QImage& picture);
    // The words of a page file as drawn (see DrawnPicture).
    COcrPage RecognisePicture(const QString& path, bool turnCcw);

    // True when `language` (each part of "a+b") has its data file installed.
    static bool LanguageInstalled(const QString& language, const QString& dataPath = {});
    // The installed languages by name, sorted; the script and orientation data ("osd") is
    // no language.
    static QStringList InstalledLanguages(const QString& dataPath = {});

private:
    std::unique_ptr<tesseract::TessBaseAPI> m_api;
    bool m_ready = false;
};
