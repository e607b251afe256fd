#pragma once

// What a stop of the screenshot tour can do: take shots of the device screen, wait for a
// state, and open a modal screen long enough to photograph it. Each area of the program adds
// its stops in its own file of this folder and one line to TourStops.cpp.

#include <QString>

#include <functional>
#include <vector>

class CDeviceWindow;
class CMainDlg;
class CScreen;

class CTourContext {
public:
    virtual ~CTourContext() = default;

    virtual CDeviceWindow* Device() const = 0;
    // The main screen, on top of the stack whenever a stop starts and ends.
    virtual CMainDlg* Main() const = 0;
    // A folder for the files a stop makes (pictures for pages), empty at the tour's start.
    virtual QString ScratchFolder() const = 0;

    // Writes the device screen as NAME.png.
    virtual void Shot(const QString& name) = 0;
    // Processes events until ready() holds. False after the time-out; the tour then fails.
    virtual bool WaitUntil(const std::function<bool()>& ready) = 0;
    // Calls open(), which may run a modal screen. Once the top screen satisfies isShown and has
    // painted, shoots it as NAME.png and hands it to close (default: EndDialog(IDCANCEL)).
    // Returns when open() has returned and the shot is taken (or the time-out passed).
    virtual bool ShootModal(const QString& name, const std::function<void()>& open,
                            const std::function<bool(CScreen*)>& isShown,
                            const std::function<void(CScreen*)>& close = {}) = 0;
};

struct CTourStop {
    const char* name;
    void (*run)(CTourContext& tour);
};

// The stops after the main screen, the About box and the sample question boxes, in order.
const std::vector<CTourStop>& TourStops();
