#pragma once

// GStreamer, loaded the first time the camera is looked for rather than linked: the core
// library with its base, app and video libraries cost every start of the program, and the
// terminal commands never use the camera. The headers still give the types and prototypes, so
// the table below fails to compile when a signature changes. GLib and GObject stay linked
// (the mail layer and Qt bring them anyway): their functions are called directly.
//
// Header macros that call a GStreamer function are not used on the table's libraries: casts
// such as GST_BIN() call *_get_type(), gst_caps_unref() and gst_sample_unref() are inline
// calls of gst_mini_object_unref(), GST_VALUE_HOLDS_LIST() reads a library variable. The
// camera code casts plainly and calls the table's function instead.

#include <QString>

#include <gst/app/gstappsink.h>
#include <gst/gst.h>
#include <gst/video/video.h>

// The GStreamer functions the camera uses, named as GStreamer names them.
struct CGstLibrary {
    // libgstreamer-1.0
    decltype(&::gst_bin_add) gst_bin_add = nullptr;
    decltype(&::gst_bin_add_many) gst_bin_add_many = nullptr; // variadic, null-terminated
    decltype(&::gst_bin_get_by_name) gst_bin_get_by_name = nullptr;
    decltype(&::gst_bus_set_sync_handler) gst_bus_set_sync_handler = nullptr;
    decltype(&::gst_caps_from_string) gst_caps_from_string = nullptr;
    decltype(&::gst_caps_get_size) gst_caps_get_size = nullptr;
    decltype(&::gst_caps_get_structure) gst_caps_get_structure = nullptr;
    decltype(&::gst_caps_is_any) gst_caps_is_any = nullptr;
    decltype(&::gst_caps_to_string) gst_caps_to_string = nullptr;
    decltype(&::gst_device_create_element) gst_device_create_element = nullptr;
    decltype(&::gst_device_monitor_add_filter) gst_device_monitor_add_filter = nullptr;
    decltype(&::gst_device_monitor_get_devices) gst_device_monitor_get_devices = nullptr;
    decltype(&::gst_device_monitor_new) gst_device_monitor_new = nullptr;
    decltype(&::gst_element_factory_make) gst_element_factory_make = nullptr;
    decltype(&::gst_element_get_bus) gst_element_get_bus = nullptr;
    decltype(&::gst_element_get_factory) gst_element_get_factory = nullptr;
    decltype(&::gst_element_get_static_pad) gst_element_get_static_pad = nullptr;
    decltype(&::gst_element_link_many) gst_element_link_many = nullptr; // variadic
    decltype(&::gst_element_set_state) gst_element_set_state = nullptr;
    decltype(&::gst_event_parse_tag) gst_event_parse_tag = nullptr;
    decltype(&::gst_int_range_get_type) gst_int_range_get_type = nullptr;
    decltype(&::gst_message_parse_error) gst_message_parse_error = nullptr;
    decltype(&::gst_mini_object_unref) gst_mini_object_unref = nullptr;
    decltype(&::gst_object_ref_sink) gst_object_ref_sink = nullptr;
    decltype(&::gst_object_unref) gst_object_unref = nullptr;
    decltype(&::gst_pad_add_probe) gst_pad_add_probe = nullptr;
    decltype(&::gst_pad_get_current_caps) gst_pad_get_current_caps = nullptr;
    decltype(&::gst_pad_is_linked) gst_pad_is_linked = nullptr;
    decltype(&::gst_pad_link) gst_pad_link = nullptr;
    decltype(&::gst_pad_query_caps) gst_pad_query_caps = nullptr;
    decltype(&::gst_parse_bin_from_description) gst_parse_bin_from_description = nullptr;
    decltype(&::gst_pipeline_new) gst_pipeline_new = nullptr;
    decltype(&::gst_sample_get_buffer) gst_sample_get_buffer = nullptr;
    decltype(&::gst_sample_get_caps) gst_sample_get_caps = nullptr;
    decltype(&::gst_structure_get_int) gst_structure_get_int = nullptr;
    decltype(&::gst_structure_get_value) gst_structure_get_value = nullptr;
    decltype(&::gst_structure_has_field) gst_structure_has_field = nullptr;
    decltype(&::gst_structure_has_name) gst_structure_has_name = nullptr;
    decltype(&::gst_tag_list_get_string) gst_tag_list_get_string = nullptr;
    decltype(&::gst_value_get_int_range_max) gst_value_get_int_range_max = nullptr;
    decltype(&::gst_value_get_int_range_min) gst_value_get_int_range_min = nullptr;
    decltype(&::gst_value_list_get_size) gst_value_list_get_size = nullptr;
    decltype(&::gst_value_list_get_type) gst_value_list_get_type = nullptr;
    decltype(&::gst_value_list_get_value) gst_value_list_get_value = nullptr;
    // libgstapp-1.0
    decltype(&::gst_app_sink_pull_sample) gst_app_sink_pull_sample = nullptr;
    decltype(&::gst_app_sink_set_callbacks) gst_app_sink_set_callbacks = nullptr;
    // libgstvideo-1.0
    decltype(&::gst_video_frame_map) gst_video_frame_map = nullptr;
    decltype(&::gst_video_frame_unmap) gst_video_frame_unmap = nullptr;
    decltype(&::gst_video_info_from_caps) gst_video_info_from_caps = nullptr;

    // Releases caps, a sample or another mini object (what gst_caps_unref does).
    template <typename T> void Unref(T* miniObject) const {
        gst_mini_object_unref(reinterpret_cast<GstMiniObject*>(miniObject));
    }
};

// GStreamer's three libraries, loaded, resolved and started (gst_init) on the first call, from
// any thread, and kept for the life of the process; null when one cannot be loaded, lacks a
// function or GStreamer does not start, with the reason in `why` (may be null). The camera is
// then absent. The reason goes to the log once.
//
// The environment variable QM_GSTREAMER_LIBRARY, read once, names another file to load instead
// of libgstreamer-1.0.so.0: tests use a name that does not exist, packagers may name a private
// copy. libgstapp-1.0.so.0 and libgstvideo-1.0.so.0 (QM_GSTREAMER_APP_LIBRARY and
// QM_GSTREAMER_VIDEO_LIBRARY) are loaded only once the core library is.
const CGstLibrary* GstLibrary(QString* why = nullptr);
