// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What one connection to the mail server showed, as libcurl reported it, and the words made of
// it. Internal to the mail test.

#include <string>
#include <vector>

#include "mail/mailtest.h"

namespace wks::mail {

struct Reply {
    std::string command;  // the command it answers ("" for the greeting), upper case
    int code = 0;
    std::string text;  // its lines joined, the codes of continuation lines left out
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
    enum class Stop { Ended, Reached, StepTime, TotalTime, Cancelled } stop = Stop::Ended;

    bool greeted() const { return !replies.empty() && replies.front().code / 100 == 2; }
    const Reply* lastReply() const { return replies.empty() ? nullptr : &replies.back(); }
};

// What the words need besides the observation.
struct Context {
    const MailAccount& account;
    int port;
    bool portGiven;
    const MailTestLimits& limits;
    const TestDelivery* delivery;
};

std::string stepName(Step step);
std::string passedText(Step step, const Context& c, const Observation& o);
// Why `step` failed. `probe` is the other kind of connection tried to tell plain text from TLS
// (nullptr when none was tried).
std::string failedText(Step step, const Context& c, const Observation& o, const Observation* probe);
std::string certificateWarning(const Observation& o);

}  // namespace wks::mail
