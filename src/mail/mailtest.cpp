// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mail/mailtest.h"

#include <arpa/inet.h>
#include <sys/socket.h>

#include <QString>
#include <algorithm>
#include <atomic>
#include <mutex>

#include "mail/curllib.h"
#include "mail/observation.h"
#include "mail/secrets.h"
#include "mail/testmessage.h"

namespace wks::mail {

namespace {

using Clock = std::chrono::steady_clock;

std::string latin1ToUtf8(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()))
        .toUtf8()
        .toStdString();
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The port to use; 0 when the text is no port number.
int portNumber(const std::string& text, bool ssl) {
    if (text.empty()) return ssl ? 465 : 25;
    if (text.size() > 5 || !std::all_of(text.begin(), text.end(), isDigit)) return 0;
    const int port = std::stoi(text);
    return port >= 1 && port <= 65535 ? port : 0;
}

bool isHostName(const std::string& server) {
    CURLU* url = curl().url();
    const bool ok =
        curl().url_set(url, CURLUPART_HOST, latin1ToUtf8(server).c_str(), 0) == CURLUE_OK;
    curl().url_cleanup(url);
    return ok;
}

// How one connection is made and when it may stop early.
struct AttemptPlan {
    bool ssl = false;
    bool verify = true;
    bool login = true;                             // give the account to the server
    bool deliver = false;                          // send the test message after the login
    bool reports = false;                          // this connection's steps are the test's steps
    bool (*enough)(const Observation&) = nullptr;  // stop as soon as this holds

    // The test itself: the account's way, the server verified, every step reported.
    static AttemptPlan test(bool ssl, bool deliver) {
        return {ssl, true, true, deliver, true, nullptr};
    }
    // The test again with a server whose certificate failed, not verified; the account and
    // the message go to it only when not withheld.
    AttemptPlan unverified(bool withheld) const {
        return {ssl, false, !withheld, deliver && !withheld, reports, enough};
    }
    // A look at the server, the other way than the account says, to explain a failure: no
    // account, nothing verified or reported, ended as soon as `until` holds.
    enum class Way { Plain, Ssl };
    static AttemptPlan probe(Way way, bool (*until)(const Observation&)) {
        return {way == Way::Ssl, false, false, false, false, until};
    }
};

// The data the callbacks fill, one per connection.
struct Transfer {
    explicit Transfer(const Secrets& s) : secrets(s) {}
    Observation obs;
    std::string lastCommand;
    std::vector<std::string> pending;  // lines of a reply not yet complete, codes left out
    const Secrets& secrets;            // never to be kept in a reply's text
    char error[CURL_ERROR_SIZE] = {};

    void serverLine(std::string line) {
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
        const bool last = line.size() < 4 || line[3] != '-';
        const std::string rest = line.size() > 4 ? line.substr(4) : std::string();
        if (rest == "STARTTLS") obs.offersStartTls = true;
        if (rest.rfind("AUTH ", 0) == 0 || rest.rfind("AUTH=", 0) == 0) obs.offersAuth = true;
        if (pending.empty() && !last) line[3] = ' ';  // the code, then the text
        pending.push_back(pending.empty() ? line : rest);
        if (!last) return;
        const Secrets::Masked text = secrets.mask(pending);
        Reply r{lastCommand, 0, text.joined, text.firstLine};
        const std::string& first = pending.front();
        if (first.size() >= 3 && std::all_of(first.begin(), first.begin() + 3, isDigit))
            r.code = std::stoi(first.substr(0, 3));
        if (r.command == "AUTH" && r.code == 235) obs.loggedIn = true;
        // A challenge of the login is not its answer.
        if (!(r.command == "AUTH" && r.code == 334)) obs.replies.push_back(std::move(r));
        pending.clear();
    }

    // Only the command's name is looked at: what follows may be the credentials.
    void clientLine(const char* data, std::size_t size) {
        std::size_t n = 0;
        while (n < size && n < 10 && std::isalpha(static_cast<unsigned char>(data[n]))) ++n;
        std::string command(data, n);
        for (char& c : command) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (command == "EHLO" || command == "HELO" || command == "AUTH" || command == "MAIL" ||
            command == "RCPT" || command == "DATA" || command == "QUIT")
            lastCommand = command;
        if (command == "AUTH") obs.authSent = true;
    }
};

int onDebug(CURL*, curl_infotype type, char* data, size_t size, void* user) {
    auto* t = static_cast<Transfer*>(user);
    if (type == CURLINFO_HEADER_IN) t->serverLine(std::string(data, size));
    if (type == CURLINFO_HEADER_OUT) t->clientLine(data, size);
    // TLS begins only on a connection made.
    if (type == CURLINFO_SSL_DATA_OUT) t->obs.connected = true;
    return 0;
}

curl_socket_t onOpenSocket(void* user, curlsocktype, curl_sockaddr* address) {
    auto* t = static_cast<Transfer*>(user);
    if (!t->obs.resolved) {
        char text[INET6_ADDRSTRLEN] = {};
        const void* raw = address->family == AF_INET6
                              ? static_cast<const void*>(
                                    &reinterpret_cast<sockaddr_in6*>(&address->addr)->sin6_addr)
                              : &reinterpret_cast<sockaddr_in*>(&address->addr)->sin_addr;
        inet_ntop(address->family, raw, text, sizeof text);
        t->obs.triedAddress = text;
        t->obs.resolved = true;
    }
    return socket(address->family, address->socktype | SOCK_CLOEXEC, address->protocol);
}

bool greetingArrived(const Observation& o) { return !o.replies.empty(); }
bool encryptionStarted(const Observation& o) { return o.encrypted; }

}  // namespace

