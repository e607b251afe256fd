#include "scanner/screens/PageSourceChoice.h"

#include "app/AppSettings.h"
#include "scanner/ScannerDevice.h"
#include "text/Catalogue.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFutureWatcher>
#include <QStandardItemModel>

namespace {

constexpr int kResolutions[] = {75, 100, 150, 200, 300, 400, 600, 1200};

// An entry's data: the scanner's name and the ScannerSource value, "" for the camera.
QString EntryData(const QString& device, EScanSource source) {
    return device.isEmpty() ? QString() : QStringLiteral("%1\n%2").arg(int(source)).arg(device);
}

QString SourceLabel(const QString& scanner, EScanSource source) {
    switch (source) {
    case EScanSource::Flatbed: return TranslateText("ScannerScreens", "%1, flatbed").arg(scanner);
    case EScanSource::Feeder:
        return TranslateText("ScannerScreens", "%1, document feeder").arg(scanner);
    case EScanSource::Duplex: return TranslateText("ScannerScreens", "%1, both sides").arg(scanner);
    case EScanSource::Default: break;
    }
    return scanner;
}

using CSearchWatcher = QFutureWatcher<CScannerSearch>;

// The camera, each scanner's sources, and `kept` (data, label) when that choice is not among
// them; then `kept` is current.
void ListSources(QComboBox* sources, const std::vector<CFoundScanner>& scanners,
                 const QString& keptData, const QString& keptLabel) {
    sources->clear();
    sources->addItem(TranslateText("ScannerScreens", "Camera"), QString());
    for (const CFoundScanner& scanner : scanners) {
        std::vector<EScanSource> offered = scanner.sources;
        // One that could not be opened to ask shows plain.
        if (offered.empty())
            offered.push_back(EScanSource::Default);
        for (EScanSource source : offered)
            sources->addItem(SourceLabel(scanner.info.Label(), source),
                             EntryData(scanner.info.name, source));
    }
    int index = sources->findData(keptData);
    if (index < 0 && !keptData.isEmpty()) {
        // Switched off or out of reach now: still the user's choice.
        sources->addItem(keptLabel, keptData);
        index = sources->count() - 1;
    }
    sources->setCurrentIndex(std::max(0, index));
    // Where the page leaves the list narrow, its entries still show whole when it opens.
    sources->view()->setMinimumWidth(sources->view()->sizeHintForColumn(0) +
                                     sources->view()->frameWidth() * 2);
}

// The scanners have been found: the list shows them in place of "Looking for scanners...",
// keeping what is chosen now (the stored choice, or what the user took meanwhile).
void ShowFoundScanners(QComboBox* sources, const CScannerSearch& search) {
    const QString data = sources->currentData().toString();
    const QString label = sources->currentText();
    ListSources(sources, search.scanners, data, label);
    sources->setAccessibleDescription(QString());
}

} // namespace

QString LookingForScannersText() {
    return TranslateText("ScannerScreens", "Looking for scanners...");
}

bool IsLookingForScanners(const QComboBox* sources) {
    return sources->findChild<CSearchWatcher*>(QString(), Qt::FindDirectChildrenOnly) != nullptr;
}

QString PageSourcePrompt() {
    return TranslateText("ScannerScreens", "Take pages from:");
}

QString ScannerResolutionName() {
    return TranslateText("ScannerScreens", "Scanner resolution");
}

QString ScannerModeName() {
    return TranslateText("ScannerScreens", "Scanner colour mode");
}

void FillPageSourceLists(QComboBox* sources, QComboBox* modes, QComboBox* resolutions,
                         const CAppSettings& settings) {
    const EScanSource chosenSource =
        settings.scannerSource <= 3 ? EScanSource(settings.scannerSource) : EScanSource::Default;
    const QString chosen = EntryData(settings.pageSource, chosenSource);
    // The stored choice shows by its name until the scanners have been found; finding them
    // takes seconds where network backends wait for answers, so it runs on a worker, and a
    // page closed before then drops the search with its list.
    ListSources(sources, {}, chosen, SourceLabel(settings.pageSource, chosenSource));
    sources->addItem(LookingForScannersText());
    if (auto* model = qobject_cast<QStandardItemModel*>(sources->model()))
        model->item(sources->count() - 1)->setEnabled(false);
    sources->setAccessibleDescription(LookingForScannersText());
    delete sources->findChild<CSearchWatcher*>(QString(), Qt::FindDirectChildrenOnly);
    auto* search = new CSearchWatcher(sources);
    QObject::connect(search, &CSearchWatcher::finished, sources, [sources, search] {
        ShowFoundScanners(sources, search->result());
        // Not deleted while it signals; no longer the list's search from here on.
        search->setParent(nullptr);
        search->deleteLater();
    });
    search->setFuture(FindScannersInBackground());

    resolutions->clear();
    for (int dpi : kResolutions)
        resolutions->addItem(TranslateText("ScannerScreens", "%1 dpi").arg(dpi), dpi);
    const int wanted = settings.scannerResolution > 0 ? int(settings.scannerResolution) : 300;
    int at = resolutions->findData(wanted);
    if (at < 0) {
        resolutions->addItem(TranslateText("ScannerScreens", "%1 dpi").arg(wanted), wanted);
        at = resolutions->count() - 1;
    }
    resolutions->setCurrentIndex(at);

    modes->clear();
    // In the order of the ScannerMode values.
    modes->addItem(TranslateText("ScannerScreens", "Colour"), int(EScanMode::Color));
    modes->addItem(TranslateText("ScannerScreens", "Grey"), int(EScanMode::Gray));
    modes->addItem(TranslateText("ScannerScreens", "Black and white"), int(EScanMode::Lineart));
    modes->setCurrentIndex(settings.scannerMode <= 2 ? int(settings.scannerMode) : 0);
    modes->view()->setMinimumWidth(modes->view()->sizeHintForColumn(0) +
                                   modes->view()->frameWidth() * 2);

    auto follow = [sources, modes, resolutions] {
        const bool scanner = !sources->currentData().toString().isEmpty();
        modes->setEnabled(scanner);
        resolutions->setEnabled(scanner);
    };
    follow();
    QObject::disconnect(sources, &QComboBox::currentIndexChanged, resolutions, nullptr);
    QObject::connect(sources, &QComboBox::currentIndexChanged, resolutions, follow);
}

void StorePageSourceLists(const QComboBox* sources, const QComboBox* modes,
                          const QComboBox* resolutions, CAppSettings& settings) {
    // The entry "Looking for scanners..." holds no data and chooses nothing.
    if (sources->currentIndex() >= 0 && sources->currentData().isValid()) {
        const QString data = sources->currentData().toString();
        if (data.isEmpty()) {
            settings.pageSource.clear();
        } else {
            settings.scannerSource = data.section(u'\n', 0, 0).toUInt();
            settings.pageSource = data.section(u'\n', 1);
        }
    }
    if (resolutions->currentIndex() >= 0)
        settings.scannerResolution = resolutions->currentData().toUInt();
    if (modes->currentIndex() >= 0)
        settings.scannerMode = modes->currentData().toUInt();
}
