#pragma once

// The "PDF setup" screen: the output file name (by default the local date and time), the
// folder chooser on the LastSaveFolder setting and how the pictures go in (the PictureQuality
// setting). Confirming stores the folder as LastSaveFolder and the choice of pictures as
// PictureQuality, and closes with OK; GetOutputPath then gives folder and name joined by one "/".
// The name is kept exactly as typed: no extension is added.

#include "browser/IconProvider.h"
#include "ui/toolkit/Dialog.h"

#include <QDateTime>

#include <cstdint>

struct CAppSettings;
class CPathBox;
class QComboBox;
class QLineEdit;

// "%04d%02d%02d_%02d%02d.pdf" of the local time `now`.
QString DefaultPdfFileName(const QDateTime& now);
// The folder, then "/" unless it already ends with one, then the name as it is.
QString JoinOutputPath(const QString& folder, const QString& name);

class CPdfSetupDialog : public CDialog {
public:
    CPdfSetupDialog(CAppSettings& settings, CScreen* owner = nullptr);
    ~CPdfSetupDialog() override;

    // The time the default name is made of (now, unless set before the screen opens).
    void SetNow(const QDateTime& now) { m_now = now; }
    QString GetOutputPath() const { return m_output; }

    QLineEdit* FileEdit() const;
    CPathBox* FolderBox() const { return m_folder; }
    QComboBox* QualityList() const { return m_quality; }

protected:
    void OnInitDialog() override;
    void OnPaint(QPainter& painter) override;
    void Layout() override;
    void OnClose() override;

private:
    void Confirm();

    CAppSettings& m_settings;
    QDateTime m_now;
    QString m_output;
    CIconProvider m_icons;
    CPathBox* m_folder;
    QComboBox* m_quality;
    std::int32_t m_picture = 0;
};
