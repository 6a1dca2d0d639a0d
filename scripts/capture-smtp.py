#!/usr/bin/python3
"""A capture SMTP server for the demo and the end-to-end tests.

Listens on a loopback address, saves every message it accepts as an .eml file
with its envelope beside it, and prints one line per event on standard output:

    READY <port>
    MESSAGE <path of the .eml>

With --describe it also prints the envelope, the Subject and the attachments of
each message, for a person watching the demo. With --data-reply it answers every
message with that reply instead (a test's 4xx or 5xx refusal) and saves nothing. It stops on SIGTERM or SIGINT, or
after --max-messages messages, or after --lifetime seconds.
"""

import argparse
import email
import email.policy
import json
import os
import signal
import sys
import threading
import time

from aiosmtpd.controller import Controller


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
    controller = Controller(handler, hostname=args.host, port=port, data_size_limit=0)
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
