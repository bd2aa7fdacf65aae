// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The test message, as the camera sends a picture: subject "WKS CONFIG test", a short text and
// a small JPEG picture attached, MIME-correct, from the sender address to one recipient.

#include <curl/curl.h>

#include <string>

#include "mail/mailtest.h"

namespace wks::mail {

inline constexpr const char* kTestSubject = "WKS CONFIG test";
inline constexpr const char* kTestPictureName = "IMAG0001.JPG";

// The picture the message carries (a JPEG file kept in the program).
std::string testPicture();

// Puts the message onto a transfer (envelope, headers, parts); they live as long as this.
class TestMessage {
  public:
    TestMessage(CURL* easy, const MailAccount& account, const TestDelivery& delivery);
    ~TestMessage();
    TestMessage(const TestMessage&) = delete;
    TestMessage& operator=(const TestMessage&) = delete;

  private:
    curl_slist* recipients_ = nullptr;
    curl_slist* headers_ = nullptr;
    curl_mime* mime_ = nullptr;
};

}  // namespace wks::mail
