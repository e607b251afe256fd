#pragma once

// libcurl, loaded the first time a message is submitted instead of at every start: with its
// TLS, Kerberos, LDAP and SSH libraries it costs more at start-up than the whole program's own
// initialisation, and only sending uses it. The program compiles against <curl/curl.h> and
// types each entry from the header's own prototype, so a changed signature fails to build.

#include <QString>

#include <curl/curl.h>

class CCurlLibrary {
public:
    decltype(&::curl_easy_init) curl_easy_init = nullptr;
    decltype(&::curl_easy_setopt) curl_easy_setopt = nullptr; // variadic: pass long, pointers, ...
    decltype(&::curl_easy_perform) curl_easy_perform = nullptr;
    decltype(&::curl_easy_getinfo) curl_easy_getinfo = nullptr;
    decltype(&::curl_easy_cleanup) curl_easy_cleanup = nullptr;
    decltype(&::curl_easy_strerror) curl_easy_strerror = nullptr;
    decltype(&::curl_slist_append) curl_slist_append = nullptr;
    decltype(&::curl_slist_free_all) curl_slist_free_all = nullptr;

    // The library, loaded and globally initialised once per process (thread-safe) and never
    // unloaded; null when it is missing, lacks a function or does not start, with `error`
    // saying which (the loader's own message, naming the file or the function).
    // QM_CURL_LIBRARY, read on the first call, names another file to load: a seam for tests
    // and for packagers whose libcurl has another name.
    static const CCurlLibrary* Load(QString* error);
};
