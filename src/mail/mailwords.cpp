// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The mail test's words: what each step showed, and for a failure what the user should change.

#include "mail/curllib.h"
#include "mail/observation.h"

namespace wks::mail {

namespace {

const char* const kSslSetting = "\"SMTP SSL\" (Advanced... on the WAP / Internet screen)";

std::string seconds(std::chrono::milliseconds ms) {
    const auto whole = ms.count() / 1000, tenths = ms.count() % 1000 / 100;
    return std::to_string(whole) + (tenths ? "." + std::to_string(tenths) : "") + " s";
}

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

std::string said(const Reply* r) { return r ? " The server said: " + quoted(r->text) : ""; }

const Reply* lastReplyTo(const Observation& o, const std::string& command) {
    for (auto it = o.replies.rbegin(); it != o.replies.rend(); ++it)
        if (it->command == command) return &*it;
    return nullptr;
}

std::string where(const Context& c) {
    return "port " + std::to_string(c.port) + " of " + c.account.server;
}

std::string curlWords(const Observation& o) {
    return o.curlError.empty() ? curl().easy_strerror(static_cast<CURLcode>(o.curlCode))
                               : o.curlError;
}

// A stop for want of time, in words; empty when the step did not run out of time.
std::string outOfTime(const Context& c, const Observation& o) {
    if (o.stop == Observation::Stop::TotalTime)
        return "the test took longer than " + seconds(c.limits.total) + " in all";
    return {};
}

bool stepTimedOut(const Observation& o) { return o.stop == Observation::Stop::StepTime; }

std::string lookupFailed(const Context& c, const Observation& o) {
    if (stepTimedOut(o))
        return "the name service did not answer within " + seconds(c.limits.step) +
               ": is this computer on the Internet?";
    if (o.curlCode == CURLE_COULDNT_RESOLVE_HOST)
        return "the server name " + quoted(c.account.server) +
               " is unknown: check SEND EMAIL SERVER (or this computer is not on the Internet).";
    return curlWords(o);
}

std::string connectionFailed(const Context& c, const Observation& o) {
    if (stepTimedOut(o))
        return "nothing answered on " + where(c) + " within " + seconds(c.limits.step) +
               ": check the PORT beside SEND EMAIL SERVER, or a firewall is in the way.";
    if (o.curlCode == CURLE_COULDNT_CONNECT)
        return "nothing listens on " + where(c) +
               ": check the PORT beside SEND EMAIL SERVER (mail providers take mail on 465 "
               "with SSL, or on 587 or 25).";
    return curlWords(o);
}

std::string tlsFailed(const Context& c, const Observation& o, const Observation* plain) {
    if (plain && plain->greeted())
        return "SMTP SSL is ticked, but the server speaks plain text on port " +
               std::to_string(c.port) + " (it said " + quoted(plain->replies.front().text) +
               "). Untick " + kSslSetting + ", or use the server's SSL port, usually 465.";
    if (stepTimedOut(o))
        return c.account.server + " took the connection on port " + std::to_string(c.port) +
               " but did not start TLS within " + seconds(c.limits.step) + ".";
    return "the encryption could not be started (" + curlWords(o) + ").";
}

std::string greetingFailed(const Context& c, const Observation& o, const Observation* tls) {
    if (tls && tls->encrypted)
        return "the server speaks TLS on port " + std::to_string(c.port) +
               ", but SMTP SSL is not ticked. Tick " + kSslSetting +
               ", or use the server's plain-text port, usually 587 or 25.";
    if (!o.replies.empty()) return "the server refused to talk." + said(&o.replies.front());
    if (stepTimedOut(o))
        return c.account.server + " took the connection on port " + std::to_string(c.port) +
               " but said nothing within " + seconds(c.limits.step) + ".";
    return "the server closed the connection without a greeting (" + curlWords(o) + ").";
}

bool wantsEncryption(const Reply* r) { return r && (r->code == 530 || r->code == 538); }

std::string loginFailed(const Context& c, const Observation& o) {
    const Reply* auth = lastReplyTo(o, "AUTH");
    if (!c.account.ssl && (wantsEncryption(auth) || (!o.authSent && o.offersStartTls)))
        return "the server wants encryption before the login (it offers STARTTLS), but SMTP "
               "SSL is not ticked. The camera must use SSL: tick " +
               std::string(kSslSetting) + " and use the server's SSL port, usually 465." +
               said(auth);
    if (stepTimedOut(o))
        return "the server did not answer the login within " + seconds(c.limits.step) + ".";
    if (!o.authSent && !o.offersAuth && o.curlCode == CURLE_OK)
        return "the server offers no login on port " + std::to_string(c.port) +
               ": check the PORT (mail providers take logins on 465 with SSL, or on 587).";
    if (!o.authSent && o.offersAuth)
        return "the server offers no way of logging in that the camera knows (" + curlWords(o) +
               ").";
    if (auth && auth->code >= 400)
        return "the server refused the address and password. The password is the likely "
               "fault (many providers want an app password for devices): check SEND EMAIL "
               "PASSWORD, then SEND EMAIL ADDRESS." +
               said(auth);
    return curlWords(o) + "." + said(o.lastReply());
}

std::string sendingFailed(const Context& c, const Observation& o) {
    if (stepTimedOut(o))
        return "the server did not answer within " + seconds(c.limits.step) +
               " while taking the test message.";
    const Reply* r = o.lastReply();
    if (r && r->code >= 400 && r->command == "MAIL")
        return "the server does not let " + c.account.address + " send." + said(r);
    if (r && r->code >= 400 && r->command == "RCPT")
        return "the server refused the recipient " + c.delivery->to + "." + said(r);
    if (r && r->code >= 400) return "the server did not take the test message." + said(r);
    return curlWords(o) + ".";
}

}  // namespace

std::string stepName(Step step) {
    static const char* const kNames[] = {"Name look-up", "Connection", "TLS",
                                         "Greeting",     "Login",      "Sending"};
    return kNames[static_cast<int>(step)];
}

std::string passedText(Step step, const Context& c, const Observation& o) {
    std::string text;
    switch (step) {
        case Step::Lookup:
            text = o.triedAddress == c.account.server
                       ? c.account.server + " is an address, nothing to look up"
                       : c.account.server + " is " +
                             (o.connected ? o.connectedAddress : o.triedAddress);
            break;
        case Step::Connection:
            text = o.connectedAddress + " answers on port " + std::to_string(c.port) +
                   (c.portGiven ? "" : " (no PORT given: the standard port)");
            break;
        case Step::Tls:
            text = "the connection is encrypted from the first byte";
            break;
        case Step::Greeting:
            text = o.replies.front().text;
            break;
        case Step::Login: {
            const Reply* r = lastReplyTo(o, "AUTH");
            text = "the server accepted " + c.account.address + " and its password" +
                   (r ? " (" + r->text + ")" : "");
            break;
        }
        case Step::Sending: {
            const Reply* r = o.lastReply();
            text = "the test message to " + c.delivery->to + " was accepted" +
                   (r ? " (" + r->text + ")" : "");
            break;
        }
    }
    return stepName(step) + ": " + text;
}

std::string failedText(Step step, const Context& c, const Observation& o,
                       const Observation* probe) {
    std::string why = outOfTime(c, o);
    if (why.empty()) {
        switch (step) {
            case Step::Lookup:
                why = lookupFailed(c, o);
                break;
            case Step::Connection:
                why = connectionFailed(c, o);
                break;
            case Step::Tls:
                why = tlsFailed(c, o, probe);
                break;
            case Step::Greeting:
                why = greetingFailed(c, o, probe);
                break;
            case Step::Login:
                why = loginFailed(c, o);
                break;
            case Step::Sending:
                why = sendingFailed(c, o);
                break;
        }
    }
    return stepName(step) + " failed: " + why;
}

std::string certificateWarning(const Observation& o) {
    return "Warning: the server's certificate cannot be verified against this computer's "
           "certificates (" +
           o.curlError + "); the camera may refuse it. The test goes on without checking it.";
}

}  // namespace wks::mail
