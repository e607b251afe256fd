#pragma once

// Finds the texts of a screen that do not fit where they are shown: a label, button caption,
// check box, list entry or soft key cut off or elided. A translation may be longer than the
// English it stands for; a text is let pass when its English (from the active catalogue) would
// be cut off at the same place too, so only what the translation broke is reported.

#include <QStringList>

class QWidget;
class CSoftKeyBar;

// One line per text that does not fit: the kind of control, the text, the room it needs and
// the room it has ("Label 'Papierformat:' needs 130x16, has 120x16"). `root` and every shown
// control under it are measured; `softKeys` (may be null) too.
QStringList FindClippedTexts(QWidget* root, const CSoftKeyBar* softKeys);
