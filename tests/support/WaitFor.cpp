#include "tests/support/WaitFor.h"

#include <thread>

bool WaitFor(const std::function<bool()>& ready, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!ready()) {
        if (std::chrono::steady_clock::now() > end)
            return ready();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}
