#include "camera/GstLibrary.h"

#include "app/Log.h"
#include "platform/SharedLibrary.h"

namespace {

using CLoaded = platform::CLoadedLibrary<CGstLibrary>;

void ResolveCore(platform::CSharedLibrary& so, CGstLibrary& t) {
    QM_RESOLVE(so, t, gst_bin_add);
    QM_RESOLVE(so, t, gst_bin_add_many);
    QM_RESOLVE(so, t, gst_bin_get_by_name);
    QM_RESOLVE(so, t, gst_bus_set_sync_handler);
    QM_RESOLVE(so, t, gst_caps_from_string);
    QM_RESOLVE(so, t, gst_caps_get_size);
    QM_RESOLVE(so, t, gst_caps_get_structure);
    QM_RESOLVE(so, t, gst_caps_is_any);
    QM_RESOLVE(so, t, gst_caps_to_string);
    QM_RESOLVE(so, t, gst_device_create_element);
    QM_RESOLVE(so, t, gst_device_monitor_add_filter);
    QM_RESOLVE(so, t, gst_device_monitor_get_devices);
    QM_RESOLVE(so, t, gst_device_monitor_new);
    QM_RESOLVE(so, t, gst_element_factory_make);
    QM_RESOLVE(so, t, gst_element_get_bus);
    QM_RESOLVE(so, t, gst_element_get_factory);
    QM_RESOLVE(so, t, gst_element_get_static_pad);
    QM_RESOLVE(so, t, gst_element_link_many);
    QM_RESOLVE(so, t, gst_element_set_state);
    QM_RESOLVE(so, t, gst_event_parse_tag);
    QM_RESOLVE(so, t, gst_int_range_get_type);
    QM_RESOLVE(so, t, gst_message_parse_error);
    QM_RESOLVE(so, t, gst_mini_object_unref);
    QM_RESOLVE(so, t, gst_object_ref_sink);
    QM_RESOLVE(so, t, gst_object_unref);
    QM_RESOLVE(so, t, gst_pad_add_probe);
    QM_RESOLVE(so, t, gst_pad_get_current_caps);
    QM_RESOLVE(so, t, gst_pad_is_linked);
    QM_RESOLVE(so, t, gst_pad_link);
    QM_RESOLVE(so, t, gst_pad_query_caps);
    QM_RESOLVE(so, t, gst_parse_bin_from_description);
    QM_RESOLVE(so, t, gst_pipeline_new);
    QM_RESOLVE(so, t, gst_sample_get_buffer);
    QM_RESOLVE(so, t, gst_sample_get_caps);
    QM_RESOLVE(so, t, gst_structure_get_int);
    QM_RESOLVE(so, t, gst_structure_get_value);
    QM_RESOLVE(so, t, gst_structure_has_field);
    QM_RESOLVE(so, t, gst_structure_has_name);
    QM_RESOLVE(so, t, gst_tag_list_get_string);
    QM_RESOLVE(so, t, gst_value_get_int_range_max);
    QM_RESOLVE(so, t, gst_value_get_int_range_min);
    QM_RESOLVE(so, t, gst_value_list_get_size);
    QM_RESOLVE(so, t, gst_value_list_get_type);
    QM_RESOLVE(so, t, gst_value_list_get_value);
}

QString LoadInto(CGstLibrary& t) {
    platform::CSharedLibrary core("libgstreamer-1.0.so.0", "QM_GSTREAMER_LIBRARY");
    struct {
        decltype(&::gst_init_check) gst_init_check = nullptr;
    } start;
    QM_RESOLVE(core, start, gst_init_check);
    ResolveCore(core, t);
    // A function is null only with an error; the analyser cannot see that through Resolve.
    if (!core.Error().isEmpty() || !start.gst_init_check)
        return core.Error();
    // The others need the core library (their own dependency), so they are opened only once
    // it is there.
    platform::CSharedLibrary app("libgstapp-1.0.so.0", "QM_GSTREAMER_APP_LIBRARY");
    QM_RESOLVE(app, t, gst_app_sink_pull_sample);
    QM_RESOLVE(app, t, gst_app_sink_set_callbacks);
    if (!app.Error().isEmpty())
        return app.Error();
    platform::CSharedLibrary video("libgstvideo-1.0.so.0", "QM_GSTREAMER_VIDEO_LIBRARY");
    QM_RESOLVE(video, t, gst_video_frame_map);
    QM_RESOLVE(video, t, gst_video_frame_unmap);
    QM_RESOLVE(video, t, gst_video_info_from_caps);
    if (!video.Error().isEmpty())
        return video.Error();
    GError* error = nullptr;
    const bool started = start.gst_init_check(nullptr, nullptr, &error);
    QString why;
    if (!started)
        why =
            error ? QString::fromUtf8(error->message) : QStringLiteral("GStreamer does not start");
    if (error)
        g_error_free(error);
    return why;
}

CLoaded LoadOnce() {
    CLoaded loaded;
    loaded.error = LoadInto(loaded.table);
    if (!loaded.error.isEmpty())
        LogRecord(kLogError, "camera: GStreamer cannot be used: %s",
                  loaded.error.toUtf8().constData());
    return loaded;
}

} // namespace

const CGstLibrary* GstLibrary(QString* why) {
    static const CLoaded loaded = LoadOnce();
    return loaded.Get(why);
}
