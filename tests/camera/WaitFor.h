#pragma once

// Waiting for a state that other threads bring about, with a generous upper bound.

#include <chrono>
#include <functional>
#include <thread>

inline bool WaitFor(const std::function<bool()>& ready,
                    std::chrono::milliseconds limit = std::chrono::seconds(30)) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!ready()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}
