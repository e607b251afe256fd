#pragma once

// The program's texts in the user's language. The translations are Qt Linguist catalogues
// (translations/quillmark_<language>.ts), compiled at build time and embedded in the program
// as :/i18n/quillmark_<language>.qm, so an installed program needs no files beside it. A text
// is looked up by its context and its English source text; a text a catalogue lacks stays
// English, one text at a time.

#include <QHash>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <memory>
#include <mutex>
#include <vector>

class QTranslator;

class CCatalogue {
public:
    // Loads the catalogues of `languages`, most preferred first ("de_AT", "de", "fr").
    // Languages the program has no catalogue for are skipped; none at all is English.
    explicit CCatalogue(const QStringList& languages = {});
    ~CCatalogue();
    CCatalogue(const CCatalogue&) = delete;
    CCatalogue& operator=(const CCatalogue&) = delete;

    // The translation of `source` in `context` from the first catalogue that has one, else
    // `source` itself (UTF-8).
    QString Translate(const char* context, const char* source,
                      const char* disambiguation = nullptr) const;
    // The languages whose catalogue was loaded, in the order they are asked ("de").
    const QStringList& Languages() const { return m_languages; }
    // The English source of a translation this catalogue has given out, or an empty text: the
    // screenshot tour measures whether the English would have fitted where a translation
    // does not.
    QString SourceOf(const QString& translation) const;

private:
    std::vector<std::unique_ptr<QTranslator>> m_translators;
    QStringList m_languages;
    mutable std::mutex m_givenMutex;
    mutable QHash<QString, QString> m_given; // translation -> source
};

// The user's message languages, most preferred first, as a Linux program reads them:
// LANGUAGE (a colon-separated list), then the first set of LC_ALL, LC_MESSAGES and LANG.
// "de_DE.UTF-8@euro" gives "de_DE" followed by "de". "C" and "POSIX" mean English and end
// the list. LANGUAGE counts even when the locale is C, so LANGUAGE=de alone is enough.
QStringList
MessageLanguages(const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment());

// The languages the program ships a catalogue for, English aside ("de", "es", "fr").
QStringList ShippedLanguages();

// The catalogue LoadFormatted and TranslateText read; English until UseLanguages is called.
// Switching is meant for start-up (and tests): screens built earlier keep their texts.
std::shared_ptr<const CCatalogue> ActiveCatalogue();
void UseLanguages(const QStringList& languages);

// `source` in the active language. Texts outside the string table (the command line's) are
// marked for lupdate by this call (an alias of translate(), see translations/).
QString TranslateText(const char* context, const char* source,
                      const char* disambiguation = nullptr);
