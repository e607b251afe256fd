#!/usr/bin/python3
"""Prints one received message as JSON: envelope, headers, body and attachments."""

import base64
import email
import email.policy
import json
import sys

with open(sys.argv[1], "rb") as f:
    msg = email.message_from_binary_file(f, policy=email.policy.default)

body = None
attachments = []
for part in msg.walk():
    if part.is_multipart():
        continue
    if part.get_content_disposition() == "attachment":
        data = part.get_payload(decode=True)
        attachments.append({
            "filename": part.get_filename(),
            "type": part.get_content_type(),
            "encoding": part.get("Content-Transfer-Encoding", ""),
            "size": part.get_param("size", header="content-disposition"),
            "data": base64.b64encode(data).decode(),
        })
    elif part.get_content_type() == "text/plain":
        body = part.get_content()

print(json.dumps({
    "rcpt": msg.get("X-RcptTo", ""),
    "mailfrom": msg.get("X-MailFrom", ""),
    "from": str(msg.get("From", "")),
    "to": str(msg.get("To", "")),
    "subject": None if msg.get("Subject") is None else str(msg.get("Subject")),
    "body": body,
    "attachments": attachments,
}))
