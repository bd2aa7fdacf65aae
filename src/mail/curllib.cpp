// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mail/curllib.h"

#include <dlfcn.h>

namespace wks::mail {

namespace {

constexpr const char* kLibrary = "libcurl.so.4";

struct Loaded {
    CurlLib lib{};
    bool ok = false;
    std::string error;
};

template <typename F>
bool take(void* handle, F& to, const char* name, std::string& error) {
    to = reinterpret_cast<F>(::dlsym(handle, name));
    if (!to && error.empty()) error = std::string(kLibrary) + " has no " + name;
    return to != nullptr;
}

Loaded load() {
    Loaded l;
    void* h = ::dlopen(kLibrary, RTLD_NOW | RTLD_LOCAL);
    if (!h) {
        const char* why = ::dlerror();
        l.error = why ? why : std::string(kLibrary) + " cannot be loaded";
        return l;
    }
    CurlLib& c = l.lib;
    std::string& e = l.error;
    decltype(&::curl_global_init) globalInit = nullptr;
    l.ok = take(h, globalInit, "curl_global_init", e) & take(h, c.easy_init, "curl_easy_init", e) &
           take(h, c.easy_setopt, "curl_easy_setopt", e) &
           take(h, c.easy_getinfo, "curl_easy_getinfo", e) &
           take(h, c.easy_cleanup, "curl_easy_cleanup", e) &
           take(h, c.easy_strerror, "curl_easy_strerror", e) &
           take(h, c.multi_init, "curl_multi_init", e) &
           take(h, c.multi_add_handle, "curl_multi_add_handle", e) &
           take(h, c.multi_remove_handle, "curl_multi_remove_handle", e) &
           take(h, c.multi_perform, "curl_multi_perform", e) &
           take(h, c.multi_poll, "curl_multi_poll", e) &
           take(h, c.multi_wakeup, "curl_multi_wakeup", e) &
           take(h, c.multi_info_read, "curl_multi_info_read", e) &
           take(h, c.multi_cleanup, "curl_multi_cleanup", e) & take(h, c.url, "curl_url", e) &
           take(h, c.url_set, "curl_url_set", e) & take(h, c.url_cleanup, "curl_url_cleanup", e) &
           take(h, c.slist_append, "curl_slist_append", e) &
           take(h, c.slist_free_all, "curl_slist_free_all", e) &
           take(h, c.mime_init, "curl_mime_init", e) &
           take(h, c.mime_addpart, "curl_mime_addpart", e) &
           take(h, c.mime_data, "curl_mime_data", e) & take(h, c.mime_type, "curl_mime_type", e) &
           take(h, c.mime_filename, "curl_mime_filename", e) &
           take(h, c.mime_encoder, "curl_mime_encoder", e) &
           take(h, c.mime_free, "curl_mime_free", e);
    if (l.ok && globalInit(CURL_GLOBAL_DEFAULT) != CURLE_OK) {
        l.ok = false;
        l.error = std::string(kLibrary) + " could not be initialised";
    }
    return l;
}

}  // namespace

const CurlLib* loadCurl(std::string* error) {
    static const Loaded loaded = load();  // once, also when tests run from several threads
    if (!loaded.ok && error) *error = loaded.error;
    return loaded.ok ? &loaded.lib : nullptr;
}

}  // namespace wks::mail
