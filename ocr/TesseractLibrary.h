#pragma once

// libtesseract, opened on first use instead of linked: the library and what it brings
// (leptonica with every picture format, libarchive, libcurl, the OpenMP runtime) cost every
// start of the program tens of millions of instructions, and most runs recognise nothing.
// The entry points are typed from the library's C header, so a changed signature does not
// compile. Once opened the library stays for the life of the process.

#include <tesseract/capi.h>

#include <omp.h>

#include <QString>

// The entry points the program uses, named as the library names them.
struct CTesseractLibrary {
    decltype(&::TessBaseAPICreate) TessBaseAPICreate;
    decltype(&::TessBaseAPIDelete) TessBaseAPIDelete;
    decltype(&::TessBaseAPIInit2) TessBaseAPIInit2;
    decltype(&::TessBaseAPIEnd) TessBaseAPIEnd;
    decltype(&::TessBaseAPIClear) TessBaseAPIClear;
    decltype(&::TessBaseAPISetVariable) TessBaseAPISetVariable;
    decltype(&::TessBaseAPIGetAvailableLanguagesAsVector) TessBaseAPIGetAvailableLanguagesAsVector;
    decltype(&::TessBaseAPISetPageSegMode) TessBaseAPISetPageSegMode;
    decltype(&::TessBaseAPISetImage) TessBaseAPISetImage;
    decltype(&::TessBaseAPISetSourceResolution) TessBaseAPISetSourceResolution;
    decltype(&::TessBaseAPIRecognize) TessBaseAPIRecognize;
    decltype(&::TessBaseAPIGetIterator) TessBaseAPIGetIterator;
    decltype(&::TessResultIteratorDelete) TessResultIteratorDelete;
    decltype(&::TessResultIteratorNext) TessResultIteratorNext;
    decltype(&::TessResultIteratorGetUTF8Text) TessResultIteratorGetUTF8Text;
    decltype(&::TessResultIteratorConfidence) TessResultIteratorConfidence;
    decltype(&::TessResultIteratorGetPageIteratorConst) TessResultIteratorGetPageIteratorConst;
    decltype(&::TessPageIteratorBoundingBox) TessPageIteratorBoundingBox;
    decltype(&::TessDeleteText) TessDeleteText;
    decltype(&::TessDeleteTextArray) TessDeleteTextArray;
    // The OpenMP runtime the library was built with; null when it was built without one.
    decltype(&::omp_set_dynamic) omp_set_dynamic;
    decltype(&::omp_set_num_threads) omp_set_num_threads;
};

// The library's entry points, opened on the first call (from any thread); null when the
// library or one of its entry points is missing, the reason then in TesseractLibraryError()
// and in the log.
const CTesseractLibrary* TesseractLibrary();
// Why the library could not be opened ("libtesseract.so.5: cannot open shared object
// file: ..."), opening it first if need be; empty when it opened.
QString TesseractLibraryError();
