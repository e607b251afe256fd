#pragma once

// Pages of text drawn by the tests the way a phone photographs a printed sheet: words in
// DejaVu Sans and DejaVu Serif at three sizes, dark grey on paper under a lighting gradient,
// slightly blurred, with noise. Each drawn word keeps the box it was drawn in.

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>

#include <vector>

struct CDrawnWord {
    QString text;
    QRect box; // advance width by ascent plus descent, in the picture's pixels
};

struct CTextPage {
    QImage image; // RGB32
    std::vector<CDrawnWord> words;
};

// Words of ordinary text, from a fixed list, `count` of them picked by `seed`.
QStringList SampleWords(int count, unsigned seed);

// A page of `size` with `words` laid out in paragraphs; each paragraph switches between the
// two fonts and three sizes (relative to the page width). Deterministic for a seed.
CTextPage DrawTextPage(const QStringList& words, QSize size, unsigned seed);

// Paper with the same gradient, blur and noise but nothing written on it.
QImage DrawBlankPaper(QSize size, unsigned seed);
