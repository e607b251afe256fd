#pragma once

// libsecret, loaded the first time a password is looked up in the desktop's secret store
// instead of at every start: with libgcrypt and GIO it costs every run, and only sending mail
// through an account without another password source uses it. The program compiles against
// <libsecret/secret.h> and types each entry from the header's own prototype. GLib calls
// (g_error_free) stay linked: the camera's GStreamer keeps GLib loaded anyway.

#include <QString>

#include <libsecret/secret.h>

class CSecretLibrary {
public:
    decltype(&::secret_password_lookup_sync) secret_password_lookup_sync = nullptr; // variadic
    decltype(&::secret_password_free) secret_password_free = nullptr;

    // The library, loaded once per process, thread-safe, and never unloaded; null when it is
    // missing or lacks a function, with `error` saying which (the loader's own message).
    // QM_SECRET_LIBRARY, read on the first call, names another file to load: a seam for tests
    // and packagers.
    static const CSecretLibrary* Load(QString* error);
};
