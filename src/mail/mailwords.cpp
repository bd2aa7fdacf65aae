// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The mail test's words: what each step showed, and for a failure what the user should change.

#include <QtGlobal>
#include <string_view>

#include "mail/curllib.h"
#include "mail/observation.h"

namespace wks::mail {

namespace {

// At most this much of a server's reply is quoted: enough for its code and its reason.
constexpr std::size_t kQuoted = 200;

Words sslSetting() {
    return phrase(
        QT_TRANSLATE_NOOP("wks::mail", "\"SMTP SSL\" (Advanced... on the WAP / Internet screen)"));
}

Words seconds(std::chrono::milliseconds ms) {
    const auto whole = ms.count() / 1000, tenths = ms.count() % 1000 / 100;
    return verbatim(std::to_string(whole) + (tenths ? "." + std::to_string(tenths) : "") + " s");
}

Words number(int n) { return verbatim(std::to_string(n)); }

// A reply as it is quoted: one line of at most kQuoted characters. Of a reply to the login only
// the code and the first line: what follows may repeat what the login sent.
Words quoted(const Reply& r) {
    std::string text = r.command == "AUTH" ? r.firstLine : r.text;
    for (char& ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x20 || (c >= 0x7F && c < 0xA0)) ch = ' ';
    }
    if (text.size() > kQuoted) text = text.substr(0, kQuoted) + "...";
    return verbatim(std::move(text));
}

Words said(const Reply* r) {
    return r ? phrase(QT_TRANSLATE_NOOP("wks::mail", " The server said: \"%1\""), {quoted(*r)})
             : verbatim({});
}

const Reply* lastReplyTo(const Observation& o, const std::string& command) {
    for (auto it = o.replies.rbegin(); it != o.replies.rend(); ++it)
        if (it->command == command) return &*it;
    return nullptr;
}

Words server(const Context& c) { return verbatim(c.account.server); }

Words where(const Context& c) {
    return phrase(QT_TRANSLATE_NOOP("wks::mail", "port %1 of %2"), {number(c.port), server(c)});
}

Words curlWords(const Observation& o) {
    return verbatim(o.curlError.empty() ? curl().easy_strerror(static_cast<CURLcode>(o.curlCode))
                                        : o.curlError);
}

bool stepTimedOut(const Observation& o) { return o.stop == Observation::Stop::StepTime; }

Words lookupFailed(const Context& c, const Observation& o) {
    if (stepTimedOut(o))
        return phrase(QT_TRANSLATE_NOOP("wks::mail",
                                        "the name service did not answer within %1: is this "
                                        "computer on the Internet?"),
                      {seconds(c.options.limits.step)});
    if (o.curlCode == CURLE_COULDNT_RESOLVE_HOST)
        return phrase(QT_TRANSLATE_NOOP("wks::mail",
                                        "the server name \"%1\" is unknown: check SEND EMAIL "
                                        "SERVER (or this computer is not on the Internet)."),
                      {server(c)});
    return curlWords(o);
}

Words connectionFailed(const Context& c, const Observation& o) {
    if (stepTimedOut(o))
        return phrase(QT_TRANSLATE_NOOP("wks::mail",
                                        "nothing answered on %1 within %2: check the PORT beside "
                                        "SEND EMAIL SERVER, or a firewall is in the way."),
                      {where(c), seconds(c.options.limits.step)});
    if (o.curlCode == CURLE_COULDNT_CONNECT)
        return phrase(QT_TRANSLATE_NOOP("wks::mail",
                                        "nothing listens on %1: check the PORT beside SEND EMAIL "
                                        "SERVER (mail providers take mail on 465 with SSL, or on "
                                        "587 or 25)."),
                      {where(c)});
    return curlWords(o);
}

Words tlsFailed(const Context& c, const Observation& o, const Observation* plain) {
    if (plain && plain->greeted())
        return phrase(QT_TRANSLATE_NOOP("wks::mail",
                                        "SMTP SSL is ticked, but the server speaks plain text on "
                                        "port %1 (it said \"%2\"). Untick %3, or use the server's "
                                        "SSL port, usually 465."),
                      {number(c.port), quoted(plain->replies.front()), sslSetting()});
    if (stepTimedOut(o))
        return phrase(QT_TRANSLATE_NOOP("wks::mail",
                                        "%1 took the connection on port %2 but did not start TLS "
                                        "within %3."),
                      {server(c), number(c.port), seconds(c.options.limits.step)});
    return phrase(QT_TRANSLATE_NOOP("wks::mail", "the encryption could not be started (%1)."),
                  {curlWords(o)});
}

Words greetingFailed(const Context& c, const Observation& o, const Observation* tls) {
    if (tls && tls->encrypted)
        return phrase(QT_TRANSLATE_NOOP("wks::mail",
                                        "the server speaks TLS on port %1, but SMTP SSL is not "
                                        "ticked. Tick %2, or use the server's plain-text port, "
                                        "usually 587 or 25."),
                      {number(c.port), sslSetting()});
    if (!o.replies.empty())
        return phrase(QT_TRANSLATE_NOOP("wks::mail", "the server refused to talk.%1"),
                      {said(&o.replies.front())});
    if (stepTimedOut(o))
        return phrase(QT_TRANSLATE_NOOP("wks::mail",
                                        "%1 took the connection on port %2 but said nothing "
                                        "within %3."),
                      {server(c), number(c.port), seconds(c.options.limits.step)});
    return phrase(
        QT_TRANSLATE_NOOP("wks::mail", "the server closed the connection without a greeting (%1)."),
        {curlWords(o)});
}

bool wantsEncryption(const Reply* r) { return r && (r->code == 530 || r->code == 538); }

Words loginFailed(const Context& c, const Observation& o) {
    const Reply* auth = lastReplyTo(o, "AUTH");
    if (!c.account.ssl && (wantsEncryption(auth) || (!o.authSent && o.offersStartTls)))
        return phrase(QT_TRANSLATE_NOOP("wks::mail",
                                        "the server wants encryption before the login (it offers "
                                        "STARTTLS), but SMTP SSL is not ticked. The camera must "
                                        "use SSL: tick %1 and use the server's SSL port, usually "
                                        "465.%2"),
                      {sslSetting(), said(auth)});
    if (stepTimedOut(o))
        return phrase(
            QT_TRANSLATE_NOOP("wks::mail", "the server did not answer the login within %1."),
            {seconds(c.options.limits.step)});
    if (!o.authSent && !o.offersAuth && o.curlCode == CURLE_OK)
        return phrase(QT_TRANSLATE_NOOP("wks::mail",
                                        "the server offers no login on port %1: check the PORT "
                                        "(mail providers take logins on 465 with SSL, or on "
                                        "587)."),
                      {number(c.port)});
    if (!o.authSent && o.offersAuth)
        return phrase(QT_TRANSLATE_NOOP("wks::mail",
                                        "the server offers no way of logging in that the camera "
                                        "knows (%1)."),
                      {curlWords(o)});
    if (auth && auth->code >= 400)
        return phrase(QT_TRANSLATE_NOOP("wks::mail",
                                        "the server refused the address and password. The "
                                        "password is the likely fault (many providers want an "
                                        "app password for devices): check SEND EMAIL PASSWORD, "
                                        "then SEND EMAIL ADDRESS.%1"),
                      {said(auth)});
    return phrase(QT_TRANSLATE_NOOP("wks::mail", "%1.%2"), {curlWords(o), said(o.lastReply())});
}

Words sendingFailed(const Context& c, const Observation& o) {
    if (stepTimedOut(o))
        return phrase(QT_TRANSLATE_NOOP("wks::mail",
                                        "the server did not answer within %1 while taking the "
                                        "test message."),
                      {seconds(c.options.limits.step)});
    const Reply* r = o.lastReply();
    if (r && r->code >= 400 && r->command == "MAIL")
        return phrase(QT_TRANSLATE_NOOP("wks::mail", "the server does not let %1 send.%2"),
                      {verbatim(c.account.address), said(r)});
    if (r && r->code >= 400 && r->command == "RCPT")
        return phrase(QT_TRANSLATE_NOOP("wks::mail", "the server refused the recipient %1.%2"),
                      {verbatim(c.delivery->to), said(r)});
    if (r && r->code >= 400)
        return phrase(QT_TRANSLATE_NOOP("wks::mail", "the server did not take the test message.%1"),
                      {said(r)});
    return phrase(QT_TRANSLATE_NOOP("wks::mail", "%1."), {curlWords(o)});
}

// OpenSSL's verdicts on a certificate (X509_V_ERR_*), in words.
struct CertificateProblem {
    long verifyResult;
    const char* words;
};
constexpr CertificateProblem kCertificateProblems[] = {
    {18, QT_TRANSLATE_NOOP("wks::mail", "it is self-signed")},
    {19, QT_TRANSLATE_NOOP("wks::mail", "it is self-signed")},
    {10, QT_TRANSLATE_NOOP("wks::mail", "it has expired")},
    {9, QT_TRANSLATE_NOOP("wks::mail", "it is not valid yet")},
    {2, QT_TRANSLATE_NOOP("wks::mail", "it is signed by an authority this computer does not know")},
    {20,
     QT_TRANSLATE_NOOP("wks::mail", "it is signed by an authority this computer does not know")},
    {21,
     QT_TRANSLATE_NOOP("wks::mail", "it is signed by an authority this computer does not know")},
};

Words certificateProblem(const Context& c, const Observation& o) {
    if (o.curlCode == CURLE_SSL_CACERT_BADFILE)
        return phrase(
            QT_TRANSLATE_NOOP("wks::mail", "this computer's certificates cannot be read"));
    for (const CertificateProblem& p : kCertificateProblems)
        if (p.verifyResult == o.verifyResult) return phrase(p.words);
    // libcurl checks the name before it reads the chain's verdict, which stays "unspecified"
    // (1) until then: a chain that verified, or was not read, leaves the name to have failed.
    if (o.verifyResult == 0 || o.verifyResult == 1)
        return phrase(QT_TRANSLATE_NOOP("wks::mail", "it is made out to another name than %1"),
                      {server(c)});
    return phrase(QT_TRANSLATE_NOOP("wks::mail", "it is not accepted"));
}

// Why a mailbox is not one plain mailbox: the first fault found.
std::optional<Words> mailboxProblem(const std::string& address) {
    if (address.empty()) return phrase(QT_TRANSLATE_NOOP("wks::mail", "is empty"));
    for (char ch : address) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x20 || (c >= 0x7F && c < 0xA0))
            return phrase(QT_TRANSLATE_NOOP("wks::mail", "holds a control character"));
        if (c == ' ' || c == 0xA0) return phrase(QT_TRANSLATE_NOOP("wks::mail", "holds a blank"));
        // What would end the address or add another in "<...>" and in a header.
        if (std::string_view("<>,;\"").find(ch) != std::string_view::npos)
            return phrase(QT_TRANSLATE_NOOP("wks::mail", "holds \"%1\""),
                          {verbatim(std::string(1, ch))});
    }
    const auto at = address.find('@');
    if (at == std::string::npos) return phrase(QT_TRANSLATE_NOOP("wks::mail", "has no \"@\""));
    if (address.find('@', at + 1) != std::string::npos)
        return phrase(QT_TRANSLATE_NOOP("wks::mail", "holds more than one \"@\""));
    if (at == 0) return phrase(QT_TRANSLATE_NOOP("wks::mail", "has nothing before its \"@\""));
    if (at + 1 == address.size())
        return phrase(QT_TRANSLATE_NOOP("wks::mail", "has nothing after its \"@\""));
    return std::nullopt;
}

}  // namespace

