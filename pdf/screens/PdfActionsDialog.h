#pragma once

// The follow-up prompt after a PDF was made: Open and Share act on the file and leave the
// prompt open; Close ends it. "Don't show this message again" is read after it closes.

#include "ui/toolkit/Dialog.h"

#include <cstdint>

class CPdfActionsDialog : public CDialog {
public:
    explicit CPdfActionsDialog(CScreen* owner = nullptr);
    ~CPdfActionsDialog() override;

    void SetFile(const QString& path) { m_path = path; }
    QString File() const { return m_path; }
    bool IsDontShowChecked() const;

protected:
    void OnInitDialog() override;
    void OnPaint(QPainter& painter) override;
    void Layout() override;

private:
    QString m_path;
    std::int32_t m_picture = 0;
};
