#pragma once

// Recognised words as invisible text over their picture, so a viewer can search, select and
// copy them: text render mode 3 in the glyph-less font (pdf/GlyphlessFont.h), embedded once
// per document as a Type 0 font with UTF-8 input and a ToUnicode map. Each word is stretched
// to its box, in the picture's own pixels placed where the picture lies on the page.

#include "ocr/OcrPage.h"

#include <hpdf.h>

#include <QRectF>
#include <QTemporaryFile>

#include <memory>

class CPdfTextLayer {
public:
    explicit CPdfTextLayer(HPDF_Doc document);
    CPdfTextLayer(const CPdfTextLayer&) = delete;
    CPdfTextLayer& operator=(const CPdfTextLayer&) = delete;

    // Draws the words of `words` on `page`, whose picture covers `pictureRect` (points,
    // PDF coordinates: origin bottom left). Nothing is written for a page without words (not
    // even the font). False when the font could not be made; the page is then left as it was.
    bool AddWords(HPDF_Page page, const QRectF& pictureRect, const COcrPage& words);

    // True once the font is in the document.
    bool HasFont() const { return m_font != nullptr; }

private:
    HPDF_Font Font();

    HPDF_Doc m_document;
    HPDF_Font m_font = nullptr;
    bool m_fontFailed = false;
    // The library reads the font file again when it saves the document.
    std::unique_ptr<QTemporaryFile> m_fontFile;
};
