#!/usr/bin/env python3
"""HTTP side of the local cloud: registration, update description and configuration download.

Listens on 127.0.0.1 only, on the given ports (the program uses 8080 for the domestic region,
8089 for the overseas one and 8090 for the update description). Every request is appended as
one JSON line to <dir>/http-requests.log; every registration adds a line "<machine>\t<queue>"
to <dir>/registrations.tsv, which the "add" command reads to publish its notices.
"""
import argparse
import json
import os
import sys
import threading
import urllib.parse
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

QUEUE_PREFIX = "chemdesk.report."
UPDATE = {
    "LatestVerison": "1.6v",
    "ReleaseDate": "2026-11-30",
    "Description": "Local cloud test release.",
    "DownloadUrl": "http://127.0.0.1:8090/qt/download.html",
}

lock = threading.Lock()


def queue_prefix(machine):
    # Queue names are at most 255 bytes; keep the machine id readable but bounded.
    safe = "".join(c if c.isalnum() or c in "-_" else "_" for c in machine)[:64]
    return QUEUE_PREFIX + safe + "."


class Handler(BaseHTTPRequestHandler):
    server_version = "local-cloud/1"

    def log_message(self, fmt, *args):
        pass

    def record(self, body):
        entry = {
            "port": self.server.server_address[1],
            "method": self.command,
            "path": self.path,
            "headers": {k: v for k, v in self.headers.items()},
            "body": body.decode("utf-8", "replace"),
        }
        with lock, open(os.path.join(self.server.state_dir, "http-requests.log"), "a",
                        encoding="utf-8") as f:
            f.write(json.dumps(entry, ensure_ascii=False) + "\n")

    def reply(self, status, body, content_type="application/json"):
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def do_GET(self):
        self.record(b"")
        path = urllib.parse.urlparse(self.path).path
        if path == "/qt/software_update.json":
            self.reply(200, json.dumps(UPDATE).encode())
        elif path == "/data/config.db":
            name = os.path.join(self.server.state_dir, "config.db")
            try:
                with open(name, "rb") as f:
                    data = f.read()
            except OSError:
                self.reply(404, b'{"msg":"no config.db"}')
                return
            self.reply(200, data, "application/octet-stream")
        else:
            self.reply(404, b'{"msg":"not found"}')

    def do_POST(self):
        length = int(self.headers.get("Content-Length") or 0)
        body = self.rfile.read(min(length, 1 << 20))
        self.record(body)
        if urllib.parse.urlparse(self.path).path != "/qvtr/rabbit/syc":
            self.reply(404, b'{"msg":"not found"}')
            return
        form = urllib.parse.parse_qs(body.decode("utf-8", "replace"))
        machine = (form.get("machine_id") or [""])[0]
        uuid = (form.get("uuid") or [""])[0]
        if not machine or not uuid:
            self.reply(400, b'{"code":400,"msg":"machine_id and uuid required"}')
            return
        prefix = queue_prefix(machine)
        with lock, open(os.path.join(self.server.state_dir, "registrations.tsv"), "a",
                        encoding="utf-8") as f:
            f.write(machine.replace("\t", " ").replace("\n", " ") + "\t" + prefix + uuid + "\n")
        self.reply(200, json.dumps({"code": 200, "msg": prefix}).encode())


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--dir", required=True)
    parser.add_argument("--ports", default="8080,8089,8090")
    args = parser.parse_args()
    servers = []
    for port in [int(p) for p in args.ports.split(",") if p]:
        srv = ThreadingHTTPServer(("127.0.0.1", port), Handler)
        srv.state_dir = args.dir
        servers.append(srv)
    for srv in servers[1:]:
        threading.Thread(target=srv.serve_forever, daemon=True).start()
    print("http service ready", flush=True)
    try:
        servers[0].serve_forever()
    except KeyboardInterrupt:
        pass
    return 0


if __name__ == "__main__":
    sys.exit(main())
