#pragma once

// "Don't show again" answers, one 32-bit value per box number in the settings group "CMsg"
// (value "DS1" for box number 1).

#include <cstdint>

// The stored value, or -1 when none is stored or the number is 0. Reading a missing value
// stores -1 for it, as every settings read does.
std::int32_t ReadRememberedAnswer(int boxNumber);
// Stores `value` and writes the registry file; box number 0 stores nothing.
void StoreRememberedAnswer(int boxNumber, std::int32_t value);
