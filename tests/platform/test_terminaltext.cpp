// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The one step that every text from outside takes to the terminal.

#include <QtTest>

#include "platform/terminaltext.h"

using namespace wks;

class TestTerminalText : public QObject {
    Q_OBJECT
  private slots:
    // UTF-8 text keeps every character but the controls; a byte that begins no well-formed
    // character (a lone 0x9B, an overlong or cut form) is escaped too, so none of its bytes
    // reaches a terminal that reads 8-bit controls.
    void utf8_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("shown");
        QTest::newRow("letters") << QByteArray("/media/\xc3\xa5sa/\xe2\x82\xac \xf0\x9f\x93\xb7")
                                 << QByteArray("/media/\xc3\xa5sa/\xe2\x82\xac \xf0\x9f\x93\xb7");
        QTest::newRow("C0 and DEL")
            << QByteArray("a\x1b]0;x\x07\t\x7f") << QByteArray("a\\x1b]0;x\\x07\\x09\\x7f");
        QTest::newRow("C1 as UTF-8") << QByteArray(
                                            "\xc2\x9b"
                                            "2J\xc2\x85\xc2\xa0")
                                     << QByteArray("\\xc2\\x9b2J\\xc2\\x85\xc2\xa0");
        QTest::newRow("raw 0x9B") << QByteArray(
                                         "\x9b"
                                         "31m")
                                  << QByteArray("\\x9b31m");
        QTest::newRow("overlong CSI")
            << QByteArray("\xc1\x9b\xe0\x82\x9b") << QByteArray("\\xc1\\x9b\\xe0\\x82\\x9b");
        QTest::newRow("surrogate") << QByteArray("\xed\xa0\x80") << QByteArray("\\xed\\xa0\\x80");
        QTest::newRow("cut at the end") << QByteArray("x\xe2\x82") << QByteArray("x\\xe2\\x82");
    }
    void utf8() {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, shown);
        QCOMPARE(QByteArray::fromStdString(printablePath(text.toStdString())), shown);
    }

    // Latin-1 (a file's value) becomes UTF-8; its controls are escaped as the file's bytes.
    void latin1AndLines() {
        QCOMPARE(QByteArray::fromStdString(printable("\xe9\x9b\x1b\xa0\x7f")),
                 QByteArray("\xc3\xa9\\x9b\\x1b\xc2\xa0\\x7f"));
        // A message keeps its own lines; every other control in them is escaped.
        QCOMPARE(printableLines("Can't save\nD: is /m/\x1b[2J\r\n"),
                 std::string("Can't save\nD: is /m/\\x1b[2J\\x0d\n"));
    }
};

QTEST_GUILESS_MAIN(TestTerminalText)
#include "test_terminaltext.moc"
