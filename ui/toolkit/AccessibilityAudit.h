#pragma once

// Reads the accessibility tree under a window as an assistive tool does and reports every
// control a user can operate (button, check box, radio button, menu item, list and list item,
// edit, slider, scroll bar, combo box, page tab) that shows but has no name.

#include <QStringList>

class QWidget;

// One line per unnamed control: its role, where it sits and the names of the elements above
// it ("Button at 16,472 64x64 in Quillmark Mobile / Client / Quillmark Mobile"). Empty when every
// shown control is named.
QStringList FindUnnamedControls(QWidget* root);
