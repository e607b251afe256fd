#pragma once

// The one place that talks to libsane's start and end and turns its statuses into reasons a
// user can read. SANE is started once per process, on first use, and ended with the
// application object; its calls are serialised here where the library is not safe to call from
// two threads at once (listing devices, opening and closing them).

#include <QString>

#include <mutex>
#include <shared_mutex>

struct CSaneLibrary;

// Starts SANE once, loading its library first; false with the reason when it cannot (the
// scanners are then absent).
bool EnsureSane(QString* reason = nullptr);

// SANE's functions, once EnsureSane has succeeded (a scanner that is open implies it).
const CSaneLibrary& Sane();

// Held around sane_get_devices, sane_open and sane_close.
std::unique_lock<std::mutex> LockSane();

// Keeps SANE from ending while held: work on a thread of its own (a search for scanners, a
// scan) holds it throughout, and the end of SANE at exit waits for it. Once SANE has ended
// it does not start again; EnsureSane fails.
std::shared_lock<std::shared_mutex> HoldSane();

// A readable reason for a SANE status ("the document feeder is jammed"); SANE's own text for
// a status this program does not know.
QString SaneStatusText(int status);
