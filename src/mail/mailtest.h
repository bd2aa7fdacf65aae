// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The e-mail account test: logs in to the sender's mail server as the camera will, step by
// step — name look-up, connection, TLS when SSL is ticked (TLS from the first byte), greeting,
// login with the address as the user name, and optionally sending a test message — and says
// what failed in words a user can act on. Nothing is written anywhere; the password goes only
// to the server, and never over a connection whose certificate failed unless the user said so.

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "mail/words.h"

namespace wks::mail {

// The sender account as the camera uses it. Texts are bytes (Latin-1), as the settings hold
// them.
struct MailAccount {
    std::string server;  // a name or an address
    std::string port;    // digits; empty means the standard port (465 with SSL, else 25)
    bool ssl = false;    // TLS from the first byte
    std::string address;
    std::string password;
};

// A test message to send after the login: from the sender address to `to`.
struct TestDelivery {
    std::string to;
};

enum class Step { Lookup, Connection, Tls, Greeting, Login, Sending };

struct StepLine {
    enum Kind { Passed, Warning, Failed };
    Kind kind;
    Step step;
    Words words;       // the whole line
    std::string text;  // the words in English, Latin-1
};

struct MailTestReport {
    std::vector<StepLine> lines;
    bool passed = false;
    bool cancelled = false;
    // The server's certificate could not be verified, so the password was not sent.
    bool loginWithheld = false;
};

// The first line of what a test says, "E-mail test passed" or "E-mail test failed": an English
// source text of the context "wks::mail".
const char* verdict(const MailTestReport& report);

struct MailTestLimits {
    std::chrono::milliseconds step{10000};
    std::chrono::milliseconds total{20000};
};

struct MailTestOptions {
    // Log in also when the server's certificate cannot be verified: the user asked for it.
    bool trustUnverified = false;
    // The authorities a server's certificate is verified against; empty: this computer's own.
    std::string caFile;
    MailTestLimits limits;
};

class MailTest {
  public:
    explicit MailTest(MailAccount account, std::optional<TestDelivery> delivery = {},
                      MailTestOptions options = {});
    ~MailTest();
    MailTest(const MailTest&) = delete;
    MailTest& operator=(const MailTest&) = delete;

    // Runs the test on the calling thread; each line is also given to `observer` as soon as it
    // is known (on the same thread).
    using LineObserver = std::function<void(const StepLine&)>;
    MailTestReport run(const LineObserver& observer = {});
    // Stops a running test at once; from any thread, at any moment, also before run().
    void cancel();

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace wks::mail
