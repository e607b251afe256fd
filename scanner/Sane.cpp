#include "scanner/Sane.h"

#include "scanner/SaneLibrary.h"
#include "text/Catalogue.h"

#include <QCoreApplication>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <dlfcn.h>
#include <link.h>

namespace {

// Statuses of SANE 1.1 that sane.h declares only to frontends asking for them.
constexpr int kStatusWarmingUp = 12;
constexpr int kStatusHardwareLocked = 13;

std::mutex g_saneMutex;
std::shared_mutex g_useMutex;
bool g_started = false;
bool g_tried = false;
bool g_ended = false;
SANE_Status g_startStatus = SANE_STATUS_GOOD;
// Set once the library is loaded (under g_saneMutex, before g_started is).
const CSaneLibrary* g_library = nullptr;
QString g_loadError;

// Keeps the backends SANE loaded mapped after sane_exit unloads them. Some leave a thread or an
// exit handler behind that runs their code later; unmapped, that is a crash as the program
// ends. It also lets a leak checker name the backend a leak at exit comes from.
void PinBackends() {
    std::vector<std::string> backends;
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void* out) {
            if (info->dlpi_name && std::strstr(info->dlpi_name, "/sane/libsane-"))
                static_cast<std::vector<std::string>*>(out)->emplace_back(info->dlpi_name);
            return 0;
        },
        &backends);
    for (const std::string& path : backends)
        if (void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE))
            dlclose(handle);
}

void EndSane() {
    // A search for scanners on a worker may still be waiting for a network backend.
    const std::unique_lock use(g_useMutex);
    const auto lock = LockSane();
    PinBackends();
    g_library->sane_exit();
    g_started = false;
    g_ended = true;
}

} // namespace

std::unique_lock<std::mutex> LockSane() {
    return std::unique_lock<std::mutex>(g_saneMutex);
}

const CSaneLibrary& Sane() {
    Q_ASSERT(g_library);
    return *g_library;
}

std::shared_lock<std::shared_mutex> HoldSane() {
    return std::shared_lock<std::shared_mutex>(g_useMutex);
}

bool EnsureSane(QString* reason) {
    const auto lock = LockSane();
    if (!g_tried) {
        g_tried = true;
        g_library = SaneLibrary(&g_loadError);
        SANE_Int version = 0;
        if (g_library)
            g_startStatus = g_library->sane_init(&version, nullptr);
        g_started = g_library && g_startStatus == SANE_STATUS_GOOD;
        // Backends keep network connections and USB claims until sane_exit. It runs as the
        // application object goes, not from atexit: by then a backend's own static objects
        // (genesys's device tables) are already destroyed, and its exit code crashes on them.
        if (g_started)
            qAddPostRoutine(EndSane);
    }
    if (g_ended && reason)
        *reason = TranslateText("Scanner", "SANE has ended with the program");
    else if (!g_started && reason)
        *reason = TranslateText("Scanner", "SANE could not start: %1")
                      .arg(g_library ? SaneStatusText(g_startStatus) : g_loadError);
    return g_started;
}

QString SaneStatusText(int status) {
    switch (status) {
    case SANE_STATUS_GOOD: return TranslateText("Scanner", "no error");
    case SANE_STATUS_UNSUPPORTED:
        return TranslateText("Scanner", "the scanner does not support this");
    case SANE_STATUS_CANCELLED: return TranslateText("Scanner", "the scan was cancelled");
    case SANE_STATUS_DEVICE_BUSY:
        return TranslateText("Scanner", "the scanner is busy (another program may be using it)");
    case SANE_STATUS_INVAL: return TranslateText("Scanner", "the scanner refused the request");
    case SANE_STATUS_EOF: return TranslateText("Scanner", "the scanner sent no more data");
    case SANE_STATUS_JAMMED: return TranslateText("Scanner", "the document feeder is jammed");
    case SANE_STATUS_NO_DOCS: return TranslateText("Scanner", "the document feeder is empty");
    case SANE_STATUS_COVER_OPEN: return TranslateText("Scanner", "the scanner's cover is open");
    case SANE_STATUS_IO_ERROR:
        return TranslateText("Scanner", "the scanner stopped answering (input/output error)");
    case SANE_STATUS_NO_MEM: return TranslateText("Scanner", "not enough memory for the scan");
    case SANE_STATUS_ACCESS_DENIED:
        return TranslateText("Scanner", "access to the scanner was denied");
    case kStatusWarmingUp: return TranslateText("Scanner", "the scanner's lamp is warming up");
    case kStatusHardwareLocked:
        return TranslateText("Scanner", "the scanner is locked for transport");
    default:
        // Only SANE itself gives a status this program does not know, so it is loaded here.
        if (const CSaneLibrary* sane = SaneLibrary())
            return QString::fromUtf8(sane->sane_strstatus(SANE_Status(status)));
        return QString::number(status);
    }
}