struct MailTest::Impl {
    MailAccount account;
    std::optional<TestDelivery> delivery;
    MailTestOptions options;
    std::atomic<bool> cancelled{false};
    std::mutex mutex;
    CURLM* multi = nullptr;  // while running, for cancel() to wake

    // The run's state.
    int port = 0;
    std::vector<Step> steps;
    std::size_t reported = 0;  // steps whose passed line is out
    std::optional<Words> pendingWarning;
    std::optional<Secrets> secrets;
    Clock::time_point start;
    MailTestReport report;
    const LineObserver* observer = nullptr;

    Context context() const {
        return {account, port, !account.port.empty(), options, delivery ? &*delivery : nullptr};
    }

    void say(StepLine::Kind kind, Step step, Words words) {
        std::string text = english(words);
        report.lines.push_back({kind, step, std::move(words), std::move(text)});
        if (*observer) (*observer)(report.lines.back());
    }

    bool stepPassed(Step step, const Observation& o) const {
        switch (step) {
            case Step::Lookup:
                return o.resolved;
            case Step::Connection:
                return o.connected;
            case Step::Tls:
                return o.encrypted;
            case Step::Greeting:
                return o.greeted();
            case Step::Login:
                return o.loggedIn;
            case Step::Sending:
                return o.delivered;
        }
        return false;
    }

    // The first step this connection has not passed yet.
    std::size_t currentStep(const Observation& o) const {
        std::size_t i = 0;
        while (i < steps.size() && stepPassed(steps[i], o)) ++i;
        return i;
    }

    // Puts out the lines of the steps passed since the last call. The look-up's line waits for
    // the connection, so that it names the address that answered.
    void reportPassed(const Observation& o, bool ended) {
        while (reported < steps.size() && stepPassed(steps[reported], o)) {
            const Step step = steps[reported];
            if (step == Step::Lookup && !o.connected && !ended) return;
            say(StepLine::Passed, step, passedText(step, context(), o));
            ++reported;
            if (step == Step::Tls && pendingWarning) flushWarning();
        }
    }

    void flushWarning() {
        say(StepLine::Warning, Step::Tls, std::move(*pendingWarning));
        pendingWarning.reset();
    }

    Observation attempt(CURLM* m, const AttemptPlan& plan);
    void finish(Step step, const Observation& o, const Observation* probe);
    MailTestReport run(const LineObserver& observer);
};

