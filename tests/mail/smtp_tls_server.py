#!/usr/bin/python3
"""A loopback SMTP server for the mail tests: plain, STARTTLS or TLS with a given certificate,
optionally asking for a user and password or refusing one recipient. Keeps what it receives as
a Maildir."""

import argparse
import signal
import ssl

from aiosmtpd.controller import Controller
from aiosmtpd.handlers import Mailbox
from aiosmtpd.smtp import AuthResult, LoginPassword


class RefusingMailbox(Mailbox):
    """Refuses one recipient as a real server refuses an unknown mailbox."""

    def __init__(self, maildir, refused):
        super().__init__(maildir)
        self.refused = refused

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if address == self.refused:
            return "550 5.1.1 <%s>: Recipient address rejected: User unknown" % address
        envelope.rcpt_tos.append(address)
        return "250 OK"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--port", type=int, required=True)
    parser.add_argument("--maildir", required=True)
    parser.add_argument("--mode", choices=["none", "starttls", "tls"], default="starttls")
    parser.add_argument("--cert")
    parser.add_argument("--key")
    parser.add_argument("--user")
    parser.add_argument("--password")
    parser.add_argument("--refuse-rcpt")
    args = parser.parse_args()

    context = None
    if args.mode != "none":
        context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
        context.load_cert_chain(args.cert, args.key)

    def authenticate(server, session, envelope, mechanism, auth_data):
        ok = (isinstance(auth_data, LoginPassword)
              and auth_data.login == args.user.encode()
              and auth_data.password == args.password.encode())
        return AuthResult(success=ok)

    params = {}
    if args.user:
        # Over implicit TLS aiosmtpd does not see the connection as encrypted; it is.
        params.update(authenticator=authenticate, auth_required=True,
                      auth_require_tls=args.mode == "starttls")
    if args.mode == "starttls":
        params.update(tls_context=context, require_starttls=True)
    kwargs = {"ssl_context": context} if args.mode == "tls" else {}
    handler = (RefusingMailbox(args.maildir, args.refuse_rcpt) if args.refuse_rcpt
               else Mailbox(args.maildir))
    controller = Controller(handler, hostname="127.0.0.1", port=args.port,
                            **kwargs, **params)
    controller.start()
    signal.sigwait([signal.SIGTERM, signal.SIGINT])
    controller.stop()


if __name__ == "__main__":
    main()
