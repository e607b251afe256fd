#pragma once

// GMime, loaded the first time a message is written instead of at every start: it and its
// GIO, GPGME and IDN libraries cost every run, and only sending mail uses them. The program
// compiles against <gmime/gmime.h> and types each entry from the header's own prototype, so a
// changed signature fails to build. GLib and GObject calls (g_object_unref, g_free) stay
// linked: the camera's GStreamer keeps them loaded anyway.

#include <QString>

#include <gmime/gmime.h>

class CGMimeLibrary {
public:
    decltype(&::g_mime_message_new) g_mime_message_new = nullptr;
    decltype(&::g_mime_message_add_mailbox) g_mime_message_add_mailbox = nullptr;
    decltype(&::g_mime_message_get_addresses) g_mime_message_get_addresses = nullptr;
    decltype(&::g_mime_message_set_subject) g_mime_message_set_subject = nullptr;
    decltype(&::g_mime_message_set_date) g_mime_message_set_date = nullptr;
    decltype(&::g_mime_message_set_message_id) g_mime_message_set_message_id = nullptr;
    decltype(&::g_mime_message_set_mime_part) g_mime_message_set_mime_part = nullptr;
    decltype(&::g_mime_utils_generate_message_id) g_mime_utils_generate_message_id = nullptr;
    decltype(&::internet_address_mailbox_new) internet_address_mailbox_new = nullptr;
    decltype(&::internet_address_list_add) internet_address_list_add = nullptr;
    decltype(&::g_mime_multipart_new_with_subtype) g_mime_multipart_new_with_subtype = nullptr;
    decltype(&::g_mime_multipart_add) g_mime_multipart_add = nullptr;
    decltype(&::g_mime_text_part_new_with_subtype) g_mime_text_part_new_with_subtype = nullptr;
    decltype(&::g_mime_text_part_set_text) g_mime_text_part_set_text = nullptr;
    decltype(&::g_mime_part_new_with_type) g_mime_part_new_with_type = nullptr;
    decltype(&::g_mime_part_set_content) g_mime_part_set_content = nullptr;
    decltype(&::g_mime_part_set_content_encoding) g_mime_part_set_content_encoding = nullptr;
    decltype(&::g_mime_object_set_disposition) g_mime_object_set_disposition = nullptr;
    decltype(&::g_mime_object_get_header_list) g_mime_object_get_header_list = nullptr;
    decltype(&::g_mime_object_write_to_stream) g_mime_object_write_to_stream = nullptr;
    decltype(&::g_mime_header_list_get_header) g_mime_header_list_get_header = nullptr;
    decltype(&::g_mime_header_set_raw_value) g_mime_header_set_raw_value = nullptr;
    decltype(&::g_mime_data_wrapper_new_with_stream) g_mime_data_wrapper_new_with_stream = nullptr;
    decltype(&::g_mime_stream_fs_open) g_mime_stream_fs_open = nullptr;
    decltype(&::g_mime_stream_flush) g_mime_stream_flush = nullptr;
    decltype(&::g_mime_stream_close) g_mime_stream_close = nullptr;
    decltype(&::g_mime_stream_length) g_mime_stream_length = nullptr;

    // The library, loaded and initialised (g_mime_init) once per process, thread-safe, and
    // never unloaded; null when it is missing or lacks a function, with `error` saying which
    // (the loader's own message, naming the file or the function). QM_GMIME_LIBRARY, read on
    // the first call, names another file to load: a seam for tests and packagers.
    static const CGMimeLibrary* Load(QString* error);
};