Observation MailTest::Impl::attempt(CURLM* m, const AttemptPlan& plan) {
    Transfer t(*secrets);
    CURL* easy = curl().easy_init();
    CURLU* url = curl().url();
    curl().url_set(url, CURLUPART_SCHEME, plan.ssl ? "smtps" : "smtp", 0);
    curl().url_set(url, CURLUPART_HOST, latin1ToUtf8(account.server).c_str(), 0);
    curl().url_set(url, CURLUPART_PORT, std::to_string(port).c_str(), 0);
    curl().easy_setopt(easy, CURLOPT_CURLU, url);
    curl().easy_setopt(easy, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_NONE));
    curl().easy_setopt(easy, CURLOPT_SSL_VERIFYPEER, plan.verify ? 1L : 0L);
    curl().easy_setopt(easy, CURLOPT_SSL_VERIFYHOST, plan.verify ? 2L : 0L);
    if (!options.caFile.empty()) curl().easy_setopt(easy, CURLOPT_CAINFO, options.caFile.c_str());
    if (plan.login) {
        curl().easy_setopt(easy, CURLOPT_USERNAME, account.address.c_str());
        curl().easy_setopt(easy, CURLOPT_PASSWORD, account.password.c_str());
    }
    // Without a message the connection ends after the login, without QUIT.
    curl().easy_setopt(easy, CURLOPT_CONNECT_ONLY, plan.deliver ? 0L : 1L);
    std::unique_ptr<TestMessage> message;
    if (plan.deliver) message = std::make_unique<TestMessage>(easy, account, *delivery);
    curl().easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl().easy_setopt(easy, CURLOPT_QUICK_EXIT, 1L);  // a look-up in progress is left behind
    const auto stepSeconds = (options.limits.step.count() + 999) / 1000;
    curl().easy_setopt(easy, CURLOPT_SERVER_RESPONSE_TIMEOUT, static_cast<long>(stepSeconds));
    const auto end = start + options.limits.total;
    curl().easy_setopt(
        easy, CURLOPT_TIMEOUT_MS,
        static_cast<long>(std::max<long long>(
            1, std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count())));
    curl().easy_setopt(easy, CURLOPT_ERRORBUFFER, t.error);
    curl().easy_setopt(easy, CURLOPT_VERBOSE, 1L);  // to the callback only
    curl().easy_setopt(easy, CURLOPT_DEBUGFUNCTION, onDebug);
    curl().easy_setopt(easy, CURLOPT_DEBUGDATA, &t);
    curl().easy_setopt(easy, CURLOPT_OPENSOCKETFUNCTION, onOpenSocket);
    curl().easy_setopt(easy, CURLOPT_OPENSOCKETDATA, &t);
    curl().multi_add_handle(m, easy);

    Observation& o = t.obs;
    std::size_t step = currentStep(o);
    auto stepEnd = std::min(end, Clock::now() + options.limits.step);
    int running = 1;
    for (;;) {
        curl().multi_perform(m, &running);
        curl_off_t connectTime = 0, tlsTime = 0;
        curl().easy_getinfo(easy, CURLINFO_CONNECT_TIME_T, &connectTime);
        curl().easy_getinfo(easy, CURLINFO_APPCONNECT_TIME_T, &tlsTime);
        o.connected = o.connected || connectTime > 0 || !o.replies.empty();
        o.encrypted = plan.ssl && (o.encrypted || tlsTime > 0 || !o.replies.empty());
        if (o.connected && o.connectedAddress.empty()) {
            char* ip = nullptr;
            curl().easy_getinfo(easy, CURLINFO_PRIMARY_IP, &ip);
            o.connectedAddress = ip && *ip ? ip : o.triedAddress;
        }
        if (plan.reports) reportPassed(o, false);
        const auto now = Clock::now();
        if (currentStep(o) != step) {
            step = currentStep(o);
            stepEnd = std::min(end, now + options.limits.step);
        }
        if (!running) break;
        if (plan.enough && plan.enough(o)) {
            o.stop = Observation::Stop::Reached;
            break;
        }
        if (cancelled) {
            o.stop = Observation::Stop::Cancelled;
            break;
        }
        if (now >= stepEnd) {
            o.stop = now >= end ? Observation::Stop::TotalTime : Observation::Stop::StepTime;
            break;
        }
        const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(stepEnd - now);
        const int waitMs = static_cast<int>(std::clamp<long long>(wait.count(), 1, 1000));
        curl().multi_poll(m, nullptr, 0, waitMs, nullptr);
    }
    if (!running) {
        int left = 0;
        while (CURLMsg* msg = curl().multi_info_read(m, &left))
            if (msg->msg == CURLMSG_DONE) o.curlCode = msg->data.result;
        o.curlError = secrets->mask(std::string(t.error));
        curl().easy_getinfo(easy, CURLINFO_SSL_VERIFYRESULT, &o.verifyResult);
        if (o.curlCode == CURLE_OPERATION_TIMEDOUT)
            o.stop =
                Clock::now() >= end ? Observation::Stop::TotalTime : Observation::Stop::StepTime;
        o.delivered = plan.deliver && o.curlCode == CURLE_OK && o.loggedIn;
    }
    curl().multi_remove_handle(m, easy);
    curl().easy_cleanup(easy);
    curl().url_cleanup(url);
    return o;
}

void MailTest::Impl::finish(Step step, const Observation& o, const Observation* probe) {
    if (pendingWarning) flushWarning();
    if (cancelled) {
        report.cancelled = true;
        say(StepLine::Failed, step,
            phrase(QT_TRANSLATE_NOOP("wks::mail", "Cancelled during %1."), {stepName(step)}));
        return;
    }
    say(StepLine::Failed, step, failedText(step, context(), o, probe));
}

