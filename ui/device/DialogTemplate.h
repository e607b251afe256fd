#pragma once

// Dialog templates as data: the size of a screen and its controls in dialog units. The UI
// toolkit turns them into widgets placed for the screen class.

#include <QRect>
#include <QSize>
#include <QString>

#include <vector>

enum class EControlKind {
    Static, // a text
    Button, // a skinned push button; a click sends its identifier as a command
    CheckBox,
    RadioButton,
    Edit,         // one-line text field
    ReadOnlyText, // multi-line read-only text area
    Custom,       // a place holder the screen replaces with its own control
};

// Style bits of a control.
inline constexpr unsigned kStyleDefault = 0x1;    // default push button
inline constexpr unsigned kStyleCentre = 0x2;     // centred text
inline constexpr unsigned kStyleRight = 0x4;      // right-aligned text
inline constexpr unsigned kStyleGroupStart = 0x8; // first radio button of a group
inline constexpr unsigned kStyleHidden = 0x10;    // created hidden

struct CControlTemplate {
    int id = 0;
    EControlKind kind = EControlKind::Static;
    QRect units; // left, top, width, height in dialog units
    QString text;
    unsigned style = 0;
};

struct CDialogTemplate {
    int id = 0;
    QSize units;     // width, height in dialog units
    QString caption; // empty: no caption
    std::vector<CControlTemplate> controls;
};
