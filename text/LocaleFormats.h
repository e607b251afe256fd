#pragma once

// What the user's locale decides beyond the language: the paper of printed pages and the
// decimal separator of numbers.

#include <QChar>
#include <QProcessEnvironment>

// Whether the locale's paper is Letter (the Americas that use it and the Philippines) rather
// than A4. The locale is the first set of LC_ALL, LC_PAPER and LANG; its territory
// ("en_US.UTF-8" -> US) decides. No territory (C, POSIX, "de") means A4.
bool LocaleUsesLetterPaper(
    const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment());

// The decimal separator of the user's number locale (LC_ALL, LC_NUMERIC, LANG): "." or ",".
QChar LocaleDecimalPoint();
