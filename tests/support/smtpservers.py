#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Mail servers on 127.0.0.1 for the e-mail account tests, each as a provider runs one.

usage: smtpservers.py DIR [FIRST-PORT]

Makes a self-signed certificate in DIR with openssl, then serves until standard input closes:
  plain     plain text, AUTH LOGIN and PLAIN offered without encryption
  tls       TLS from the first byte, AUTH LOGIN and PLAIN
  starttls  plain text that offers STARTTLS and allows login only after it
  silent    accepts connections and never says a word
The one account they know is camera@example.test with the password "right-pw". Ports are
chosen by the system, or FIRST-PORT and the three after it; the line "plain=P tls=P starttls=P
silent=P" on standard output says they are ready. Each message delivered is summed up in
DIR/mail/N.txt (envelope, subject, the parts as a strict MIME parser reads them) and its
attachments are kept beside it as DIR/mail/N-<file name>.
Exit status 3 when aiosmtpd is not installed.
"""

import email
import email.policy
import os
import socket
import ssl
import subprocess
import sys

try:
    from aiosmtpd.controller import Controller
    from aiosmtpd.smtp import AuthResult, LoginPassword
except ImportError:
    print("aiosmtpd is not installed (Debian: python3-aiosmtpd)", file=sys.stderr)
    sys.exit(3)

ACCOUNT = (b"camera@example.test", b"right-pw")


def authenticate(server, session, envelope, mechanism, auth_data):
    ok = isinstance(auth_data, LoginPassword) and tuple(auth_data) == ACCOUNT
    return AuthResult(success=ok, handled=False)


class Keeper:
    def __init__(self, folder):
        self.folder = folder
        os.makedirs(folder, exist_ok=True)

    async def handle_DATA(self, server, session, envelope):
        n = len([f for f in os.listdir(self.folder) if f.endswith(".txt")]) + 1
        msg = email.message_from_bytes(envelope.original_content, policy=email.policy.strict)
        lines = [
            "mail from: " + envelope.mail_from,
            "rcpt to: " + " ".join(envelope.rcpt_tos),
            "subject: " + str(msg["Subject"]),
            "from: " + str(msg["From"]),
            "to: " + str(msg["To"]),
            "date present: " + str(msg["Date"] is not None),
        ]
        for part in msg.walk():
            if part.is_multipart():
                lines.append("multipart: " + part.get_content_type())
                continue
            name = part.get_filename()
            lines.append("part: " + part.get_content_type() + (" " + name if name else ""))
            if name:
                with open(os.path.join(self.folder, "%d-%s" % (n, name)), "wb") as f:
                    f.write(part.get_payload(decode=True))
        lines.append("defects: %d" % sum(len(p.defects) for p in msg.walk()))
        with open(os.path.join(self.folder, "%d.txt" % n), "w") as f:
            f.write("\n".join(lines) + "\n")
        return "250 OK"


def free_port():
    # The controller cannot listen on port 0, so one is asked of the system first.
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def main():
    folder = sys.argv[1]
    first = int(sys.argv[2]) if len(sys.argv) > 2 else 0
    cert, key = os.path.join(folder, "cert.pem"), os.path.join(folder, "key.pem")
    subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "1",
                    "-subj", "/CN=localhost", "-keyout", key, "-out", cert],
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
    context.load_cert_chain(cert, key)

    keeper = Keeper(os.path.join(folder, "mail"))
    common = dict(hostname="127.0.0.1", authenticator=authenticate, server_hostname="mail.test")
    port = lambda i: first + i if first else free_port()
    servers = {
        "plain": Controller(keeper, port=port(0), auth_require_tls=False, **common),
        "tls": Controller(keeper, port=port(1), ssl_context=context, auth_require_tls=False,
                          **common),
        "starttls": Controller(keeper, port=port(2), tls_context=context,
                               require_starttls=True, **common),
    }
    for s in servers.values():
        s.start()
    silent = socket.socket()
    silent.bind(("127.0.0.1", port(3)))
    silent.listen(8)  # the kernel accepts; nobody ever reads or writes

    ports = {name: s.port for name, s in servers.items()}
    ports["silent"] = silent.getsockname()[1]
    print(" ".join("%s=%d" % p for p in ports.items()), flush=True)
    sys.stdin.read()
    for s in servers.values():
        s.stop()


if __name__ == "__main__":
    main()
