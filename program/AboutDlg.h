#pragma once

// The About box: long product name, version, web address and the logo under the header.

#include "ui/toolkit/Dialog.h"

#include <cstdint>

class CAboutDlg : public CDialog {
public:
    explicit CAboutDlg(CScreen* owner = nullptr);
    ~CAboutDlg() override;

    // Where the logo is drawn: centred, its bottom s(50) above the bottom of the screen, and
    // never over the texts above it: where the screen is too low for it (landscape), it is
    // scaled down into the room between the last text and that bottom line. Empty without a
    // logo or without room.
    QRect LogoRect() const;

protected:
    void OnInitDialog() override;
    void OnPaint(QPainter& painter) override;
    void Layout() override;

private:
    std::int32_t m_logo = 0;
    std::int32_t m_header = 0;
};
