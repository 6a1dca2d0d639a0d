#!/usr/bin/python3
"""A capture SMTP server for the demo and the end-to-end tests.

Listens on a loopback address, saves every message it accepts as an .eml file
with its envelope beside it, and prints one line per event on standard output:

    READY <port>
    MESSAGE <path of the .eml>

With --describe it also prints the envelope, the Subject and the attachments of
each message, for a person watching the demo. With --data-reply it answers every
message with that reply instead (a test's 4xx or 5xx refusal) and saves nothing.
It stops on SIGTERM or SIGINT, or after --max-messages messages, or after
--lifetime seconds.

With --security starttls or tls (and --cert, --key) it offers STARTTLS or speaks
TLS from the first byte; with --user and --password it offers AUTH PLAIN and
LOGIN (only LOGIN with --login-only) and takes only that pair. --size-limit
announces a SIZE limit.
--forge-before-tls pipelines a forged reply behind "220 Ready to start TLS", as a
man in the middle would.
"""

import argparse
import email
import email.policy
import json
import os
import signal
import ssl
import sys
import threading
import time

from aiosmtpd.controller import Controller
from aiosmtpd.smtp import SMTP, AuthResult, LoginPassword


class ForgingSMTP(SMTP):
    async def push(self, status):
        if status.startswith("220 Ready to start TLS"):
            status += "\r\n250 forged reply sent in plain text"
        await super().push(status)


class SecureController(Controller):
    def __init__(self, *args, forge=False, **kwargs):
        self.forge = forge
        super().__init__(*args, **kwargs)

    def factory(self):
        if self.forge:
            return ForgingSMTP(self.handler, **self.SMTP_kwargs)
        return super().factory()


def authenticator_for(user, password):
    def authenticate(server, session, envelope, mechanism, auth_data):
        ok = (isinstance(auth_data, LoginPassword) and auth_data.login == user.encode()
              and auth_data.password == password.encode())
        # A refusal must say it is unhandled, or aiosmtpd answers nothing at all.
        return AuthResult(success=ok, handled=False)
    return authenticate


class SaveHandler:
    def __init__(self, outdir, describe, done, data_reply=None):
        self.data_reply = data_reply
        self.outdir = outdir
        self.describe = describe
        self.done = done
        self.count = 0

    async def handle_DATA(self, server, session, envelope):
        if self.data_reply:
            print("REFUSED", flush=True)
            return self.data_reply
        self.count += 1
        base = os.path.join(self.outdir, "message-%03d" % self.count)
        with open(base + ".eml", "wb") as out:
            out.write(envelope.original_content or envelope.content)
        with open(base + ".json", "w") as out:
            json.dump({"mail_from": envelope.mail_from, "rcpt_tos": envelope.rcpt_tos}, out)
        if self.describe:
            describe(base + ".eml", envelope)
        print("MESSAGE " + base + ".eml", flush=True)
        self.done(self.count)
        return "250 Message accepted for delivery"


def describe(path, envelope):
    with open(path, "rb") as source:
        message = email.message_from_binary_file(source, policy=email.policy.compat32)
    print("Envelope sender:    " + str(envelope.mail_from))
    print("Envelope recipients: " + ", ".join(envelope.rcpt_tos))
    print("Subject:            " + str(message.get("Subject", "")))
    for part in message.walk():
        if part.get_content_maintype() == "multipart":
            continue
        name = part.get_filename()
        if name:
            payload = part.get_payload(decode=True) or b""
            print("Attachment:         %s (%d bytes)" % (name, len(payload)))
    print("Saved as:           " + path, flush=True)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--host", default="127.0.0.1")
    parser.add_argument("--port", type=int, default=0)
    parser.add_argument("--outdir", required=True)
    parser.add_argument("--describe", action="store_true")
    parser.add_argument("--max-messages", type=int, default=0)
    parser.add_argument("--lifetime", type=float, default=600.0)
    parser.add_argument("--security", choices=("none", "starttls", "tls"), default="none")
    parser.add_argument("--cert")
    parser.add_argument("--key")
    parser.add_argument("--user")
    parser.add_argument("--password", default="")
    parser.add_argument("--size-limit", type=int, default=0)
    parser.add_argument("--forge-before-tls", action="store_true")
    parser.add_argument("--login-only", action="store_true", help="offer AUTH LOGIN but not PLAIN")
    parser.add_argument("--data-reply", default=None)
    args = parser.parse_args()
    if args.host not in ("127.0.0.1", "::1", "localhost"):
        parser.error("only loopback addresses")

    stop = threading.Event()

    def done(count):
        if args.max_messages and count >= args.max_messages:
            stop.set()

    handler = SaveHandler(args.outdir, args.describe, done, args.data_reply)
    port = args.port
    if port == 0:
        import socket
        with socket.socket(socket.AF_INET6 if ":" in args.host else socket.AF_INET) as probe:
            probe.bind((args.host, 0))
            port = probe.getsockname()[1]
    options = {"data_size_limit": args.size_limit}
    if args.security != "none":
        context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
        context.load_cert_chain(args.cert, args.key)
        if args.security == "starttls":
            options["tls_context"] = context
        else:
            options["ssl_context"] = context
    if args.user:
        options["authenticator"] = authenticator_for(args.user, args.password)
        # aiosmtpd counts only STARTTLS as encryption; on a TLS listener the
        # connection is encrypted from the start.
        options["auth_require_tls"] = args.security != "tls"
        if args.login_only:
            options["auth_exclude_mechanism"] = ["PLAIN"]
    controller = SecureController(handler, hostname=args.host, port=port, forge=args.forge_before_tls, **options)
    controller.start()
    print("READY %d" % port, flush=True)

    signal.signal(signal.SIGTERM, lambda *_: stop.set())
    signal.signal(signal.SIGINT, lambda *_: stop.set())
    deadline = time.monotonic() + args.lifetime
    while not stop.is_set() and time.monotonic() < deadline:
        stop.wait(0.2)
    controller.stop()
    return 0


if __name__ == "__main__":
    sys.exit(main())
