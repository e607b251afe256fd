#include "ocr/OcrEngine.h"

#include "ocr/DrawnPicture.h"
#include "ocr/TesseractLibrary.h"

#include <QFile>
#include <QLocale>

#include <algorithm>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace {

// Tesseract talks on standard error (about missing files, about pictures without a
// resolution); what matters reaches the caller as a result. The setting is the library's
// own and process-wide, so it is made once, before any engine exists.
void QuietLibrary(const CTesseractLibrary& tess) {
    static std::once_flag once;
    std::call_once(once, [&tess] {
        TessBaseAPI* api = tess.TessBaseAPICreate();
        tess.TessBaseAPISetVariable(api, "debug_file", "/dev/null");
        tess.TessBaseAPIDelete(api);
    });
}

// The languages in the folder the library chooses. A language of this name cannot exist, so
// Init stops right after choosing the folder, and the listing reads what lies there. None
// without the library.
QStringList ListedLanguages(const QString& dataPath) {
    const CTesseractLibrary* tess = TesseractLibrary();
    if (!tess)
        return {};
    QuietLibrary(*tess);
    TessBaseAPI* api = tess->TessBaseAPICreate();
    const QByteArray path = QFile::encodeName(dataPath);
    tess->TessBaseAPIInit2(api, path.isEmpty() ? nullptr : path.constData(),
                           "quillmark-no-such-language", tesseract::OEM_LSTM_ONLY);
    std::vector<std::string> found;
    if (char** names = tess->TessBaseAPIGetAvailableLanguagesAsVector(api)) {
        for (char** name = names; *name; ++name)
            found.emplace_back(*name);
        tess->TessDeleteTextArray(names);
    }
    tess->TessBaseAPIEnd(api);
    tess->TessBaseAPIDelete(api);
    QStringList languages;
    for (const std::string& name : found) {
        const QString code = QString::fromUtf8(name.c_str());
        // Script and orientation detection and the equation finder come as data files too,
        // but recognise no text of their own.
        if (code != QStringLiteral("osd") && code != QStringLiteral("equ") &&
            !languages.contains(code))
            languages << code;
    }
    languages.sort();
    return languages;
}

// The name of one code, without the "a+b" joining.
QString NameOfOne(const QString& code) {
    QStringList parts = code.split(u'_');
    const QString base = parts.takeFirst();
    if (base.size() != 3)
        return code;
    const QLocale::Language language = QLocale::codeToLanguage(base, QLocale::ISO639Alpha3);
    if (language == QLocale::AnyLanguage || language == QLocale::C)
        return code;
    // Tesseract spells the script of a language written in more than one as a suffix.
    static const std::map<QString, QLocale::Script> kScripts{
        {QStringLiteral("sim"), QLocale::SimplifiedHanScript},
        {QStringLiteral("tra"), QLocale::TraditionalHanScript},
        {QStringLiteral("cyrl"), QLocale::CyrillicScript},
        {QStringLiteral("latn"), QLocale::LatinScript},
    };
    QLocale::Script script = QLocale::AnyScript;
    if (!parts.isEmpty()) {
        if (const auto it = kScripts.find(parts.front()); it != kScripts.end()) {
            const QLocale written(language, it->second, QLocale::AnyTerritory);
            if (written.language() == language && written.script() == it->second) {
                script = it->second;
                parts.removeFirst();
            }
        }
    }
    // The locale of a language's main country names the country's variety ("American
    // English", "español de España"); these two are named as the language.
    static const std::map<QLocale::Language, QString> kPlain{
        {QLocale::English, QStringLiteral("English")},
        {QLocale::Spanish, QStringLiteral("español")},
    };
    const QLocale locale(language, script, QLocale::AnyTerritory);
    QString name;
    if (locale.language() == language) {
        if (const auto it = kPlain.find(language);
            it != kPlain.end() && script == QLocale::AnyScript)
            name = it->second;
        else
            name = locale.nativeLanguageName();
    }
    if (name.isEmpty())
        name = QLocale::languageToString(language);
    if (name.isEmpty())
        return code;
    // Lists of languages start each name with a capital, as pickers in every language do.
    name = locale.toUpper(name.left(1)) + name.mid(1);
    // A variant the name cannot tell ("deu_latf", "chi_sim_vert", "ita_old") keeps its code.
    if (!parts.isEmpty())
        name += QStringLiteral(" (%1)").arg(code);
    return name;
}

} // namespace

QString COcrEngine::LanguageName(const QString& code) {
    QStringList names;
    for (const QString& part : code.split(u'+'))
        names << NameOfOne(part);
    return names.join(QStringLiteral(" + "));
}

bool COcrEngine::LanguageInstalled(const QString& language, const QString& dataPath) {
    if (language.isEmpty())
        return false;
    // Only what the library lists counts, so no name reaches it that could point elsewhere
    // ("../x", "/tmp/x").
    const QStringList installed = ListedLanguages(dataPath);
    for (const QString& part : language.split(u'+'))
        if (!installed.contains(part))
            return false;
    return true;
}

QString COcrEngine::LibraryProblem() {
    return TesseractLibraryError();
}

QStringList COcrEngine::InstalledLanguages(const QString& dataPath) {
    return ListedLanguages(dataPath);
}

