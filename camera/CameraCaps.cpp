#include "camera/CameraCaps.h"

#include "camera/GstLibrary.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace {

// The values a caps field allows that lie nearest to `wanted`: a fixed value, the clamp of a
// range, or every value of a list.
std::vector<int> Candidates(const CGstLibrary& gst, const GstStructure* s, const char* field,
                            int wanted) {
    const GValue* value = gst.gst_structure_get_value(s, field);
    if (!value)
        return {wanted};
    if (G_VALUE_HOLDS_INT(value))
        return {g_value_get_int(value)};
    if (G_VALUE_HOLDS(value, gst.gst_int_range_get_type())) {
        const int low = gst.gst_value_get_int_range_min(value);
        const int high = gst.gst_value_get_int_range_max(value);
        return {std::clamp(wanted, low, high)};
    }
    if (G_VALUE_HOLDS(value, gst.gst_value_list_get_type())) {
        std::vector<int> all;
        for (guint i = 0; i < gst.gst_value_list_get_size(value); ++i) {
            const GValue* item = gst.gst_value_list_get_value(value, i);
            if (G_VALUE_HOLDS_INT(item))
                all.push_back(g_value_get_int(item));
        }
        return all;
    }
    return {wanted};
}

bool IsVideo(const CGstLibrary& gst, const GstStructure* s) {
    return gst.gst_structure_has_name(s, "video/x-raw") ||
           gst.gst_structure_has_name(s, "image/jpeg");
}

} // namespace

namespace {

// The nearest size; `named` tells whether the offer named any size at all.
QSize Nearest(const QString& offeredCaps, const QSize& requested, bool* named) {
    *named = false;
    const CGstLibrary* library = GstLibrary();
    if (!library)
        return requested;
    const CGstLibrary& gst = *library;
    GstCaps* caps = gst.gst_caps_from_string(offeredCaps.toUtf8().constData());
    if (!caps)
        return requested;
    QSize best = requested;
    long long bestDistance = std::numeric_limits<long long>::max();
    bool bestRaw = false;
    if (!gst.gst_caps_is_any(caps)) {
        for (guint i = 0; i < gst.gst_caps_get_size(caps); ++i) {
            const GstStructure* s = gst.gst_caps_get_structure(caps, i);
            if (!IsVideo(gst, s))
                continue;
            const bool raw = gst.gst_structure_has_name(s, "video/x-raw");
            if (gst.gst_structure_has_field(s, "width") || gst.gst_structure_has_field(s, "height"))
                *named = true;
            for (int w : Candidates(gst, s, "width", requested.width()))
                for (int h : Candidates(gst, s, "height", requested.height())) {
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
    gst.Unref(caps);
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
