"""A loopback SMTP server for tests: keeps every message it accepts.

Usage: smtp_sink.py FOLDER [--auth USER:PASSWORD] [--refuse ADDRESS ...]
Prints the port it listens on, then serves until stdin closes. For message n it writes
FOLDER/n.eml (the DATA bytes as received) and FOLDER/n.txt (MAIL FROM, RCPT TO, the greeting name
and the authenticated user, one per line).
"""
import argparse
import asyncio
import os
import socket
import sys

from aiosmtpd.controller import Controller
from aiosmtpd.smtp import AuthResult


class Keeper:
    def __init__(self, folder, refused):
        self.folder = folder
        self.refused = set(refused)
        self.count = 0

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if address in self.refused:
            return "550 5.1.1 No such user here"
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        self.count += 1
        base = os.path.join(self.folder, str(self.count))
        with open(base + ".eml", "wb") as f:
            f.write(envelope.original_content)
        with open(base + ".txt", "w") as f:
            user = getattr(session, "login_user", "") if session.authenticated else ""
            f.write("\n".join([envelope.mail_from, ",".join(envelope.rcpt_tos), session.host_name or "", user]) + "\n")
        return "250 Message accepted"


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("folder")
    parser.add_argument("--auth")
    parser.add_argument("--refuse", nargs="*", default=[])
    args = parser.parse_args()
    options = {}
    if args.auth:
        user, password = args.auth.split(":", 1)

        def check(server, session, envelope, mechanism, auth_data):
            ok = auth_data.login.decode() == user and auth_data.password.decode() == password
            if ok:
                session.login_user = user
            return AuthResult(success=ok, handled=False)

        options = dict(authenticator=check, auth_required=True, auth_require_tls=False)
    port = free_port()
    controller = Controller(Keeper(args.folder, args.refuse), hostname="127.0.0.1", port=port, **options)
    controller.start()
    print(port, flush=True)
    sys.stdin.read()
    controller.stop()


if __name__ == "__main__":
    main()
