#pragma once

// The main screen: preview of the current page, the thumbnail strip, the three big buttons
// (Scan, Make PDF, Delete) and the menu bar with "Tools" and "Scan". It owns the session (the
// page list), runs modally inside the start-up window from start-up to Exit, dispatches every
// command of the program and asks that window for About and Help. Exit and OK write the
// session file; Cancel leaves without writing it. The pages go with the screen.
// When asked to, it keeps a recovery record of its session from the first paint on, which
// Exit and Cancel remove; a screen ended any other way (the window closed by the desktop)
// leaves the record, and the files it names, for the next start.

#include "screens/FrameList.h"
#include "session/RecoveryRecord.h"
#include "session/Session.h"
#include "session/SessionListener.h"
#include "ui/toolkit/Dialog.h"

#include <QRect>
#include <QSize>

#include <cstdint>
#include <memory>

class CQuestionBox;
class CSessionRecorder;
class CStaticThumb;

class CMainDlg : public CDialog, private CSessionListener, private CFrameListListener {
public:
    explicit CMainDlg(CScreen* owner = nullptr);
    ~CMainDlg() override;

    bool HasCamera() const { return m_camera; }
    // Whether Scan has somewhere to take pages from: the camera, or a scanner chosen in the
    // settings.
    bool CanScan() const;
    int PageCount() const { return m_session.PageCount(); }
    CSession& Session() { return m_session; }
    CFrameList* Strip() const { return m_strip; }
    CStaticThumb* Preview() const { return m_previewControl; }

    // Scan is enabled exactly with a camera, Make PDF and Delete exactly with pages; nothing
    // while busy.
    void RefreshControls();
    // While a folder is searched (the import's busy callback) the buttons and both soft keys
    // are disabled.
    void SetBusy(bool busy);
    QRect PreviewRect() const { return m_preview; }
    QRect PanelRect() const { return m_panel; }
    QRect StripRect() const { return m_stripRect; }
    // How many times the screen was laid out (once at the first paint, once per display change).
    int LayoutCount() const { return m_layoutCount; }

    // The "No camera detected" notice, unless the user silenced it (box number 1); the first
    // paint shows it on a device without a camera.
    void ShowCameraNotice();
    // Shows the notice whatever was remembered, and remembers a ticked box.
    void RunCameraNotice();
    // Whether the first paint shows the notice (on by default; the screenshot tour takes it
    // at a stop of its own).
    void SetCameraNoticeAtStart(bool show) { m_noticeAtStart = show; }
    // Sets the box up as the camera notice (kind 10, the box not ticked).
    static void PrepareCameraNotice(CQuestionBox& box);

    // From the first paint on, keeps the recovery record of the session at `path`; the pages
    // of `restore` (the session of an earlier run the user chose to bring back) come first,
    // and the pictures among them that are gone are named. Call before the screen runs.
    void KeepRecoveryRecord(const QString& path, CRecoveryState restore = {});
    // The recorder while the record is kept, else null.
    CSessionRecorder* Recorder() const { return m_recorder.get(); }
    // Sets the box up as the notice that names the pictures a restore left out.
    static void PrepareMissingPagesNotice(CQuestionBox& box, const QStringList& missing);

protected:
    void OnInitDialog() override;
    void OnPaint(QPainter& painter) override;
    void OnFirstPaint() override;
    void Layout() override;
    void OnDisplayChange() override;
    void OnRatioChange() override;
    void OnCancel() override;
    void resizeEvent(QResizeEvent* event) override;
    bool OnKeyDown(int key) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The session's view: the strip and the preview follow the page list.
    int StripAdd(CPage* page) override;
    void StripRemoveSelected() override;
    void StripSwap(int a, int b) override;
    void StripMove(int from, int to) override;
    void StripSelect(int index) override;
    void StripClear() override;
    int StripSelected() const override;
    void OnSessionClearing() override;
    void PreviewShow(CPage* page, int number) override;
    void OnFirstPage(CPage* page) override;
    void OnSessionCleared() override;
    void Redraw() override;
    // The strip's selection changed by pen or key.
    void OnFrameSelected(int index) override;

    void RegisterCommands();
    void AddOpenedPictures();
    void FitStrip(CPage* firstPage);
    void ApplyStripHeight(int height);
    void ShowPage(int index);
    void LayoutIfSizeChanged();

    void Scan();
    void Edit();
    void Exit();
    void AskOwner(int frameCommand);
    void StartRecording();
    void RecordChange();

    CSession m_session;
    CFrameList* m_strip = nullptr;
    CStaticThumb* m_previewControl = nullptr;
    bool m_camera = false;
    bool m_layoutReady = false;
    bool m_portrait = true;
    bool m_busy = false;
    bool m_noticeAtStart = true;
    int m_layoutCount = 0;
    QSize m_laidOutSize;
    std::int32_t m_logo = 0;
    QRect m_preview;
    QRect m_panel;
    QRect m_stripRect;
    std::unique_ptr<CSessionRecorder> m_recorder;
    CRecoveryState m_restore;
};
