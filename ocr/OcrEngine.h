#pragma once

// One Tesseract instance for one language. Not shared between threads: each worker makes
// its own. Recognition never throws and never ends the program; a language whose data is
// missing gives a result that says so, and so does every language when the library itself
// cannot be opened (see TesseractLibrary).

#include "ocr/OcrPage.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <vector>

// A language the engine can read: Tesseract's code and the name to show.
struct COcrLanguage {
    QString code;
    QString name;
};

namespace tesseract {
class TessBaseAPI;
}
struct CTesseractLibrary;

class COcrEngine {
public:
    // `language` as Tesseract names it ("eng", "deu", "eng+fra"); `dataPath` the tessdata
    // folder, empty for the installed one.
    explicit COcrEngine(const QString& language, const QString& dataPath = {});
    ~COcrEngine();
    COcrEngine(const COcrEngine&) = delete;
    COcrEngine& operator=(const COcrEngine&) = delete;

    // False when the language could not be loaded; every recognition then gives NoLanguage,
    // or NotInstalled when the library itself is missing.
    bool Ready() const { return m_ready; }

    // The words of a picture (any format; converted to grey).
    COcrPage Recognise(const QImage& picture);
    // The words of a page file as drawn (see DrawnPicture).
    COcrPage RecognisePicture(const QString& path, bool turnCcw);

    // The language data lies in `dataPath` when given, else where Tesseract looks by itself
    // (TESSDATA_PREFIX, else the folder it was built for); the library itself lists it.
    // True when `language` (each part of "a+b") is installed.
    static bool LanguageInstalled(const QString& language, const QString& dataPath = {});
    // The codes of the installed languages ("deu", "eng", ...), sorted; the data for script
    // and orientation ("osd") and for equations ("equ") is no language.
    static QStringList InstalledLanguages(const QString& dataPath = {});
    // The installed languages with their names, sorted by name.
    static std::vector<COcrLanguage> AvailableLanguages(const QString& dataPath = {});
    // A language by the name it has in itself ("English", "Deutsch", "简体中文"); a code with
    // a variant the name cannot tell apart gets the code too ("Deutsch (deu_latf)"); the
    // code itself where no name is known. "a+b" gives "A + B".
    static QString LanguageName(const QString& code);
    // Why there is no text recognition at all (its library cannot be opened: the loader's
    // reason); empty when the library is there.
    static QString LibraryProblem();

private:
    static EOcrFailure NotReady();

    const CTesseractLibrary* m_library = nullptr; // null: the library cannot be opened
    tesseract::TessBaseAPI* m_api = nullptr;      // owned; null unless ready
    bool m_ready = false;
};
