#include "ocr/TesseractLibrary.h"

#include "app/Log.h"
#include "platform/SharedLibrary.h"

#include <tesseract/version.h>

namespace {

// The name the -dev package's link points to: the library of the header compiled against.
static_assert(TESSERACT_MAJOR_VERSION == 5, "the library's file name follows its major version");
constexpr char kLibraryName[] = "libtesseract.so.5";

using CLoaded = platform::CLoadedLibrary<CTesseractLibrary>;

CLoaded Load() {
    CLoaded loaded;
    // QM_TESSERACT_LIBRARY names another file to open: a build of the library outside the
    // loader's path for packaging, or a missing one for the tests of the program without it.
    platform::CSharedLibrary library(kLibraryName, "QM_TESSERACT_LIBRARY");
    CTesseractLibrary& f = loaded.table;
    QM_RESOLVE(library, f, TessBaseAPICreate);
    QM_RESOLVE(library, f, TessBaseAPIDelete);
    QM_RESOLVE(library, f, TessBaseAPIInit2);
    QM_RESOLVE(library, f, TessBaseAPIEnd);
    QM_RESOLVE(library, f, TessBaseAPIClear);
    QM_RESOLVE(library, f, TessBaseAPISetVariable);
    QM_RESOLVE(library, f, TessBaseAPIGetAvailableLanguagesAsVector);
    QM_RESOLVE(library, f, TessBaseAPISetPageSegMode);
    QM_RESOLVE(library, f, TessBaseAPISetImage);
    QM_RESOLVE(library, f, TessBaseAPISetSourceResolution);
    QM_RESOLVE(library, f, TessBaseAPIRecognize);
    QM_RESOLVE(library, f, TessBaseAPIGetIterator);
    QM_RESOLVE(library, f, TessResultIteratorDelete);
    QM_RESOLVE(library, f, TessResultIteratorNext);
    QM_RESOLVE(library, f, TessResultIteratorGetUTF8Text);
    QM_RESOLVE(library, f, TessResultIteratorConfidence);
    QM_RESOLVE(library, f, TessResultIteratorGetPageIteratorConst);
    QM_RESOLVE(library, f, TessPageIteratorBoundingBox);
    QM_RESOLVE(library, f, TessDeleteText);
    QM_RESOLVE(library, f, TessDeleteTextArray);
    // Looked up through the library's handle, so it is the runtime the library itself uses;
    // a library built without OpenMP has none.
    library.ResolveOptional("omp_set_dynamic", &f.omp_set_dynamic);
    library.ResolveOptional("omp_set_num_threads", &f.omp_set_num_threads);
    loaded.error = library.Error();
    if (!loaded.error.isEmpty())
        LogRecord(kLogWarning, "text recognition is unavailable: %s",
                  loaded.error.toUtf8().constData());
    return loaded;
}

const CLoaded& Loaded() {
    static const CLoaded loaded = Load();
    return loaded;
}

} // namespace

const CTesseractLibrary* TesseractLibrary() {
    return Loaded().Get();
}

QString TesseractLibraryError() {
    return Loaded().error;
}
