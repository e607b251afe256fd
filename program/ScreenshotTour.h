#pragma once

// The headless tour of --screenshots: goes through start-up, shows every screen the program
// has (splash, main screen, About box, a question box of each kind), writes one PNG of the
// device screen for each (and for every stop of tour/TourStops.cpp) and ends through Exit and the
// normal shut-down. After every shot it reads the screen's accessibility tree and writes the
// controls without a name to accessibility.txt beside the pictures, and the texts that do not
// fit their place (in a translation, where the English does) to text-fit.txt; any of either
// fails the tour. A stop fails when a modal screen comes up that it does not wait for (an
// error box): the box is closed, the remaining stops are skipped and the tour ends as failed
// instead of waiting.

#include "program/StartupServices.h"
#include "program/tour/TourContext.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class CDeviceWindow;
class QTemporaryDir;

class CScreenshotTour : public CTourContext {
public:
    // `stops` are run after the fixed part of the tour (the program's own, TourStops()).
    CScreenshotTour(const QString& folder, CDeviceWindow* device,
                    std::vector<CTourStop> stops = TourStops());
    ~CScreenshotTour() override;

    // Hooks the tour into start-up.
    void Install(CStartupServices& services);
    // Failed also when the tour did not get through every screen (start-up ended early).
    bool Failed() const {
        return m_failed || !m_completed || !m_unnamed.isEmpty() || !m_clipped.isEmpty();
    }
    // "shot: control" for every control without a name, in the order of the shots.
    QStringList UnnamedControls() const { return m_unnamed; }
    // "shot: control" for every text a translation made too long for its place.
    QStringList ClippedTexts() const { return m_clipped; }
    QStringList Written() const { return m_written; }
    // What went wrong, one line each, as also written to standard error.
    QStringList Problems() const { return m_problems; }

    CDeviceWindow* Device() const override { return m_device; }
    CMainDlg* Main() const override { return m_main; }
    QString ScratchFolder() const override { return m_scratch; }
    void Shot(const QString& name) override;
    bool WaitUntil(const std::function<bool()>& ready) override;
    bool ShootModal(const QString& name, const std::function<void()>& open,
                    const std::function<bool(CScreen*)>& isShown,
                    const std::function<void(CScreen*)>& close = {}) override;

private:
    void WaitFor(const std::function<bool()>& ready, const std::function<void()>& then);
    void OnMainScreen();
    void ShowQuestionBoxes();
    void RunStops();
    // Closes a modal screen that came up with nobody to answer it (an error box of a stop that
    // failed) and fails the tour with what it said.
    void CloseUnattendedScreen(const char* stop);
    void Problem(const QString& text);
    // Ends every screen above the main screen, from the top.
    void EndAboveMain();
    void AuditAccessibility(const QString& name);
    void AuditTextFit(const QString& name);

    QString m_folder;
    CDeviceWindow* m_device;
    CSplashDlg* m_splash = nullptr;
    CMainDlg* m_main = nullptr;
    std::vector<CTourStop> m_stops;
    // Private to this run: nobody else can own it or leave files in it.
    std::unique_ptr<QTemporaryDir> m_scratchDir;
    QString m_scratch;
    // How many ShootModal calls are waiting for their screen: a modal screen then has an owner.
    int m_attending = 0;
    bool m_failed = false;
    bool m_completed = false;
    QStringList m_written;
    QStringList m_unnamed;
    QStringList m_problems;
    QStringList m_clipped;
};
