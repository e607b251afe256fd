#include "ocr/OcrEngine.h"

#include "ocr/DrawnPicture.h"

#include <tesseract/baseapi.h>
#include <tesseract/resultiterator.h>

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <cstdlib>

#include <omp.h>

namespace {

// The folders Tesseract would search, so a missing language is found before the engine
// prints its own complaint.
QStringList DataFolders(const QString& dataPath) {
    if (!dataPath.isEmpty())
        return {dataPath};
    QStringList folders;
    if (const char* prefix = std::getenv("TESSDATA_PREFIX"))
        folders << QString::fromLocal8Bit(prefix);
    folders << QStringLiteral("/usr/share/tesseract-ocr/5/tessdata")
            << QStringLiteral("/usr/share/tesseract-ocr/4.00/tessdata")
            << QStringLiteral("/usr/share/tessdata");
    return folders;
}

} // namespace

bool COcrEngine::LanguageInstalled(const QString& language, const QString& dataPath) {
    static const QRegularExpression name(QStringLiteral("^[A-Za-z0-9_]+$"));
    const QStringList parts = language.split(u'+');
    for (const QString& part : parts) {
        if (!name.match(part).hasMatch())
            return false;
        bool found = false;
        for (const QString& folder : DataFolders(dataPath))
            found = found || QFileInfo(QDir(folder).filePath(part + ".traineddata")).isFile();
        if (!found)
            return false;
    }
    return !parts.isEmpty();
}

QStringList COcrEngine::InstalledLanguages(const QString& dataPath) {
    QStringList languages;
    for (const QString& folder : DataFolders(dataPath)) {
        const QStringList files =
            QDir(folder).entryList({QStringLiteral("*.traineddata")}, QDir::Files);
        for (const QString& file : files) {
            const QString name = file.chopped(int(qstrlen(".traineddata")));
            if (name != QStringLiteral("osd") && !languages.contains(name))
                languages << name;
        }
    }
    languages.sort();
    return languages;
}

COcrEngine::COcrEngine(const QString& language, const QString& dataPath) {
    if (!LanguageInstalled(language, dataPath))
        return;
    m_api = std::make_unique<tesseract::TessBaseAPI>();
    const QByteArray path = dataPath.toLocal8Bit();
    const QByteArray lang = language.toUtf8();
    m_ready = m_api->Init(path.isEmpty() ? nullptr : path.constData(), lang.constData(),
                          tesseract::OEM_LSTM_ONLY) == 0;
    if (!m_ready) {
        m_api.reset();
        return;
    }
    // A page of a document, laid out in blocks; no word lists of the engine's own outside
    // the language's.
    m_api->SetPageSegMode(tesseract::PSM_AUTO);
    m_api->SetVariable("debug_file", "/dev/null");
    // Photographed pages are lit unevenly: a local threshold (Sauvola) keeps the lines that
    // one threshold for the whole page loses in its darker corner.
    m_api->SetVariable("thresholding_method", "2");
}

COcrEngine::~COcrEngine() {
    if (m_api)
        m_api->End();
}

COcrPage COcrEngine::RecognisePicture(const QString& path, bool turnCcw) {
    if (!m_ready) {
        COcrPage page;
        page.failure = EOcrFailure::NoLanguage;
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
        page.failure = EOcrFailure::NoLanguage;
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
    // Pages run on workers of their own: the library's helper threads (fixed in number, and
    // spinning while they wait) cost several times what they give on a busy machine, so this
    // thread lets the runtime cut them to what is free.
    omp_set_dynamic(1);
    omp_set_num_threads(1);
    m_api->SetImage(grey.constBits(), grey.width(), grey.height(), 1, int(grey.bytesPerLine()));
    // Photographs carry no resolution the engine could trust; a page photographed whole
    // comes out near this.
    m_api->SetSourceResolution(150);
    if (m_api->Recognize(nullptr) != 0) {
        m_api->Clear();
        page.failure = EOcrFailure::EngineFailed;
        return page;
    }
    std::unique_ptr<tesseract::ResultIterator> it(m_api->GetIterator());
    if (it) {
        do {
            std::unique_ptr<char[]> text(it->GetUTF8Text(tesseract::RIL_WORD));
            if (!text)
                continue;
            const QString word = QString::fromUtf8(text.get()).trimmed();
            int left = 0, top = 0, right = 0, bottom = 0;
            if (word.isEmpty() ||
                !it->BoundingBox(tesseract::RIL_WORD, &left, &top, &right, &bottom))
                continue;
            page.words.push_back({word.normalized(QString::NormalizationForm_C),
                                  QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)),
                                  it->Confidence(tesseract::RIL_WORD)});
        } while (it->Next(tesseract::RIL_WORD));
    }
    m_api->Clear();
    return page;
}
