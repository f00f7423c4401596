#!/usr/bin/python3
"""A local AI analysis server for tests and demos (see docs/ai-request.md).

  ai_answer.py [--port N] [--delay S] [--mode MODE]

Listens on 127.0.0.1 (port 8091 by default, 0 picks a free one) and prints "port: N" once it
listens. Each POST to /ai/analyze with the request JSON is answered with a short analysis that
names the panel and the test items, streamed as JSON lines, one piece every --delay seconds.

Modes, to see how the program copes:
  ok         the answer, then {"done": true}
  error      {"error": "..."} after the first piece
  malformed  a line that is not JSON after the first piece
  cut        the connection closes after the first piece, without {"done": true}
  status500  HTTP 500 without an answer
"""
import argparse
import json
import sys
import time
from http.server import BaseHTTPRequestHandler, HTTPServer


def analysis(request):
    try:
        items = json.loads(request.get("testResults", ""))
    except ValueError:
        items = []
    codes = [str(i.get("N")) for i in items if isinstance(i, dict) and "N" in i] if isinstance(items, list) else []
    pieces = [
        "Panel %s, lot %s, index %s.\n" % (request.get("panelId"), request.get("panelLot"), request.get("panelIndex")),
        "Items received: %s.\n" % (", ".join(codes) if codes else "none"),
        "This answer comes from the local test server; it is not a clinical assessment.",
    ]
    return pieces


class Handler(BaseHTTPRequestHandler):
    server_version = "ai-answer/1"

    def log_message(self, fmt, *args):
        sys.stderr.write("ai-answer: " + fmt % args + "\n")

    def do_POST(self):
        opts = self.server.opts
        length = int(self.headers.get("Content-Length", "0") or 0)
        body = self.rfile.read(length) if length > 0 else b""
        if self.path != "/ai/analyze":
            self.send_error(404)
            return
        try:
            request = json.loads(body.decode("utf-8"))
            if not isinstance(request, dict):
                raise ValueError("not an object")
        except ValueError:
            self.send_error(400, "request is not a JSON object")
            return
        print("request: " + json.dumps(request, ensure_ascii=False, sort_keys=True), flush=True)
        if opts.mode == "status500":
            self.send_error(500, "analysis unavailable")
            return
        self.send_response(200)
        self.send_header("Content-Type", "application/x-ndjson; charset=utf-8")
        self.send_header("Connection", "close")
        self.end_headers()
        pieces = analysis(request)
        for n, piece in enumerate(pieces):
            self.write_line({"text": piece})
            time.sleep(opts.delay)
            if n == 0 and opts.mode == "error":
                self.write_line({"error": "the analysis service failed"})
                return
            if n == 0 and opts.mode == "malformed":
                self.wfile.write(b"<html>not an answer</html>\n")
                self.wfile.flush()
                return
            if n == 0 and opts.mode == "cut":
                return
        self.write_line({"done": True})

    def write_line(self, obj):
        self.wfile.write(json.dumps(obj, ensure_ascii=False).encode("utf-8") + b"\n")
        self.wfile.flush()


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--port", type=int, default=8091)
    parser.add_argument("--delay", type=float, default=0.2)
    parser.add_argument("--mode", choices=["ok", "error", "malformed", "cut", "status500"], default="ok")
    opts = parser.parse_args()
    server = HTTPServer(("127.0.0.1", opts.port), Handler)
    server.opts = opts
    print("port: %d" % server.server_address[1], flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass


if __name__ == "__main__":
    main()
