#include "ocr/TesseractLibrary.h"

#include "app/Log.h"

#include <tesseract/version.h>

#include <QByteArray>

#include <type_traits>

#include <dlfcn.h>

namespace {

// The name the -dev package's link points to: the library of the header compiled against.
static_assert(TESSERACT_MAJOR_VERSION == 5, "the library's file name follows its major version");
constexpr char kLibraryName[] = "libtesseract.so.5";

struct CLoaded {
    CTesseractLibrary functions{};
    bool opened = false;
    QString error;
};

CLoaded Load() {
    CLoaded loaded;
    // QM_TESSERACT_LIBRARY names another file to open: a build of the library outside the
    // loader's path for packaging, or a missing one for the tests of the program without it.
    const QByteArray chosen = qgetenv("QM_TESSERACT_LIBRARY");
    const char* name = chosen.isEmpty() ? kLibraryName : chosen.constData();
    void* handle = ::dlopen(name, RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* why = ::dlerror();
        loaded.error = why ? QString::fromLocal8Bit(why) : QString::fromUtf8(name);
        LogRecord(kLogWarning, "text recognition is unavailable: %s",
                  loaded.error.toUtf8().constData());
        return loaded;
    }
    CTesseractLibrary& f = loaded.functions;
    bool complete = true;
    const auto resolve = [&](auto& entry, const char* symbol, bool required) {
        ::dlerror();
        void* address = ::dlsym(handle, symbol);
        if (!address) {
            if (required && complete) {
                const char* why = ::dlerror();
                loaded.error = why ? QString::fromLocal8Bit(why)
                                   : QStringLiteral("%1: no %2")
                                         .arg(QString::fromUtf8(name), QString::fromUtf8(symbol));
                complete = false;
            }
            return;
        }
        entry = reinterpret_cast<std::remove_reference_t<decltype(entry)>>(address);
    };
#define QM_TESSERACT_ENTRY(symbol) resolve(f.symbol, #symbol, true)
    QM_TESSERACT_ENTRY(TessBaseAPICreate);
    QM_TESSERACT_ENTRY(TessBaseAPIDelete);
    QM_TESSERACT_ENTRY(TessBaseAPIInit2);
    QM_TESSERACT_ENTRY(TessBaseAPIEnd);
    QM_TESSERACT_ENTRY(TessBaseAPIClear);
    QM_TESSERACT_ENTRY(TessBaseAPISetVariable);
    QM_TESSERACT_ENTRY(TessBaseAPIGetAvailableLanguagesAsVector);
    QM_TESSERACT_ENTRY(TessBaseAPISetPageSegMode);
    QM_TESSERACT_ENTRY(TessBaseAPISetImage);
    QM_TESSERACT_ENTRY(TessBaseAPISetSourceResolution);
    QM_TESSERACT_ENTRY(TessBaseAPIRecognize);
    QM_TESSERACT_ENTRY(TessBaseAPIGetIterator);
    QM_TESSERACT_ENTRY(TessResultIteratorDelete);
    QM_TESSERACT_ENTRY(TessResultIteratorNext);
    QM_TESSERACT_ENTRY(TessResultIteratorGetUTF8Text);
    QM_TESSERACT_ENTRY(TessResultIteratorConfidence);
    QM_TESSERACT_ENTRY(TessResultIteratorGetPageIteratorConst);
    QM_TESSERACT_ENTRY(TessPageIteratorBoundingBox);
    QM_TESSERACT_ENTRY(TessDeleteText);
    QM_TESSERACT_ENTRY(TessDeleteTextArray);
#undef QM_TESSERACT_ENTRY
    // Looked up through the library's handle, so it is the runtime the library itself uses.
    resolve(f.omp_set_dynamic, "omp_set_dynamic", false);
    resolve(f.omp_set_num_threads, "omp_set_num_threads", false);
    if (!complete) {
        // Half a table is no library; the handle stays open, as an opened library always does.
        f = CTesseractLibrary{};
        LogRecord(kLogWarning, "text recognition is unavailable: %s",
                  loaded.error.toUtf8().constData());
        return loaded;
    }
    loaded.opened = true;
    return loaded;
}

const CLoaded& Loaded() {
    static const CLoaded loaded = Load();
    return loaded;
}

} // namespace

const CTesseractLibrary* TesseractLibrary() {
    const CLoaded& loaded = Loaded();
    return loaded.opened ? &loaded.functions : nullptr;
}

QString TesseractLibraryError() {
    return Loaded().error;
}