MailTestReport MailTest::Impl::run(const LineObserver& lineObserver) {
    observer = &lineObserver;
    report = {};
    reported = 0;
    pendingWarning.reset();
    start = Clock::now();
    port = portNumber(account.port, account.ssl);
    steps = {Step::Lookup, Step::Connection};
    if (account.ssl) steps.push_back(Step::Tls);
    steps.insert(steps.end(), {Step::Greeting, Step::Login});
    if (delivery) steps.push_back(Step::Sending);

    if (account.server.empty()) {
        say(StepLine::Failed, Step::Lookup,
            phrase(QT_TRANSLATE_NOOP("wks::mail", "%1 failed: SEND EMAIL SERVER is empty."),
                   {stepName(Step::Lookup)}));
        return report;
    }
    if (port == 0) {
        say(StepLine::Failed, Step::Connection,
            phrase(QT_TRANSLATE_NOOP("wks::mail",
                                     "%1 failed: the PORT \"%2\" is no port number (1 to 65535)."),
                   {stepName(Step::Connection), verbatim(account.port)}));
        return report;
    }
    // Only a plain mailbox goes into the dialogue and the message's headers: a line end or a
    // "<" in an address would give the server commands or recipients of its own.
    const auto badSender = addressFailed(
        Step::Login, QT_TRANSLATE_NOOP("wks::mail", "SEND EMAIL ADDRESS"), account.address);
    const auto badRecipient =
        delivery ? addressFailed(Step::Sending, QT_TRANSLATE_NOOP("wks::mail", "Receive Email 1"),
                                 delivery->to)
                 : std::nullopt;
    if (badSender || badRecipient) {
        say(StepLine::Failed, badSender ? Step::Login : Step::Sending,
            badSender ? *badSender : *badRecipient);
        return report;
    }

    std::string noCurl;
    if (!loadCurl(&noCurl)) {
        say(StepLine::Failed, Step::Lookup,
            phrase(QT_TRANSLATE_NOOP("wks::mail", "The e-mail test needs libcurl: %1"),
                   {verbatim(noCurl)}));
        return report;
    }
    if (!isHostName(account.server)) {
        say(StepLine::Failed, Step::Lookup,
            phrase(QT_TRANSLATE_NOOP("wks::mail",
                                     "%1 failed: \"%2\" is no server name: check SEND EMAIL "
                                     "SERVER."),
                   {stepName(Step::Lookup), verbatim(account.server)}));
        return report;
    }
    secrets.emplace(account.address, account.password);
    CURLM* m = curl().multi_init();
    {
        std::lock_guard lock(mutex);
        multi = m;
    }
    // One connection for a test that passes; another only to explain a failure.
    const AttemptPlan plan = AttemptPlan::test(account.ssl, delivery.has_value());
    Observation o = attempt(m, plan);
    bool withheld = false;
    if (account.ssl && o.certificateFailed() && !cancelled) {
        // The server is asked again without verifying it, as far as its capabilities; the
        // password goes to it only when the user said so.
        pendingWarning = certificateWarning(context(), o);
        withheld = !options.trustUnverified;
        o = attempt(m, plan.unverified(withheld));
    }
    reportPassed(o, true);
    if (reported == steps.size()) {
        if (pendingWarning) flushWarning();
        if (!account.ssl) say(StepLine::Warning, Step::Login, unencryptedWarning());
        report.passed = true;
    } else {
        const Step failed = steps[reported];
        std::optional<Observation> probe;
        const bool stopped =
            o.stop == Observation::Stop::Cancelled || o.stop == Observation::Stop::TotalTime;
        // A server that answers the other way than SSL says is found by asking it that way.
        if (!stopped && failed == Step::Tls && o.curlCode == CURLE_SSL_CONNECT_ERROR)
            probe = attempt(m, AttemptPlan::probe(AttemptPlan::Way::Plain, greetingArrived));
        if (!stopped && failed == Step::Greeting && !account.ssl && o.replies.empty())
            probe = attempt(m, AttemptPlan::probe(AttemptPlan::Way::Ssl, encryptionStarted));
        if (withheld && failed == Step::Login && !stopped && !cancelled) {
            report.loginWithheld = true;
            say(StepLine::Failed, Step::Login, loginWithheld(context(), o));
        } else {
            finish(failed, o, probe ? &*probe : nullptr);
        }
    }
    {
        std::lock_guard lock(mutex);
        multi = nullptr;
    }
    curl().multi_cleanup(m);
    return report;
}

const char* verdict(const MailTestReport& report) {
    return report.passed ? QT_TRANSLATE_NOOP("wks::mail", "E-mail test passed")
                         : QT_TRANSLATE_NOOP("wks::mail", "E-mail test failed");
}

MailTest::MailTest(MailAccount account, std::optional<TestDelivery> delivery,
                   MailTestOptions options)
    : impl_(std::make_unique<Impl>()) {
    impl_->account = std::move(account);
    impl_->delivery = std::move(delivery);
    impl_->options = std::move(options);
}

MailTest::~MailTest() = default;

MailTestReport MailTest::run(const LineObserver& observer) { return impl_->run(observer); }

void MailTest::cancel() {
    impl_->cancelled = true;
    std::lock_guard lock(impl_->mutex);
    if (impl_->multi) curl().multi_wakeup(impl_->multi);
}

}  // namespace wks::mail
