#pragma once

// Makes file permissions hold for the test process, also when it runs as root: while the
// object lives, the capabilities that override them (CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH)
// are out of the effective set, so a folder or file with mode 000 cannot be read. They come
// back when it goes. Without those capabilities (an ordinary user) it does nothing.
class CNoPermissionOverride {
public:
    CNoPermissionOverride();
    ~CNoPermissionOverride();
    CNoPermissionOverride(const CNoPermissionOverride&) = delete;
    CNoPermissionOverride& operator=(const CNoPermissionOverride&) = delete;

    // False when the capabilities could not be dropped (the test should then skip).
    bool Holds() const { return m_holds; }

private:
    bool m_holds = false;
    bool m_restore = false;
    unsigned m_effective[2] = {};
};
