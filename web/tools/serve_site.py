#!/usr/bin/env python3
"""Serves a built site on 127.0.0.1 as a web host should: each file's .br or .gz sibling
when the browser accepts it, the MIME types the page needs, a year's caching for
content-hashed names and none for the page, its manifest and its service worker, and the
page's security headers (its policy, no sniffing, no referrer) on every file.

  serve_site.py DIR [PORT]

The same rules as web/nginx/quorvel.conf; the tests serve the site with this handler too.
"""

import functools
import http.server
import os
import re
import socket
import sys

import page_policy

TYPES = {".wasm": "application/wasm", ".js": "text/javascript", ".woff2": "font/woff2",
         ".webmanifest": "application/manifest+json", ".html": "text/html; charset=utf-8",
         ".txt": "text/plain; charset=utf-8", ".png": "image/png", ".css": "text/css"}
HASHED = re.compile(r"\.[0-9a-f]{10}\.(wasm|woff2)$")
ENCODINGS = [("br", ".br"), ("gzip", ".gz")]


def cache_control(path):
    if HASHED.search(path):
        return "public, max-age=31536000, immutable"
    return "no-cache"


class SiteHandler(http.server.SimpleHTTPRequestHandler):
    # Keep-alive, and every write sent at once: without TCP_NODELAY a response's last
    # piece can wait some 40 ms for the browser's delayed acknowledgement.
    protocol_version = "HTTP/1.1"

    def setup(self):
        super().setup()
        self.request.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)

    def send_head(self):
        path = self.translate_path(self.path)
        if os.path.isdir(path):
            if not self.path.split("?")[0].endswith("/"):
                return super().send_head()  # the base class redirects to the slash
            path = os.path.join(path, "index.html")
        if not os.path.isfile(path):
            self.send_error(404, "File not found")
            return None
        accepted = {e.split(";")[0].strip()
                    for e in self.headers.get("Accept-Encoding", "").split(",")}
        chosen, encoding = path, None
        for name, suffix in ENCODINGS:
            if name in accepted and os.path.isfile(path + suffix):
                chosen, encoding = path + suffix, name
                break
        f = open(chosen, "rb")
        size = os.fstat(f.fileno()).st_size
        self.send_response(200)
        self.send_header("Content-Type",
                         TYPES.get(os.path.splitext(path)[1]) or self.guess_type(path))
        self.send_header("Content-Length", str(size))
        self.send_header("Cache-Control", cache_control(path))
        self.send_header("Content-Security-Policy", page_policy.HEADER)
        self.send_header("X-Content-Type-Options", "nosniff")
        self.send_header("Referrer-Policy", "no-referrer")
        if any(os.path.isfile(path + suffix) for _, suffix in ENCODINGS):
            self.send_header("Vary", "Accept-Encoding")
        if encoding:
            self.send_header("Content-Encoding", encoding)
        self.end_headers()
        return f


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    port = int(sys.argv[2]) if len(sys.argv) == 3 else 8080
    handler = functools.partial(SiteHandler, directory=sys.argv[1])
    with http.server.ThreadingHTTPServer(("127.0.0.1", port), handler) as server:
        print(f"Quorvel on http://127.0.0.1:{server.server_address[1]}/ (Ctrl+C stops it)",
              flush=True)
        try:
            server.serve_forever()
        except KeyboardInterrupt:
            pass


if __name__ == "__main__":
    main()
