#pragma once

// The About box: long product name, version, web address and the logo under the header.

#include "ui/toolkit/Dialog.h"

#include <cstdint>

class CAboutDlg : public CDialog {
public:
    explicit CAboutDlg(CScreen* owner = nullptr);
    ~CAboutDlg() override;

protected:
    void OnInitDialog() override;
    void OnPaint(QPainter& painter) override;
    void Layout() override;

private:
    std::int32_t m_logo = 0;
    std::int32_t m_header = 0;
};
