#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Mail servers on 127.0.0.1 for the e-mail account tests, each as a provider runs one, or as a
hostile one would.

usage: smtpservers.py DIR [FIRST-PORT | --short-ports]

Makes its certificates in DIR, then serves until standard input closes:
  plain     plain text, AUTH LOGIN and PLAIN offered without encryption
  tls       TLS from the first byte with a self-signed certificate, AUTH LOGIN and PLAIN
  verified  TLS from the first byte with a certificate for 127.0.0.1 signed by DIR/ca.pem
  expired   the same, with a certificate of the same authority that expired in 2020
  starttls  plain text that offers STARTTLS and allows login only after it
  silent    accepts connections and never says a word
  echo      plain text; refuses every login with a reply that echoes the password: as hex, as
            base64 without padding, and cut in two over the reply's first two lines
  huge      plain text with a greeting of 1,100 lines (276 KB), then as plain
The one account they know is camera@example.test with the password "right-pw". Ports are
chosen by the system, or FIRST-PORT and those after it in the order above (silent last), or
below 10000 with --short-ports (a screen keeps 4 digits of a port); the line "plain=P tls=P ..."
on standard output says they are ready. Each connection taken and each
login asked for is logged as a line "connect" or "auth" in DIR/log/<server>. Each message
delivered is summed up in DIR/mail/N.txt (envelope, subject, the parts as a strict MIME parser
reads them) and its attachments are kept beside it as DIR/mail/N-<file name>.
Exit status 3 when aiosmtpd or python3-cryptography is not installed.
"""

import base64
import datetime
import email
import email.policy
import ipaddress
import os
import random
import socket
import ssl
import sys

try:
    from aiosmtpd.controller import Controller
    from aiosmtpd.smtp import SMTP, AuthResult, LoginPassword
    from cryptography import x509
    from cryptography.hazmat.primitives import hashes, serialization
    from cryptography.hazmat.primitives.asymmetric import ec
    from cryptography.x509.oid import NameOID
except ImportError as missing:
    print("%s (Debian: python3-aiosmtpd python3-cryptography)" % missing, file=sys.stderr)
    sys.exit(3)

ACCOUNT = (b"camera@example.test", b"right-pw")


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


class HugeGreeting(SMTP):
    """Says 1,099 lines of 250 bytes before the one line aiosmtpd greets with."""

    async def push(self, status):
        if not getattr(self, "greeted", False):
            self.greeted = True
            for i in range(1099):
                await super().push("220-%04d " % i + "x" * 239)
        await super().push(status)


def echoing(password, address):
    """The refusal of a careless server that repeats what it was sent."""
    b64 = base64.b64encode(b"\0" + address + b"\0" + password).decode().rstrip("=")
    half = len(password) // 2
    return ("535-5.7.8 Refused %s %s for %s\r\n535 %s is wrong"
            % (password.hex(), b64, password[:half].decode(), password[half:].decode()))


class Server(Controller):
    """A controller that logs each connection it takes, before any TLS, and each login."""

    def __init__(self, handler, log, smtp_class=SMTP, echo=False, **kwargs):
        self.log_file, self.smtp_class, self.echo, self.logging = log, smtp_class, echo, False
        kwargs["authenticator"] = self.authenticate
        super().__init__(handler, **kwargs)

    def log(self, event):
        if self.logging:
            with open(self.log_file, "a") as f:
                f.write(event + "\n")

    def factory(self):
        self.log("connect")
        return self.smtp_class(self.handler, **self.SMTP_kwargs)

    def authenticate(self, server, session, envelope, mechanism, auth_data):
        self.log("auth")
        given = tuple(auth_data) if isinstance(auth_data, LoginPassword) else None
        if not self.echo or given is None:
            return AuthResult(success=given == ACCOUNT, handled=False)
        return AuthResult(success=False, handled=False, message=echoing(given[1], given[0]))


def certificates(folder):
    """A self-signed certificate, an authority, and two certificates for 127.0.0.1 that it
    signed: one valid for a day, one that expired long ago."""
    def key():
        return ec.generate_private_key(ec.SECP256R1())

    def name(text):
        return x509.Name([x509.NameAttribute(NameOID.COMMON_NAME, text)])

    def write(stem, cert, private):
        paths = (os.path.join(folder, stem + ".pem"), os.path.join(folder, stem + ".key"))
        with open(paths[0], "wb") as f:
            f.write(cert.public_bytes(serialization.Encoding.PEM))
        with open(paths[1], "wb") as f:
            f.write(private.private_bytes(serialization.Encoding.PEM,
                                          serialization.PrivateFormat.PKCS8,
                                          serialization.NoEncryption()))
        return paths

    def make(subject, private, issuer, signer, start, days, ca=False, ip=None):
        builder = (x509.CertificateBuilder().subject_name(name(subject)).issuer_name(name(issuer))
                   .public_key(private.public_key()).serial_number(x509.random_serial_number())
                   .not_valid_before(start).not_valid_after(start + datetime.timedelta(days=days))
                   .add_extension(x509.BasicConstraints(ca=ca, path_length=None), critical=True))
        if ip:
            builder = builder.add_extension(
                x509.SubjectAlternativeName([x509.IPAddress(ipaddress.ip_address(ip))]), False)
        return builder.sign(signer, hashes.SHA256())

    now = datetime.datetime.utcnow() - datetime.timedelta(hours=1)
    long_ago = datetime.datetime(2020, 1, 1)
    ca_key = key()
    write("ca", make("Test authority", ca_key, "Test authority", ca_key, long_ago, 3650, ca=True),
          ca_key)
    own, valid, old = key(), key(), key()
    return {
        "tls": write("self-signed", make("localhost", own, "localhost", own, now, 1), own),
        "verified": write("verified",
                          make("127.0.0.1", valid, "Test authority", ca_key, now, 1, ip="127.0.0.1"),
                          valid),
        "expired": write("expired",
                         make("127.0.0.1", old, "Test authority", ca_key, long_ago, 1,
                              ip="127.0.0.1"),
                         old),
    }


def free_port(short, taken):
    # The controller cannot listen on port 0, so one is asked of the system first; short ports
    # are tried in random order, as other tests may look for them at the same time.
    for port in random.sample(range(2000, 10000), 8000) if short else [0]:
        if port in taken:
            continue
        with socket.socket() as s:
            try:
                s.bind(("127.0.0.1", port))
            except OSError:
                continue
            return s.getsockname()[1]
    raise OSError("no free port below 10000")


def main():
    folder = sys.argv[1]
    short = "--short-ports" in sys.argv[2:]
    first = int(sys.argv[2]) if len(sys.argv) > 2 and not short else 0
    taken = []

    def port():
        taken.append(first + len(taken) if first else free_port(short, taken))
        return taken[-1]

    contexts = {}
    for server, (cert, key) in certificates(folder).items():
        contexts[server] = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
        contexts[server].load_cert_chain(cert, key)

    keeper = Keeper(os.path.join(folder, "mail"))
    os.makedirs(os.path.join(folder, "log"), exist_ok=True)

    def server(name, **kwargs):
        kwargs.setdefault("auth_require_tls", False)
        return name, Server(keeper, os.path.join(folder, "log", name), hostname="127.0.0.1",
                            port=port(), server_hostname="mail.test", **kwargs)

    servers = dict([
        server("plain"),
        server("tls", ssl_context=contexts["tls"]),
        server("verified", ssl_context=contexts["verified"]),
        server("expired", ssl_context=contexts["expired"]),
        server("starttls", tls_context=contexts["tls"], require_starttls=True,
               auth_require_tls=True),
        server("echo", echo=True),
        server("huge", smtp_class=HugeGreeting),
    ])
    for s in servers.values():
        s.start()
        s.logging = True
    silent = socket.socket()
    silent.bind(("127.0.0.1", port()))
    silent.listen(8)  # the kernel accepts; nobody ever reads or writes

    ports = {name: s.port for name, s in servers.items()}
    ports["silent"] = silent.getsockname()[1]
    print(" ".join("%s=%d" % p for p in ports.items()), flush=True)
    sys.stdin.read()
    for s in servers.values():
        s.stop()


if __name__ == "__main__":
    main()
