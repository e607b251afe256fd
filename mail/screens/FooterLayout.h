#pragma once

// Shared placing of the mail screens: the two buttons sit in the frame's footer band, left
// and right, as on the question box.

class CDialog;

void PlaceFooterButtons(CDialog& dialog, int leftId, int rightId);
