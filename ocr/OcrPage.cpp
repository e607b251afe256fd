#include "ocr/OcrPage.h"

#include <QStringList>

QString PlainText(const COcrPage& page) {
    QStringList words;
    for (const COcrWord& word : page.words)
        words << word.text;
    return words.join(u' ');
}
