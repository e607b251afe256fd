#pragma once

// What recognition found on one picture: the words in reading order with their boxes in the
// picture's pixels (top-left origin, the picture as drawn on the page), or why there is
// nothing.

#include <QRect>
#include <QSize>
#include <QString>

#include <vector>

enum class EOcrFailure {
    None,
    NotInstalled, // the text recognition library is not installed
    NoLanguage,   // the language's data is not installed (or the name is not one)
    NotDecoded,   // the picture could not be decoded
    EngineFailed, // the engine gave no result for the picture
};

struct COcrWord {
    QString text;     // as recognised, NFC Unicode
    QRect box;        // in the picture's pixels
    float confidence; // 0..100
};

struct COcrPage {
    EOcrFailure failure = EOcrFailure::None;
    QSize pictureSize; // the picture the boxes refer to
    std::vector<COcrWord> words;

    bool Recognised() const { return failure == EOcrFailure::None; }
    // Recognised and at least one word.
    bool HasText() const { return Recognised() && !words.empty(); }
};

// The page's words joined by spaces, for logs and tests.
QString PlainText(const COcrPage& page);
