#include "camera/CameraSource.h"

#include "camera/GstLibrary.h"

bool EnsureGstreamer(QString* why) {
    return GstLibrary(why) != nullptr;
}

QString CameraSourceSetting() {
    return qEnvironmentVariable("QUILLMARK_CAMERA").trimmed();
}

bool IsNoCamera(const QString& description) {
    return description.compare(QLatin1String("none"), Qt::CaseInsensitive) == 0;
}

namespace {

// Only reached once EnsureGstreamer succeeded.
const CGstLibrary& Gst() {
    return *GstLibrary();
}

bool IsFactory(GstElement* element, const char* name) {
    GstElementFactory* factory = Gst().gst_element_get_factory(element);
    return factory && g_strcmp0(GST_OBJECT_NAME(factory), name) == 0;
}

void Drop(GstElement* floating) {
    Gst().gst_object_unref(Gst().gst_object_ref_sink(floating));
}

// The element (floating) of the preferred listed camera: PipeWire's first, else the first
// other one; null when none is listed.
GstElement* ListedCamera(bool* anyListed) {
    const CGstLibrary& gst = Gst();
    GstDeviceMonitor* monitor = gst.gst_device_monitor_new();
    gst.gst_device_monitor_add_filter(monitor, "Video/Source", nullptr);
    GList* devices = gst.gst_device_monitor_get_devices(monitor);
    if (anyListed)
        *anyListed = devices != nullptr;
    GstElement* chosen = nullptr;
    for (GList* item = devices; item; item = item->next) {
        GstElement* element =
            gst.gst_device_create_element(static_cast<GstDevice*>(item->data), nullptr);
        if (!element)
            continue;
        const bool pipewire = IsFactory(element, "pipewiresrc");
        if (!chosen || pipewire) {
            if (chosen)
                Drop(chosen);
            chosen = element;
            if (pipewire)
                break;
        } else {
            Drop(element);
        }
    }
    g_list_free_full(devices, gst.gst_object_unref);
    gst.gst_object_unref(monitor);
    return chosen;
}

void SetError(QString* error, const QString& text) {
    if (error)
        *error = text;
}

} // namespace

GstElement* CreateCameraSource(const QString& description, QString* error) {
    QString why;
    if (!EnsureGstreamer(&why)) {
        SetError(error, QStringLiteral("GStreamer cannot be used: %1").arg(why));
        return nullptr;
    }
    const CGstLibrary& gst = Gst();
    if (IsNoCamera(description)) {
        SetError(error, QStringLiteral("no camera (QUILLMARK_CAMERA=none)"));
        return nullptr;
    }
    if (description.isEmpty()) {
        if (GstElement* listed = ListedCamera(nullptr))
            return listed;
        GstElement* v4l2 = gst.gst_element_factory_make("v4l2src", nullptr);
        if (!v4l2)
            SetError(error, QStringLiteral("v4l2src is not installed"));
        return v4l2;
    }
    GError* parseError = nullptr;
    GstElement* bin =
        gst.gst_parse_bin_from_description(description.toUtf8().constData(), TRUE, &parseError);
    if (parseError) {
        SetError(error, QString::fromUtf8(parseError->message));
        g_error_free(parseError);
        if (bin)
            Drop(bin);
        return nullptr;
    }
    GstPad* pad = bin ? gst.gst_element_get_static_pad(bin, "src") : nullptr;
    if (!pad) {
        SetError(error, QStringLiteral("'%1' has no video output").arg(description));
        if (bin)
            Drop(bin);
        return nullptr;
    }
    gst.gst_object_unref(pad);
    return bin;
}

bool ProbeCameraSource(const QString& description) {
    if (!EnsureGstreamer() || IsNoCamera(description))
        return false;
    if (description.isEmpty()) {
        bool listed = false;
        if (GstElement* element = ListedCamera(&listed))
            Drop(element);
        return listed;
    }
    GstElement* source = CreateCameraSource(description);
    if (!source)
        return false;
    const CGstLibrary& gst = Gst();
    GstElement* pipeline = gst.gst_pipeline_new("camera-probe");
    gst.gst_bin_add(reinterpret_cast<GstBin*>(pipeline), source);
    const bool opens =
        gst.gst_element_set_state(pipeline, GST_STATE_READY) != GST_STATE_CHANGE_FAILURE;
    gst.gst_element_set_state(pipeline, GST_STATE_NULL);
    gst.gst_object_unref(pipeline);
    return opens;
}
