// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// libcurl, loaded when the first test runs rather than linked: linking it would load its two
// dozen libraries (TLS, Kerberos, LDAP, SSH, ...) at every start of the program, a test or not.

#include <curl/curl.h>

#include <string>

namespace wks::mail {

struct CurlLib {
    decltype(&::curl_easy_init) easy_init;
    decltype(&::curl_easy_setopt) easy_setopt;
    decltype(&::curl_easy_getinfo) easy_getinfo;
    decltype(&::curl_easy_cleanup) easy_cleanup;
    decltype(&::curl_easy_strerror) easy_strerror;
    decltype(&::curl_multi_init) multi_init;
    decltype(&::curl_multi_add_handle) multi_add_handle;
    decltype(&::curl_multi_remove_handle) multi_remove_handle;
    decltype(&::curl_multi_perform) multi_perform;
    decltype(&::curl_multi_poll) multi_poll;
    decltype(&::curl_multi_wakeup) multi_wakeup;
    decltype(&::curl_multi_info_read) multi_info_read;
    decltype(&::curl_multi_cleanup) multi_cleanup;
    decltype(&::curl_url) url;
    decltype(&::curl_url_set) url_set;
    decltype(&::curl_url_cleanup) url_cleanup;
    decltype(&::curl_slist_append) slist_append;
    decltype(&::curl_slist_free_all) slist_free_all;
    decltype(&::curl_mime_init) mime_init;
    decltype(&::curl_mime_addpart) mime_addpart;
    decltype(&::curl_mime_data) mime_data;
    decltype(&::curl_mime_type) mime_type;
    decltype(&::curl_mime_filename) mime_filename;
    decltype(&::curl_mime_encoder) mime_encoder;
    decltype(&::curl_mime_free) mime_free;
};

// The library, loaded and initialised once; nullptr when it cannot be loaded, with the reason
// in `error` when given.
const CurlLib* loadCurl(std::string* error = nullptr);

// The library once loadCurl() has succeeded.
inline const CurlLib& curl() { return *loadCurl(); }

}  // namespace wks::mail
