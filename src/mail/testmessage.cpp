// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mail/testmessage.h"

#include <QDateTime>
#include <QFile>
#include <QUuid>

#include "mail/curllib.h"

namespace wks::mail {

std::string testPicture() {
    QFile file(QStringLiteral(":/mail/IMAG0001.JPG"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    return bytes.toStdString();
}

TestMessage::TestMessage(CURL* easy, const MailAccount& account, const TestDelivery& delivery) {
    recipients_ = curl().slist_append(recipients_, ("<" + delivery.to + ">").c_str());
    curl().easy_setopt(easy, CURLOPT_MAIL_FROM, ("<" + account.address + ">").c_str());
    curl().easy_setopt(easy, CURLOPT_MAIL_RCPT, recipients_);

    const std::string date = QDateTime::currentDateTime().toString(Qt::RFC2822Date).toStdString();
    const std::string id = QUuid::createUuid().toString(QUuid::WithoutBraces).toStdString();
    for (const std::string& h :
         {"Date: " + date, "From: <" + account.address + ">", "To: <" + delivery.to + ">",
          std::string("Subject: ") + kTestSubject, "Message-ID: <" + id + "@wks-config>"})
        headers_ = curl().slist_append(headers_, h.c_str());
    curl().easy_setopt(easy, CURLOPT_HTTPHEADER, headers_);

    mime_ = curl().mime_init(easy);
    const std::string text =
        "This message comes from WKS CONFIG, which tested the camera's sender account " +
        account.address + " on " + account.server +
        ".\r\nThe camera sends its pictures from this account in the same way; the picture "
        "attached stands for one.\r\n";
    curl_mimepart* part = curl().mime_addpart(mime_);
    curl().mime_data(part, text.data(), text.size());
    curl().mime_type(part, "text/plain; charset=ISO-8859-1");
    curl().mime_encoder(part, "quoted-printable");

    const std::string picture = testPicture();
    part = curl().mime_addpart(mime_);
    curl().mime_data(part, picture.data(), picture.size());
    curl().mime_type(part, "image/jpeg");
    curl().mime_filename(part, kTestPictureName);
    curl().mime_encoder(part, "base64");
    curl().easy_setopt(easy, CURLOPT_MIMEPOST, mime_);
}

TestMessage::~TestMessage() {
    curl().mime_free(mime_);
    curl().slist_free_all(headers_);
    curl().slist_free_all(recipients_);
}

}  // namespace wks::mail
