#pragma once

// Lets the user interface breathe during long work on its own thread: handles up to
// `maxMessages` rounds of pending events (paints, timers, input) and returns.
void PumpMessages(int maxMessages);
