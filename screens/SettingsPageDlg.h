#pragma once

// One settings page: File import (also the sort-order prompt of a folder import), Camera,
// Image embedding, PDF output or Misc. The page shows what the record holds; OK writes the
// controls' values into the record (Misc stores its remembered answer in the registry
// instead), Cancel changes nothing. Saving the record is the caller's business.

#include "ui/toolkit/Dialog.h"

#include <cstdint>

struct CAppSettings;
class QComboBox;

class CSettingsPageDlg : public CDialog {
public:
    // `command` is the main menu command of the page (ID_SETTINGS_IMPORT, _CAMERA,
    // _EMBEDDING, _PDF, _MISC); the record must outlive the page.
    CSettingsPageDlg(int command, CAppSettings& settings, CScreen* owner = nullptr);
    ~CSettingsPageDlg() override;

    // The template of a page's command, 0 for another command.
    static int TemplateOf(int command);

    // Runs the page: IDOK after the values were written, IDCANCEL otherwise.
    int Show();
    // Fills the controls from the record (Show does it; tests and screenshots may call it).
    void Prepare();

    int Command() const { return m_command; }
    QString Caption() const { return m_caption; }
    QString Heading() const { return m_heading; }

protected:
    void OnPaint(QPainter& painter) override;
    void Layout() override;

private:
    void Store();
    void SetChecked(int id, bool checked);
    bool IsChecked(int id) const;
    // The index of the checked button of a radio group, or -1.
    int CheckedIndex(std::initializer_list<int> group) const;
    QComboBox* AddList(int id, int promptId);
    // Lays out the camera page's source row (prompt, sources, resolution) from `y`; returns the
    // top of what follows.
    int PlacePageSourceRow(QWidget* prompt, int y, int margin, int inner);

    int m_command;
    CAppSettings& m_settings;
    QString m_caption;
    QString m_heading;
    std::uint32_t m_pictureId = 0;
    std::int32_t m_picture = 0;
    bool m_prepared = false;
};
