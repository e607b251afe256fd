#include "scanner/screens/PageSourceChoice.h"

#include "app/AppSettings.h"
#include "scanner/ScannerDevice.h"
#include "text/Catalogue.h"

#include <QComboBox>

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

} // namespace

QString PageSourcePrompt() {
    return TranslateText("ScannerScreens", "Take pages from:");
}

QString ScannerResolutionName() {
    return TranslateText("ScannerScreens", "Scanner resolution");
}

void FillPageSourceLists(QComboBox* sources, QComboBox* resolutions, const CAppSettings& settings) {
    sources->clear();
    sources->addItem(TranslateText("ScannerScreens", "Camera"), QString());
    for (const CScannerInfo& scanner : ListScanners()) {
        std::vector<EScanSource> offered;
        {
            // The sources are the scanner's own; one that cannot be opened now shows plain.
            CScannerDevice device;
            QString reason;
            if (device.Open(scanner.name, &reason))
                offered = device.Sources();
        }
        if (offered.empty())
            offered.push_back(EScanSource::Default);
        for (EScanSource source : offered)
            sources->addItem(SourceLabel(scanner.Label(), source), EntryData(scanner.name, source));
    }
    const EScanSource chosenSource =
        settings.scannerSource <= 3 ? EScanSource(settings.scannerSource) : EScanSource::Default;
    const QString chosen = EntryData(settings.pageSource, chosenSource);
    int index = sources->findData(chosen);
    if (index < 0 && !settings.pageSource.isEmpty()) {
        // Switched off or out of reach now: still the user's choice.
        sources->addItem(SourceLabel(settings.pageSource, chosenSource), chosen);
        index = sources->count() - 1;
    }
    sources->setCurrentIndex(std::max(0, index));

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
    auto follow = [sources, resolutions] {
        resolutions->setEnabled(!sources->currentData().toString().isEmpty());
    };
    follow();
    QObject::connect(sources, &QComboBox::currentIndexChanged, resolutions, follow);
}

void StorePageSourceLists(const QComboBox* sources, const QComboBox* resolutions,
                          CAppSettings& settings) {
    if (sources->currentIndex() >= 0) {
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
}