Words stepName(Step step) {
    static const char* const kNames[] = {QT_TRANSLATE_NOOP("wks::mail", "Name look-up"),
                                         QT_TRANSLATE_NOOP("wks::mail", "Connection"),
                                         QT_TRANSLATE_NOOP("wks::mail", "TLS"),
                                         QT_TRANSLATE_NOOP("wks::mail", "Greeting"),
                                         QT_TRANSLATE_NOOP("wks::mail", "Login"),
                                         QT_TRANSLATE_NOOP("wks::mail", "Sending")};
    return phrase(kNames[static_cast<int>(step)]);
}

Words passedText(Step step, const Context& c, const Observation& o) {
    Words text;
    switch (step) {
        case Step::Lookup:
            text =
                o.triedAddress == c.account.server
                    ? phrase(QT_TRANSLATE_NOOP("wks::mail", "%1 is an address, nothing to look up"),
                             {server(c)})
                    : phrase(
                          QT_TRANSLATE_NOOP("wks::mail", "%1 is %2"),
                          {server(c), verbatim(o.connected ? o.connectedAddress : o.triedAddress)});
            break;
        case Step::Connection:
            text = phrase(c.portGiven ? QT_TRANSLATE_NOOP("wks::mail", "%1 answers on port %2")
                                      : QT_TRANSLATE_NOOP("wks::mail",
                                                          "%1 answers on port %2 (no PORT given: "
                                                          "the standard port)"),
                          {verbatim(o.connectedAddress), number(c.port)});
            break;
        case Step::Tls:
            text = phrase(QT_TRANSLATE_NOOP("wks::mail",
                                            "the connection is encrypted from the "
                                            "first byte"));
            break;
        case Step::Greeting:
            text = quoted(o.replies.front());
            break;
        case Step::Login: {
            const Reply* r = lastReplyTo(o, "AUTH");
            const Words address = verbatim(c.account.address);
            text = r ? phrase(QT_TRANSLATE_NOOP("wks::mail",
                                                "the server accepted %1 and its password (%2)"),
                              {address, quoted(*r)})
                     : phrase(QT_TRANSLATE_NOOP("wks::mail",
                                                "the server accepted %1 and its password"),
                              {address});
            break;
        }
        case Step::Sending: {
            const Reply* r = o.lastReply();
            const Words to = verbatim(c.delivery->to);
            text = r ? phrase(QT_TRANSLATE_NOOP("wks::mail",
                                                "the test message to %1 was accepted (%2)"),
                              {to, quoted(*r)})
                     : phrase(QT_TRANSLATE_NOOP("wks::mail", "the test message to %1 was accepted"),
                              {to});
            break;
        }
    }
    return phrase(QT_TRANSLATE_NOOP("wks::mail", "%1: %2"), {stepName(step), text});
}

