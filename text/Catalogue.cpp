#include "text/Catalogue.h"

#include <QDir>
#include <QFileInfo>
#include <QTranslator>

#include <mutex>

namespace {

const QString kCatalogueFolder = QStringLiteral(":/i18n");
const QString kCataloguePrefix = QStringLiteral("quillmark_");

// "de_DE.UTF-8@euro" -> "de_DE"; "C.UTF-8" -> "C".
QString WithoutCodeset(QString locale) {
    const qsizetype at = locale.indexOf(u'@');
    if (at >= 0)
        locale.truncate(at);
    const qsizetype dot = locale.indexOf(u'.');
    if (dot >= 0)
        locale.truncate(dot);
    return locale.trimmed();
}

bool IsEnglishLocale(const QString& name) {
    return name == u"C" || name == u"POSIX";
}

void AddWithParent(QStringList& out, const QString& name) {
    if (name.isEmpty())
        return;
    if (!out.contains(name))
        out << name;
    const qsizetype underscore = name.indexOf(u'_');
    if (underscore > 0 && !out.contains(name.left(underscore)))
        out << name.left(underscore);
}

std::shared_ptr<const CCatalogue>& ActiveSlot() {
    static std::shared_ptr<const CCatalogue> active = std::make_shared<CCatalogue>();
    return active;
}

std::mutex& ActiveMutex() {
    static std::mutex mutex;
    return mutex;
}

} // namespace

CCatalogue::CCatalogue(const QStringList& languages) {
    for (const QString& language : languages) {
        if (language.isEmpty() || m_languages.contains(language))
            continue;
        // The exact catalogue only: QTranslator's own fallback would take "fr" for "fr_FR",
        // which the list asks for later in its own place.
        const QString file = kCatalogueFolder + u'/' + kCataloguePrefix + language + ".qm";
        auto translator = std::make_unique<QTranslator>();
        if (!QFileInfo::exists(file) || !translator->load(file) || translator->isEmpty())
            continue;
        m_translators.push_back(std::move(translator));
        m_languages << language;
    }
}

CCatalogue::~CCatalogue() = default;

QString CCatalogue::Translate(const char* context, const char* source,
                              const char* disambiguation) const {
    for (const auto& translator : m_translators) {
        QString text = translator->translate(context, source, disambiguation);
        if (!text.isEmpty()) {
            std::lock_guard lock(m_givenMutex);
            m_given.insert(text, QString::fromUtf8(source));
            return text;
        }
    }
    return QString::fromUtf8(source);
}

QString CCatalogue::SourceOf(const QString& translation) const {
    std::lock_guard lock(m_givenMutex);
    return m_given.value(translation);
}

QStringList MessageLanguages(const QProcessEnvironment& env) {
    QStringList out;
    for (const QString& entry : env.value(QStringLiteral("LANGUAGE")).split(u':')) {
        const QString name = WithoutCodeset(entry);
        if (IsEnglishLocale(name))
            return out;
        AddWithParent(out, name);
    }
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = env.value(QString::fromLatin1(variable));
        if (value.isEmpty())
            continue;
        const QString name = WithoutCodeset(value);
        if (!IsEnglishLocale(name))
            AddWithParent(out, name);
        break;
    }
    return out;
}

QStringList ShippedLanguages() {
    QStringList out;
    const QStringList files =
        QDir(kCatalogueFolder).entryList({kCataloguePrefix + "*.qm"}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        out << file.mid(kCataloguePrefix.size()).chopped(3);
    return out;
}

std::shared_ptr<const CCatalogue> ActiveCatalogue() {
    std::lock_guard lock(ActiveMutex());
    return ActiveSlot();
}

void UseLanguages(const QStringList& languages) {
    auto catalogue = std::make_shared<const CCatalogue>(languages);
    std::lock_guard lock(ActiveMutex());
    ActiveSlot() = std::move(catalogue);
}

QString TranslateText(const char* context, const char* source, const char* disambiguation) {
    return ActiveCatalogue()->Translate(context, source, disambiguation);
}
