#include "pdf/PdfTextLayer.h"

#include "pdf/GlyphlessFont.h"

#include <hpdf_objects.h>
#include <hpdf_streams.h>

#include <QDir>

namespace {

// The library writes its encoding map (code to CID) where the ToUnicode map belongs, and
// readers refuse it ("begincidrange" has no place there). The stream it made is kept, in its
// place, with the map the font needs.
bool WriteToUnicodeMap(HPDF_Font font) {
    auto* map = static_cast<HPDF_Dict>(HPDF_Dict_GetItem(font, "ToUnicode", HPDF_OCLASS_DICT));
    if (!map || !map->stream)
        return false;
    auto* info = static_cast<HPDF_Dict>(HPDF_Dict_GetItem(map, "CIDSystemInfo", HPDF_OCLASS_DICT));
    if (info &&
        HPDF_Dict_Add(info, "Ordering", HPDF_String_New(map->mmgr, "UCS", nullptr)) != HPDF_OK)
        return false;
    if (HPDF_Dict_AddName(map, "CMapName", "Adobe-Identity-UCS") != HPDF_OK)
        return false;
    if (HPDF_Dict_GetItem(map, "WMode", HPDF_OCLASS_NUMBER))
        HPDF_Dict_RemoveElement(map, "WMode");
    HPDF_MemStream_FreeData(map->stream);
    const QByteArray text = GlyphlessToUnicodeMap();
    return HPDF_Stream_Write(map->stream, reinterpret_cast<const HPDF_BYTE*>(text.constData()),
                             HPDF_UINT(text.size())) == HPDF_OK;
}

} // namespace

CPdfTextLayer::CPdfTextLayer(HPDF_Doc document) : m_document(document) {}

HPDF_Font CPdfTextLayer::Font() {
    if (m_font || m_fontFailed || !m_document)
        return m_font;
    m_fontFailed = true;
    m_fontFile = std::make_unique<QTemporaryFile>(QDir::temp().filePath("quillmark-XXXXXX.ttf"));
    if (!m_fontFile->open())
        return nullptr;
    const QByteArray data = GlyphlessFontData();
    if (m_fontFile->write(data) != data.size() || !m_fontFile->flush())
        return nullptr;
    const QByteArray path = QFile::encodeName(m_fontFile->fileName());
    const char* name = HPDF_LoadTTFontFromFile(m_document, path.constData(), HPDF_TRUE);
    if (!name || HPDF_UseUTFEncodings(m_document) != HPDF_OK)
        return nullptr;
    HPDF_Font font = HPDF_GetFont(m_document, name, "UTF-8");
    if (!font || !WriteToUnicodeMap(font))
        return nullptr;
    m_font = font;
    m_fontFailed = false;
    return m_font;
}

bool CPdfTextLayer::AddWords(HPDF_Page page, const QRectF& pictureRect, const COcrPage& words) {
    if (!page || !words.HasText() || words.pictureSize.isEmpty() || pictureRect.isEmpty())
        return true;
    HPDF_Font font = Font();
    if (!font)
        return false;
    const double pixelW = double(words.pictureSize.width());
    const double pixelH = double(words.pictureSize.height());
    HPDF_Page_GSave(page);
    // The picture's place on the page in its own pixels, y upwards from its bottom row.
    HPDF_Page_Concat(page, float(pictureRect.width() / pixelW), 0, 0,
                     float(pictureRect.height() / pixelH), float(pictureRect.x()),
                     float(pictureRect.y()));
    HPDF_Page_SetTextRenderingMode(page, HPDF_INVISIBLE);
    HPDF_Page_BeginText(page);
    HPDF_Page_SetFontAndSize(page, font, 1);
    for (const COcrWord& word : words.words) {
        const qsizetype chars = word.text.toUcs4().size();
        if (chars == 0 || word.box.isEmpty())
            continue;
        const double advance = double(chars) * kGlyphlessAdvance / 1000.0;
        // Font size 1 scaled by the text matrix: as wide as the box, as high as the box, the
        // baseline on its bottom edge.
        HPDF_Page_SetTextMatrix(page, float(word.box.width() / advance), 0, 0,
                                float(word.box.height()), float(word.box.left()),
                                float(pixelH - (word.box.bottom() + 1)));
        const QByteArray text = word.text.toUtf8();
        HPDF_Page_ShowText(page, text.constData());
    }
    HPDF_Page_EndText(page);
    HPDF_Page_GRestore(page);
    return true;
}
