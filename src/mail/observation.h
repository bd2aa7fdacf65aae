// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What one connection to the mail server showed, as libcurl reported it, and the words made of
// it. Internal to the mail test.

#include <optional>
#include <string>
#include <vector>

#include "mail/mailtest.h"

namespace wks::mail {

// A server's reply, the password masked in it wherever it appeared.
struct Reply {
    std::string command;  // the command it answers ("" for the greeting), upper case
    int code = 0;
    std::string text;       // its lines joined by blanks, the codes of continuation lines left out
    std::string firstLine;  // the code and its first line
};

struct Observation {
    std::string triedAddress;      // the first address a connection was tried to
    std::string connectedAddress;  // the address that answered
    bool resolved = false, connected = false, encrypted = false;
    std::vector<Reply> replies;
    bool offersStartTls = false, offersAuth = false;
    bool authSent = false, loggedIn = false, delivered = false;
    int curlCode = 0;       // the CURLcode the transfer ended with
    std::string curlError;  // libcurl's own words for it
    long verifyResult = 0;  // OpenSSL's verdict on the server's certificate (X509_V_*)
    enum class Stop { Ended, Reached, StepTime, TotalTime, Cancelled } stop = Stop::Ended;

    bool greeted() const { return !replies.empty() && replies.front().code / 100 == 2; }
    const Reply* lastReply() const { return replies.empty() ? nullptr : &replies.back(); }
    // The server's certificate, or this computer's certificates, stopped the connection.
    bool certificateFailed() const;
};

// What the words need besides the observation.
struct Context {
    const MailAccount& account;
    int port;
    bool portGiven;
    const MailTestOptions& options;
    const TestDelivery* delivery;
};

Words stepName(Step step);
Words passedText(Step step, const Context& c, const Observation& o);
// Why `step` failed. `probe` is the other kind of connection tried to tell plain text from TLS
// (nullptr when none was tried).
Words failedText(Step step, const Context& c, const Observation& o, const Observation* probe);
// What is wrong with a certificate that failed, and whether the password is sent all the same.
Words certificateWarning(const Context& c, const Observation& o);
// The login that was not tried because of the certificate; `o` is the connection that went as
// far as the server's capabilities without it.
Words loginWithheld(const Context& c, const Observation& o);
Words unencryptedWarning();
// Why `address` is not one plain mailbox, which alone may go into the SMTP dialogue and the
// message's headers; nothing when it is one. `field` names where the address was typed.
std::optional<Words> addressFailed(Step step, const char* field, const std::string& address);

}  // namespace wks::mail
