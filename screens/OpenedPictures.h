#pragma once

// Pictures handed to the program from outside its screens: named on the command line, or by a
// second start that gives them to the running window. The main screen adds them as pages,
// in the order given, as soon as it is the screen on top.

#include <QStringList>

#include <functional>

// Queues the pictures for the main screen and tells it, if it is there.
void HandOverPictures(const QStringList& files);

// The main screen's side: called (from the event loop, never inside the hand-over) with what
// was queued so far and again whenever more arrives. An empty function stops the calls; what
// arrives meanwhile waits.
void SetOpenedPicturesHandler(std::function<void()> handler);

// Takes the pictures queued so far.
QStringList TakeOpenedPictures();
