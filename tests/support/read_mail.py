#!/usr/bin/python3
"""Reads one .eml with Python's email package and reports what it found.

Usage: read_mail.py MESSAGE.eml OUTDIR
Writes each attachment, decoded, to OUTDIR/attachment-N and prints key=value
lines (values with backslash escapes) on standard output.
"""
import email
import email.policy
import json
import os
import sys


def out(key, value):
    print("%s=%s" % (key, value.encode("unicode_escape").decode("ascii")))


def main():
    path, outdir = sys.argv[1], sys.argv[2]
    with open(path, "rb") as source:
        message = email.message_from_binary_file(source, policy=email.policy.default)
    out("from", str(message.get("From", "")))
    out("to", str(message.get("To", "")))
    out("subject", str(message.get("Subject", "")))
    out("content_type", message.get_content_type())
    # The parser's own reading of the identifier: a malformed one leaves defects
    # on the header rather than on the message.
    message_id = message.get("Message-ID")
    out("message_id", str(message_id or ""))
    print("message_id_defects=%d" % len(getattr(message_id, "defects", ())))
    envelope = os.path.splitext(path)[0] + ".json"
    if os.path.exists(envelope):
        with open(envelope) as source:
            data = json.load(source)
        out("mail_from", data["mail_from"])
        out("rcpt_to", ",".join(data["rcpt_tos"]))
    count = 0
    for part in message.iter_attachments():
        payload = part.get_payload(decode=True) or b""
        with open(os.path.join(outdir, "attachment-%d" % count), "wb") as target:
            target.write(payload)
        out("attachment", part.get_filename() or "")
        count += 1
    print("defects=%d" % len(message.defects))
    return 0


if __name__ == "__main__":
    sys.exit(main())
