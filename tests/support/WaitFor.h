#pragma once

// Waiting for a state that other threads or processes bring about: polls `ready` until it
// holds or `limit` has passed, without running the Qt event loop (screen tests wait with the
// skinned device's WaitFor, which does). The bound is generous, so a loaded machine only
// makes a test slower, and no fixed sleep decides an outcome.

#include <chrono>
#include <functional>

bool WaitFor(const std::function<bool()>& ready,
             std::chrono::milliseconds limit = std::chrono::seconds(60));
