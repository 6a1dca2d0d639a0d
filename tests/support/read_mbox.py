#!/usr/bin/python3
"""Reads an mbox file with Python's mailbox module, as a mail reader would.

Usage: read_mbox.py MBOX
Prints, for each message in order, a line "message", then key=value lines (values
with backslash escapes): its Subject unfolded, its Message-ID, each attachment decoded (in hex),
and the number of defects the parser found.
"""
import mailbox
import sys


def out(key, value):
    print("%s=%s" % (key, value.encode("unicode_escape").decode("ascii")))


def main():
    for message in mailbox.mbox(sys.argv[1], create=False):
        print("message")
        out("subject", " ".join(str(message.get("Subject", "")).split()))
        out("message_id", str(message.get("Message-ID", "")))
        for part in message.walk():
            if part.get_filename() is not None:
                print("attachment=%s" % (part.get_payload(decode=True) or b"").hex())
        print("defects=%d" % len(message.defects))
    return 0


if __name__ == "__main__":
    sys.exit(main())
