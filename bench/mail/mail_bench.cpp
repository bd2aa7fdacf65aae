// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The e-mail account test's time beside curl's login to the same mail server on 127.0.0.1:
// in this process, the test against libcurl's bare login (the same library, no steps, no
// words), and as programs, `wks-settings mail-test` against `curl`, where wks-settings's own
// start is part of the figure and is printed beside it. A test that passes makes one
// connection, as curl does; the aim is at most 1.2 times curl's time. Medians of runs that
// take turns, so that a busy machine weighs on both sides alike.

#include <curl/curl.h>
#include <sys/wait.h>

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "mail/mailtest.h"
#include "support/child.h"
#include "support/smtpservers.h"

using namespace wks;

namespace {

constexpr int kRuns = 40;
const char* const kAddress = "camera@example.test";
const char* const kPassword = "right-pw";

using Clock = std::chrono::steady_clock;

double milliseconds(const std::function<bool()>& run, bool& ok) {
    const auto start = Clock::now();
    ok = run() && ok;
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// The least libcurl does to log in: connect, greet, say EHLO, authenticate, and stop there.
bool bareLogin(const std::string& url, const std::string& caFile) {
    CURL* easy = curl_easy_init();
    curl_easy_setopt(easy, CURLOPT_URL, url.c_str());
    curl_easy_setopt(easy, CURLOPT_USERNAME, kAddress);
    curl_easy_setopt(easy, CURLOPT_PASSWORD, kPassword);
    curl_easy_setopt(easy, CURLOPT_CONNECT_ONLY, 1L);
    curl_easy_setopt(easy, CURLOPT_CAINFO, caFile.c_str());
    const bool ok = curl_easy_perform(easy) == CURLE_OK;
    curl_easy_cleanup(easy);
    return ok;
}

bool program(const std::vector<std::string>& args) {
    int status = 0;
    waitpid(bench::startQuiet(args), &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void row(const char* what, const std::function<bool()>& test, const std::function<bool()>& curl) {
    std::vector<double> ours, theirs;
    bool ok = true;
    for (int i = 0; i < kRuns; ++i) {
        ours.push_back(milliseconds(test, ok));
        theirs.push_back(milliseconds(curl, ok));
    }
    const double a = median(ours), b = median(theirs);
    std::printf("  %-28s %8.2f ms  %8.2f ms  %5.2fx%s\n", what, a, b, a / b,
                ok ? "" : "  (a login failed)");
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    test::SmtpServers servers;
    if (!servers.failure().isEmpty()) {
        std::printf("mail-bench: no mail servers: %s\n", qPrintable(servers.failure()));
        return 0;
    }
    const std::string ca = servers.caFile().toStdString();
    const auto port = [&](const char* kind) { return std::to_string(servers.port(kind)); };
    const auto ourTest = [&](const char* kind, bool ssl) {
        return [&, kind, ssl] {
            mail::MailTestOptions options;
            options.caFile = ca;
            mail::MailTest test({"127.0.0.1", port(kind), ssl, kAddress, kPassword}, {}, options);
            return test.run().passed;
        };
    };
    const std::string plainUrl = "smtp://127.0.0.1:" + port("plain");
    const std::string tlsUrl = "smtps://127.0.0.1:" + port("verified");

    std::printf("mail-bench: the e-mail test beside curl's login on 127.0.0.1, median of %d\n",
                kRuns);
    std::printf("  %-28s %11s  %11s  %6s\n", "", "test", "curl", "ratio");
    row("plain, in one process", ourTest("plain", false), [&] { return bareLogin(plainUrl, ca); });
    row("TLS, in one process", ourTest("verified", true), [&] { return bareLogin(tlsUrl, ca); });

    const QString curlProgram = QStandardPaths::findExecutable("curl");
    if (curlProgram.isEmpty()) {
        std::printf("  (no curl program: the programs are not compared)\n");
        return 0;
    }
    QTemporaryDir dir;
    const QString file = dir.filePath("KT470RX.TXT");
    QFile settings(file);
    settings.open(QIODevice::WriteOnly);
    settings.write(QString("[Via Internet Settings]\r\nSendEmailServer=127.0.0.1\r\n"
                           "SendEmailPort=%1\r\nSendEmailAddr=%2\r\nSendEmailPassword=%3\r\n")
                       .arg(QString::fromStdString(port("plain")), kAddress, kPassword)
                       .toLatin1());
    settings.close();
    row(
        "plain, as programs",
        [&] {
            return program(
                {WKS_SETTINGS_EXE, "mail-test", file.toStdString(), "--model", "KT470RX-8PRO"});
        },
        [&] {
            return program({curlProgram.toStdString(), "-s", plainUrl, "--user",
                            std::string(kAddress) + ":" + kPassword});
        });
    // What the programs' figures hold besides the test: wks-settings's own start (Qt).
    std::vector<double> start;
    bool ok = true;
    for (int i = 0; i < kRuns; ++i)
        start.push_back(milliseconds([] { return program({WKS_SETTINGS_EXE, "--version"}); }, ok));
    std::printf("  %-28s %8.2f ms\n", "wks-settings --version alone", median(start));
    return 0;
}
