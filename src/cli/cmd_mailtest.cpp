// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// mail-test: logs in to the sender account of a settings file as the camera will.

#include <filesystem>
#include <iostream>

#include "cli/commands.h"
#include "cli/terminal.h"
#include "mail/mailtest.h"
#include "settings/settingsfile.h"
#include "util/cutil.h"

namespace wks::cli {

int cmdMailTest(Args& args) {
    auto modelName = args.option("model");
    const bool send = args.flag("send");
    mail::MailTestOptions options;
    options.trustUnverified = args.flag("trust-unverified");
    auto p =
        args.expect(1, "wks-settings mail-test FILE --model MODEL [--send] [--trust-unverified]");
    const CameraModel& model = requireModel(modelName);
    requireDocument(p[0]);

    // Read as the program reads the file, so the values are those the camera gets.
    AppState state;
    Recipients recipients;
    SettingsFile file(model.displayName, state, recipients);
    file.savePath = std::filesystem::absolute(p[0]).string();
    // requireDocument has just read the file whole; reading it again does not fail.
    (void)file.Mng_WapInternetPara(Transfer::Read, SettingsCopy::Card);
    (void)file.Mng_ReceivePara(Transfer::Read, SettingsCopy::Card);
    const NetworkPreset& net = state.CurrentNetworkParams;
    mail::MailAccount account{net.SendEmailServer, net.SendEmailPort,
                              model.hasSmtpSsl && state.SmtpSsl == "1", net.SendEmailAddr,
                              net.SendEmailPassword};
    std::optional<mail::TestDelivery> delivery;
    if (send) {
        const std::string to = CUtil::TrimToLength(recipients.texts[Recipients::ReceiveEmail1], -1);
        if (to.empty()) throw UsageError("--send needs a ReceiveEmail1 in the file to send to");
        delivery = mail::TestDelivery{to};
    }

    mail::MailTest test(account, delivery, options);
    const auto report = test.run(
        [](const mail::StepLine& line) { std::cout << printable(line.text) << std::endl; });
    if (report.loginWithheld)
        std::cout << "Add --trust-unverified to send the password to this server all the same.\n";
    std::cout << mail::verdict(report) << "\n";
    return report.passed ? kExitOk : kExitProblem;
}

}  // namespace wks::cli
