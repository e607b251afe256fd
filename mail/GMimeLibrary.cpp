#include "mail/GMimeLibrary.h"

#include "platform/SharedLibrary.h"

namespace {

using CLoaded = platform::CLoadedLibrary<CGMimeLibrary>;

CLoaded LoadOnce() {
    platform::CSharedLibrary so("libgmime-3.0.so.0", "QM_GMIME_LIBRARY");
    CLoaded loaded;
    CGMimeLibrary& l = loaded.table;
    struct {
        decltype(&::g_mime_init) g_mime_init = nullptr;
    } start;
    QM_RESOLVE(so, start, g_mime_init);
    QM_RESOLVE(so, l, g_mime_message_new);
    QM_RESOLVE(so, l, g_mime_message_add_mailbox);
    QM_RESOLVE(so, l, g_mime_message_get_addresses);
    QM_RESOLVE(so, l, g_mime_message_set_subject);
    QM_RESOLVE(so, l, g_mime_message_set_date);
    QM_RESOLVE(so, l, g_mime_message_set_message_id);
    QM_RESOLVE(so, l, g_mime_message_set_mime_part);
    QM_RESOLVE(so, l, g_mime_utils_generate_message_id);
    QM_RESOLVE(so, l, internet_address_mailbox_new);
    QM_RESOLVE(so, l, internet_address_list_add);
    QM_RESOLVE(so, l, g_mime_multipart_new_with_subtype);
    QM_RESOLVE(so, l, g_mime_multipart_add);
    QM_RESOLVE(so, l, g_mime_text_part_new_with_subtype);
    QM_RESOLVE(so, l, g_mime_text_part_set_text);
    QM_RESOLVE(so, l, g_mime_part_new_with_type);
    QM_RESOLVE(so, l, g_mime_part_set_content);
    QM_RESOLVE(so, l, g_mime_part_set_content_encoding);
    QM_RESOLVE(so, l, g_mime_object_set_disposition);
    QM_RESOLVE(so, l, g_mime_object_get_header_list);
    QM_RESOLVE(so, l, g_mime_object_write_to_stream);
    QM_RESOLVE(so, l, g_mime_header_list_get_header);
    QM_RESOLVE(so, l, g_mime_header_set_raw_value);
    QM_RESOLVE(so, l, g_mime_data_wrapper_new_with_stream);
    QM_RESOLVE(so, l, g_mime_stream_fs_open);
    QM_RESOLVE(so, l, g_mime_stream_flush);
    QM_RESOLVE(so, l, g_mime_stream_close);
    QM_RESOLVE(so, l, g_mime_stream_length);
    if (so.Error().isEmpty())
        start.g_mime_init();
    loaded.error = so.Error();
    return loaded;
}

} // namespace

const CGMimeLibrary* CGMimeLibrary::Load(QString* error) {
    static const CLoaded loaded = LoadOnce();
    return loaded.Get(error);
}
