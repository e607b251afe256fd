#pragma once

// The platform's plain message box: a text, the program title and an OK button. Used only
// where the program cannot use its own question box (critical errors before the skin is
// bound).

#include <QString>

#include <functional>

// Shows `text` modally over the device window and returns when the user confirms it.
void PlatformMessageBox(const QString& text, const QString& title);

// Replaces the box (tests, the headless screenshot tour): the handler receives text and title
// instead of a box being shown. An empty function restores the real box.
void SetMessageBoxHandler(std::function<void(const QString& text, const QString& title)> handler);
