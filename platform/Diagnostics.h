#pragma once

// The platform layer sits below the program's logger, so it reports noteworthy events
// (a damaged registry file moved aside, a missing decoder) through this hook, which the
// program points at its log when the log opens. Reports also go to standard error.

#include <QString>

#include <cstdint>
#include <functional>

namespace platform {

// Levels share the logger's bits: 8 error, 16 warning, 32 note, 64 information.
using DiagnosticSink = std::function<void(std::uint32_t level, const QString& message)>;

void SetDiagnosticSink(DiagnosticSink sink);
void ReportDiagnostic(std::uint32_t level, const QString& message);

} // namespace platform