std::vector<COcrLanguage> COcrEngine::AvailableLanguages(const QString& dataPath) {
    std::vector<COcrLanguage> languages;
    std::map<QString, int> uses;
    for (const QString& code : ListedLanguages(dataPath)) {
        languages.push_back({code, LanguageName(code)});
        ++uses[languages.back().name];
    }
    // Two data files of one language under one name: the codes tell them apart.
    for (COcrLanguage& language : languages)
        if (uses[language.name] > 1 && !language.name.endsWith(u')'))
            language.name += QStringLiteral(" (%1)").arg(language.code);
    std::sort(languages.begin(), languages.end(), [](const COcrLanguage& a, const COcrLanguage& b) {
        const int order = QString::localeAwareCompare(a.name, b.name);
        return order != 0 ? order < 0 : a.code < b.code;
    });
    return languages;
}

COcrEngine::COcrEngine(const QString& language, const QString& dataPath) {
    if (!LanguageInstalled(language, dataPath))
        return;
    // Listing the languages opened the library.
    m_library = TesseractLibrary();
    QuietLibrary(*m_library);
    m_api = m_library->TessBaseAPICreate();
    const QByteArray path = QFile::encodeName(dataPath);
    const QByteArray lang = language.toUtf8();
    m_ready = m_library->TessBaseAPIInit2(m_api, path.isEmpty() ? nullptr : path.constData(),
                                          lang.constData(), tesseract::OEM_LSTM_ONLY) == 0;
    if (!m_ready) {
        m_library->TessBaseAPIDelete(m_api);
        m_api = nullptr;
        return;
    }
    // A page of a document, laid out in blocks; no word lists of the engine's own outside
    // the language's.
    m_library->TessBaseAPISetPageSegMode(m_api, tesseract::PSM_AUTO);
    // Photographed pages are lit unevenly: a local threshold (Sauvola) keeps the lines that
    // one threshold for the whole page loses in its darker corner.
    m_library->TessBaseAPISetVariable(m_api, "thresholding_method", "2");
}

COcrEngine::~COcrEngine() {
    if (m_api) {
        m_library->TessBaseAPIEnd(m_api);
        m_library->TessBaseAPIDelete(m_api);
    }
}

EOcrFailure COcrEngine::NotReady() {
    // Without the library no language can be listed either: say what is really missing.
    return TesseractLibrary() ? EOcrFailure::NoLanguage : EOcrFailure::NotInstalled;
}

COcrPage COcrEngine::RecognisePicture(const QString& path, bool turnCcw) {
    if (!m_ready) {
        COcrPage page;
        page.failure = NotReady();
        return page;
    }
    const QImage picture = DrawnPicture(path, turnCcw);
    if (picture.isNull()) {
        COcrPage page;
        page.failure = EOcrFailure::NotDecoded;
        return page;
    }
    return Recognise(picture);
}

COcrPage COcrEngine::Recognise(const QImage& picture) {
    COcrPage page;
    if (!m_ready) {
        page.failure = NotReady();
        return page;
    }
    if (picture.isNull() || picture.width() < 3 || picture.height() < 3) {
        page.failure = EOcrFailure::NotDecoded;
        return page;
    }
    const QImage grey = picture.format() == QImage::Format_Grayscale8
                            ? picture
                            : picture.convertToFormat(QImage::Format_Grayscale8);
    page.pictureSize = grey.size();
    const CTesseractLibrary& tess = *m_library;
    // Pages run on workers of their own: the library's helper threads (fixed in number, and
    // spinning while they wait) cost several times what they give on a busy machine, so this
    // thread lets the runtime cut them to what is free.
    if (tess.omp_set_dynamic && tess.omp_set_num_threads) {
        tess.omp_set_dynamic(1);
        tess.omp_set_num_threads(1);
    }
    tess.TessBaseAPISetImage(m_api, grey.constBits(), grey.width(), grey.height(), 1,
                             int(grey.bytesPerLine()));
    // Photographs carry no resolution the engine could trust; a page photographed whole
    // comes out near this.
    tess.TessBaseAPISetSourceResolution(m_api, 150);
    if (tess.TessBaseAPIRecognize(m_api, nullptr) != 0) {
        tess.TessBaseAPIClear(m_api);
        page.failure = EOcrFailure::EngineFailed;
        return page;
    }
    if (TessResultIterator* it = tess.TessBaseAPIGetIterator(m_api)) {
        const TessPageIterator* box = tess.TessResultIteratorGetPageIteratorConst(it);
        do {
            char* text = tess.TessResultIteratorGetUTF8Text(it, tesseract::RIL_WORD);
            if (!text)
                continue;
            const QString word = QString::fromUtf8(text).trimmed();
            tess.TessDeleteText(text);
            int left = 0, top = 0, right = 0, bottom = 0;
            if (word.isEmpty() || !tess.TessPageIteratorBoundingBox(box, tesseract::RIL_WORD, &left,
                                                                    &top, &right, &bottom))
                continue;
            page.words.push_back({word.normalized(QString::NormalizationForm_C),
                                  QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)),
                                  tess.TessResultIteratorConfidence(it, tesseract::RIL_WORD)});
        } while (tess.TessResultIteratorNext(it, tesseract::RIL_WORD));
        tess.TessResultIteratorDelete(it);
    }
    tess.TessBaseAPIClear(m_api);
    return page;
}
