#include "platform/Diagnostics.h"

#include <cstdio>

namespace platform {
namespace {
DiagnosticSink& Sink() {
    static DiagnosticSink sink;
    return sink;
}
} // namespace

void SetDiagnosticSink(DiagnosticSink sink) {
    Sink() = std::move(sink);
}

void ReportDiagnostic(std::uint32_t level, const QString& message) {
    if (level <= 16)
        std::fprintf(stderr, "quillmark: %s\n", qUtf8Printable(message));
    if (Sink())
        Sink()(level, message);
}

} // namespace platform
