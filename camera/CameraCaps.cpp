#include "camera/CameraCaps.h"

#include "camera/CameraSource.h"

#include <gst/gst.h>

#include <algorithm>
#include <limits>
#include <vector>

namespace {

// The values a caps field allows that lie nearest to `wanted`: a fixed value, the clamp of a
// range, or every value of a list.
std::vector<int> Candidates(const GstStructure* s, const char* field, int wanted) {
    const GValue* value = gst_structure_get_value(s, field);
    if (!value)
        return {wanted};
    if (G_VALUE_HOLDS_INT(value))
        return {g_value_get_int(value)};
    if (GST_VALUE_HOLDS_INT_RANGE(value)) {
        const int low = gst_value_get_int_range_min(value);
        const int high = gst_value_get_int_range_max(value);
        return {std::clamp(wanted, low, high)};
    }
    if (GST_VALUE_HOLDS_LIST(value)) {
        std::vector<int> all;
        for (guint i = 0; i < gst_value_list_get_size(value); ++i) {
            const GValue* item = gst_value_list_get_value(value, i);
            if (G_VALUE_HOLDS_INT(item))
                all.push_back(g_value_get_int(item));
        }
        return all;
    }
    return {wanted};
}

bool IsVideo(const GstStructure* s) {
    return gst_structure_has_name(s, "video/x-raw") || gst_structure_has_name(s, "image/jpeg");
}

} // namespace

namespace {

// The nearest size; `named` tells whether the offer named any size at all.
QSize Nearest(const QString& offeredCaps, const QSize& requested, bool* named) {
    *named = false;
    if (!EnsureGstreamer())
        return requested;
    GstCaps* caps = gst_caps_from_string(offeredCaps.toUtf8().constData());
    if (!caps)
        return requested;
    QSize best = requested;
    long long bestDistance = std::numeric_limits<long long>::max();
    bool bestRaw = false;
    if (!gst_caps_is_any(caps)) {
        for (guint i = 0; i < gst_caps_get_size(caps); ++i) {
            const GstStructure* s = gst_caps_get_structure(caps, i);
            if (!IsVideo(s))
                continue;
            const bool raw = gst_structure_has_name(s, "video/x-raw");
            if (gst_structure_has_field(s, "width") || gst_structure_has_field(s, "height"))
                *named = true;
            for (int w : Candidates(s, "width", requested.width()))
                for (int h : Candidates(s, "height", requested.height())) {
                    const long long dw = w - requested.width(), dh = h - requested.height();
                    const long long distance = dw * dw + dh * dh;
                    if (distance < bestDistance || (distance == bestDistance && raw && !bestRaw)) {
                        bestDistance = distance;
                        best = QSize(w, h);
                        bestRaw = raw;
                    }
                }
        }
    }
    gst_caps_unref(caps);
    return *named ? best : requested;
}

} // namespace

QSize NearestOfferedSize(const QString& offeredCaps, const QSize& requested) {
    bool named = false;
    return Nearest(offeredCaps, requested, &named);
}

QString ResolutionCaps(const QString& offeredCaps, const QSize& requested) {
    if (requested.width() <= 0 || requested.height() <= 0)
        return QStringLiteral("ANY");
    bool named = false;
    const QSize size = Nearest(offeredCaps, requested, &named);
    QString caps = QStringLiteral("video/x-raw, width=(int)%1, height=(int)%2; "
                                  "image/jpeg, width=(int)%1, height=(int)%2")
                       .arg(size.width())
                       .arg(size.height());
    // A source that names its sizes gets exactly the nearest one; one that tells nothing
    // before it runs may still fall back to whatever it can give.
    if (!named)
        caps += QStringLiteral("; video/x-raw; image/jpeg");
    return caps;
}
