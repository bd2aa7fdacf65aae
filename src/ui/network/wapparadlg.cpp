// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/network/wapparadlg.h"

#include <QCoreApplication>

#include "session/prompts.h"
#include "settings/appstate.h"
#include "ui/common/accessibility.h"
#include "ui/common/latin1.h"
#include "ui/common/modalrunner.h"
#include "ui/network/mailtestrun.h"
#include "ui/network/wapadvanceddlg.h"
#include "ui_wapparadlg.h"
#include "util/cutil.h"

namespace wks::ui {
namespace {

constexpr std::size_t kClearItem = 13;

}  // namespace

CWKS_WapParaDlg::CWKS_WapParaDlg(AppState& state, QWidget* parent)
    : ScreenDialog(parent), state_(state), ui_(std::make_unique<Ui::CWKS_WapParaDlg>()) {
    ui_->setupUi(this);
    Ui::CWKS_WapParaDlg& u = *ui_;
    items_ = {u.urlEdit,           u.apnEdit,         u.ipField,       u.portEdit,
              u.accountEdit,       u.passwordEdit,    u.gprsApnEdit,   u.gprsAccountEdit,
              u.gprsPasswordEdit,  u.emailServerEdit, u.emailPortEdit, u.emailAddrEdit,
              u.emailPasswordEdit, u.clearButton};
    for (std::size_t i = 0; i < NetworkPreset::kFieldCount; ++i)
        if (i != kIpItem)
            makeLatin1Field(edit(i), isPortItem(i) ? FieldKind::Digits : FieldKind::Text);

    labelControl(u.urlLabel, u.urlEdit);
    labelControl(u.apnLabel, u.apnEdit);
    labelControl(u.ipLabel, u.ipField);
    // Both ports are labelled "PORT :"; their names say which port they are.
    labelControl(u.portLabel, u.portEdit, QStringLiteral("MMS PORT"));
    labelControl(u.accountLabel, u.accountEdit);
    labelControl(u.passwordLabel, u.passwordEdit);
    labelControl(u.gprsApnLabel, u.gprsApnEdit);
    labelControl(u.gprsAccountLabel, u.gprsAccountEdit);
    labelControl(u.gprsPasswordLabel, u.gprsPasswordEdit);
    labelControl(u.emailServerLabel, u.emailServerEdit);
    labelControl(u.emailPortLabel, u.emailPortEdit, QStringLiteral("SEND EMAIL PORT"));
    labelControl(u.emailAddrLabel, u.emailAddrEdit);
    labelControl(u.emailPasswordLabel, u.emailPasswordEdit);

    connect(u.clearButton, &QPushButton::clicked, this, [this] { ManageOtherUI(Mode::Clear); });
    connect(u.advancedButton, &QPushButton::clicked, this, &CWKS_WapParaDlg::onAdvanced);
    connect(u.okButton, &QPushButton::clicked, this, &CWKS_WapParaDlg::onOk);
    connect(u.cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(u.mailTestButton, &QPushButton::clicked, this, &CWKS_WapParaDlg::onMailTest);
    connect(u.emailServerEdit, &QLineEdit::textChanged, this,
            &CWKS_WapParaDlg::updateMailTestButton);
    connect(u.emailAddrEdit, &QLineEdit::textChanged, this, &CWKS_WapParaDlg::updateMailTestButton);
}

CWKS_WapParaDlg::~CWKS_WapParaDlg() = default;

QLineEdit* CWKS_WapParaDlg::edit(std::size_t index) const {
    return static_cast<QLineEdit*>(items_[index]);
}

void CWKS_WapParaDlg::initDialog() {
    ui_->advancedButton->setEnabled(advancedAvailable);
    ui_->advancedButton->setVisible(advancedAvailable);
    senderChanged = false;
    if (showCurrent) {
        ManageOtherUI(Mode::Load);
        ManageOtherUI(Mode::Lock);
        ui_->headerLabel->setText(QStringLiteral(
            "Current WAP / Internet Parameters As Follows, You Can Modify Highlighted 4 Items If "
            "Necessary !"));
    } else {
        smtpSsl = false;
        ManageOtherUI(Mode::Clear);
        ManageOtherUI(Mode::Unlock);
        ui_->headerLabel->setText(
            QStringLiteral("Please Input User-Defined WAP / Internet Parameters Here!"));
    }
}

WapTexts CWKS_WapParaDlg::texts() const {
    WapTexts texts;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (i == kIpItem)
            IpFieldToText(ui_->ipField->address(), texts[i]);
        else
            texts[i] = fieldBytes(edit(i));
    }
    return texts;
}

void CWKS_WapParaDlg::ManageOtherUI(Mode mode) {
    NetworkPreset& params = state_.CurrentNetworkParams;
    switch (mode) {
        case Mode::Clear:
            for (std::size_t i = 0; i < NetworkPreset::kFieldCount; ++i) {
                if (i == kIpItem)
                    ui_->ipField->clear();
                else
                    edit(i)->clear();
            }
            return;
        case Mode::Lock:
            for (std::size_t i = 0; i < kItemCount; ++i)
                item(i)->setEnabled(i >= kFirstSenderItem && i != kClearItem);
            return;
        case Mode::Unlock:
            for (QWidget* w : items_) w->setEnabled(true);
            ui_->advancedButton->setEnabled(true);
            return;
        case Mode::Save:
            SaveWapTexts(texts(), params);
            state_.SmtpSsl.assign(1, smtpSsl ? '1' : '0');
            return;
        case Mode::Load: {
            const auto fields = params.fields();
            for (std::size_t i = 0; i < fields.size(); ++i) {
                if (i != kIpItem) setFieldBytes(edit(i), *fields[i]);
            }
            if (const auto shown = TextToIpField(params.IP, params.IP))
                ui_->ipField->setAddress(*shown);
            else
                ui_->ipField->clear();
            smtpSsl = CUtil::TrimToLength(state_.SmtpSsl, -1) == "1";
            return;
        }
        case Mode::ChangeCheck:
            senderChanged = presetSelected && SenderItemsDiffer(texts(), params);
            return;
    }
    showMessage({kCaptionTips, QT_TRANSLATE_NOOP("Message", "Invalid call for ManageOtherUI()!"),
                 Buttons::Ok, Icon::Error});
}

void CWKS_WapParaDlg::onAdvanced() {
    CWKS_WapAdvancedDlg advanced(this);
    advanced.requiresSsl = smtpSsl;
    if (modalRunner().run(advanced) == QDialog::Accepted) smtpSsl = advanced.requiresSsl;
}

void CWKS_WapParaDlg::updateMailTestButton() {
    const auto typed = [](const QLineEdit* e) { return !e->text().trimmed().isEmpty(); };
    ui_->mailTestButton->setEnabled(typed(ui_->emailServerEdit) && typed(ui_->emailAddrEdit));
}

void CWKS_WapParaDlg::onMailTest() { startMailTest(false); }

void CWKS_WapParaDlg::startMailTest(bool trustUnverified) {
    // The values as OK would store them, without storing them; SSL as the Advanced screen has
    // it, and off for models that cannot send over SSL.
    NetworkPreset shown;
    SaveWapTexts(texts(), shown);
    const mail::MailAccount account{shown.SendEmailServer, shown.SendEmailPort,
                                    advancedAvailable && smtpSsl, shown.SendEmailAddr,
                                    shown.SendEmailPassword};
    // OK keeps a port's first 4 characters: the test says so when that is not what is shown.
    const std::string typedPort = CUtil::TrimToLength(fieldBytes(ui_->emailPortEdit), -1);
    mailTestNote_.clear();
    if (typedPort != shown.SendEmailPort)
        mailTestNote_ = tr("Note: port %1 is kept as %2 (a PORT keeps 4 digits), so the test "
                           "connects to %2.")
                            .arg(latin1Text(typedPort), latin1Text(shown.SendEmailPort));
    mail::MailTestOptions options;
    options.trustUnverified = trustUnverified;
    mailTest_ = std::make_unique<MailTestRun>(account, options, mailTestNote_, this);
    connect(mailTest_.get(), &MailTestRun::finished, this, &CWKS_WapParaDlg::showMailTestResult);
}

void CWKS_WapParaDlg::showMailTestResult(const mail::MailTestReport& report) {
    mailTest_.release()->deleteLater();
    if (report.cancelled) return;
    QStringList text{QCoreApplication::translate("wks::mail", mail::verdict(report))};
    if (!mailTestNote_.isEmpty()) text << mailTestNote_;
    for (const auto& line : report.lines) text << screenLine(line.words);
    if (!report.loginWithheld) {
        showMessage({kCaptionTips, Text::verbatim(text.join('\n').toStdString()), Buttons::Ok,
                     report.passed ? Icon::Information : Icon::Warning});
        return;
    }
    // The password goes to a server that could not be verified only when the user says so.
    text << QString() << tr("Send the password to this server anyway?");
    if (showMessage({kCaptionTips, Text::verbatim(text.join('\n').toStdString()), Buttons::YesNo,
                     Icon::Warning}) == Answer::Ok)
        startMailTest(true);
}

void CWKS_WapParaDlg::onOk() {
    if (showMessage({kCaptionTips,
                     QT_TRANSLATE_NOOP("Message", "Save all WAP/Internet parameters ?"),
                     Buttons::OkCancel, Icon::Question}) != Answer::Ok)
        return;
    ManageOtherUI(Mode::ChangeCheck);
    ManageOtherUI(Mode::Save);
    showMessage({kCaptionTips,
                 QT_TRANSLATE_NOOP("Message", "OK,WAP/Internet Parameters saved success !"),
                 Buttons::Ok, Icon::Information});
    accept();
}

}  // namespace wks::ui
