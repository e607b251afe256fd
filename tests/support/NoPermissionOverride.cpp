#include "tests/support/NoPermissionOverride.h"

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

bool GetCaps(__user_cap_data_struct data[2]) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    return ::syscall(SYS_capget, &header, data) == 0;
}

bool SetCaps(__user_cap_data_struct data[2]) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    return ::syscall(SYS_capset, &header, data) == 0;
}

constexpr unsigned kOverrides = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);

} // namespace

CNoPermissionOverride::CNoPermissionOverride() {
    __user_cap_data_struct data[2] = {};
    if (!GetCaps(data))
        return;
    m_effective[0] = data[0].effective;
    m_effective[1] = data[1].effective;
    if ((data[0].effective & kOverrides) == 0) {
        m_holds = true;
        return;
    }
    data[0].effective &= ~kOverrides;
    m_holds = m_restore = SetCaps(data);
}

CNoPermissionOverride::~CNoPermissionOverride() {
    if (!m_restore)
        return;
    __user_cap_data_struct data[2] = {};
    if (!GetCaps(data))
        return;
    data[0].effective = m_effective[0];
    data[1].effective = m_effective[1];
    SetCaps(data);
}