Words failedText(Step step, const Context& c, const Observation& o, const Observation* probe) {
    Words why;
    if (o.stop == Observation::Stop::TotalTime) {
        why = phrase(QT_TRANSLATE_NOOP("wks::mail", "the test took longer than %1 in all"),
                     {seconds(c.options.limits.total)});
    } else {
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
    return phrase(QT_TRANSLATE_NOOP("wks::mail", "%1 failed: %2"), {stepName(step), why});
}

bool Observation::certificateFailed() const {
    return curlCode == CURLE_PEER_FAILED_VERIFICATION || curlCode == CURLE_SSL_CACERT_BADFILE;
}

Words certificateWarning(const Context& c, const Observation& o) {
    return phrase(c.options.trustUnverified
                      ? QT_TRANSLATE_NOOP("wks::mail",
                                          "Warning: the server's certificate cannot be verified: "
                                          "%1 (%2); the password is sent anyway, as asked.")
                      : QT_TRANSLATE_NOOP("wks::mail",
                                          "Warning: the server's certificate cannot be verified: "
                                          "%1 (%2)."),
                  {certificateProblem(c, o), curlWords(o)});
}

Words loginWithheld(const Context& c, const Observation& o) {
    const Words noLogin =
        o.offersAuth ? verbatim({})
                     : phrase(QT_TRANSLATE_NOOP("wks::mail",
                                                " Besides, the server offers no login on port %1."),
                              {number(c.port)});
    return phrase(
        QT_TRANSLATE_NOOP("wks::mail", "%1 not tried: %2"),
        {stepName(Step::Login),
         phrase(QT_TRANSLATE_NOOP("wks::mail",
                                  "the password was not sent, because the server's certificate "
                                  "cannot be verified: whoever answered may not be the mail "
                                  "server. The camera may refuse the certificate too: ask the "
                                  "mail provider which server name and port to use.%1"),
                {noLogin})});
}

Words unencryptedWarning() {
    return phrase(QT_TRANSLATE_NOOP("wks::mail",
                                    "Warning: the password crossed the network unencrypted, as it "
                                    "will from the camera."));
}

std::optional<Words> addressFailed(Step step, const char* field, const std::string& address) {
    std::optional<Words> problem = mailboxProblem(address);
    if (!problem) return std::nullopt;
    return phrase(QT_TRANSLATE_NOOP("wks::mail", "%1 failed: %2"),
                  {stepName(step),
                   phrase(QT_TRANSLATE_NOOP("wks::mail",
                                            "%1 %2; an e-mail address is one plain mailbox, such "
                                            "as name@example.org. The test stopped before "
                                            "connecting."),
                          {phrase(field), *problem})});
}

}  // namespace wks::mail
