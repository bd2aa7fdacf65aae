// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A message's English text: the values go into the template unchanged and in one pass, and the
// notes follow on lines of their own.

#include <QTest>

#include "platform/message.h"

using namespace wks;

class TestMessage : public QObject {
    Q_OBJECT
  private slots:
    void english() {
        struct {
            Message message;
            const char* expected;
        } rows[] = {
            {{kAppTitle, {"Failed to delete %1 !", {"E:\\DCIM\\A.WAV"}}},
             "Failed to delete E:\\DCIM\\A.WAV !"},
            // A value that looks like a place for another value stays as it is.
            {{kCaptionTips, {"\"%1\" and \"%2\"", {"%2", "100%1"}}}, "\"%2\" and \"100%1\""},
            // Bytes outside ASCII pass through; a "%" that names no value stays.
            {{kCaptionTips, {"%1 at 50% %3", {"\xe5\xe4"}}}, "\xe5\xe4 at 50% %3"},
            {{kCaptionTips,
              "Sava all parameters to \"%1\" ?",
              Buttons::OkCancel,
              Icon::Question,
              {Text::verbatim("No space left on device"), Text::verbatim("D: is /mnt/%1")}},
             "Sava all parameters to \"%1\" ?\nNo space left on device\nD: is /mnt/%1"},
        };
        for (const auto& r : rows) {
            QCOMPARE(r.message.english(), std::string(r.expected));
            Message same = r.message;
            same.text = Text::verbatim(r.message.text.english());
            QVERIFY(same == r.message);  // equal as the user sees them
            QVERIFY(!same.text.context && r.message.text.context == kMessageContext);
        }
    }
};

QTEST_GUILESS_MAIN(TestMessage)
#include "test_message.moc"
