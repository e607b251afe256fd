#pragma once

// libheif, loaded when the first HEIF picture is read rather than linked: loading it with its
// codec libraries (libde265, which initialises itself, x265, aom, dav1d) cost every start of
// the program, and most runs never meet a HEIF picture. The header still gives the types and
// prototypes, so the table below fails to compile when a signature changes.

#include <libheif/heif.h>

// The libheif functions the decoder uses, named as libheif names them.
struct CHeifLibrary {
    decltype(&::heif_context_alloc) heif_context_alloc = nullptr;
    decltype(&::heif_context_free) heif_context_free = nullptr;
    decltype(&::heif_context_read_from_memory_without_copy)
        heif_context_read_from_memory_without_copy = nullptr;
    decltype(&::heif_context_get_primary_image_handle) heif_context_get_primary_image_handle =
        nullptr;
    decltype(&::heif_image_handle_release) heif_image_handle_release = nullptr;
    decltype(&::heif_image_handle_get_width) heif_image_handle_get_width = nullptr;
    decltype(&::heif_image_handle_get_height) heif_image_handle_get_height = nullptr;
    decltype(&::heif_image_handle_has_alpha_channel) heif_image_handle_has_alpha_channel = nullptr;
    decltype(&::heif_decode_image) heif_decode_image = nullptr;
    decltype(&::heif_image_release) heif_image_release = nullptr;
    decltype(&::heif_image_get_width) heif_image_get_width = nullptr;
    decltype(&::heif_image_get_height) heif_image_get_height = nullptr;
    decltype(&::heif_image_get_plane_readonly) heif_image_get_plane_readonly = nullptr;
    decltype(&::heif_image_get_bits_per_pixel_range) heif_image_get_bits_per_pixel_range = nullptr;
};

// The runtime library's functions, loaded and resolved on the first call (from any thread) and
// kept for the life of the process; null when the library cannot be loaded or lacks one of
// them, and then HEIF pictures cannot be read. The reason goes to the log once.
//
// The environment variable QM_HEIF_LIBRARY, read once, names another library to load instead
// of libheif.so.1: tests use a name that does not exist, packagers may name a private copy.
const CHeifLibrary* HeifLibrary();
