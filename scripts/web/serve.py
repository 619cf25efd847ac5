#!/usr/bin/env python3
"""Serves a folder on 127.0.0.1 as a web host serves the page: files gzip-compressed for
browsers that accept it, as most hosts do (the download budget counts gzip bytes), PNG
pictures as they are. Python's own server otherwise: run by serve.sh.

    serve.py FOLDER PORT
"""
import email.utils
import functools
import gzip
import http.server
import io
import os
import sys


class Handler(http.server.SimpleHTTPRequestHandler):
    # Compressed bodies by path and modification time: each file is compressed once.
    compressed = {}

    def send_head(self):
        path = self.translate_path(self.path)
        if os.path.isdir(path) and self.path.split("?")[0].endswith("/"):
            path = os.path.join(path, "index.html")
        if (not os.path.isfile(path) or path.endswith(".png")
                or "gzip" not in self.headers.get("Accept-Encoding", "")):
            return super().send_head()
        stat = os.stat(path)
        if self.not_modified(stat.st_mtime):
            self.send_response(304)
            self.end_headers()
            return None
        key = (path, stat.st_mtime_ns)
        if key not in Handler.compressed:
            with open(path, "rb") as f:
                Handler.compressed[key] = gzip.compress(f.read(), 6)
        body = Handler.compressed[key]
        self.send_response(200)
        self.send_header("Content-Type", self.guess_type(path))
        self.send_header("Content-Encoding", "gzip")
        self.send_header("Vary", "Accept-Encoding")
        self.send_header("Content-Length", str(len(body)))
        self.send_header("Last-Modified", self.date_time_string(stat.st_mtime))
        self.end_headers()
        return io.BytesIO(body)

    def not_modified(self, mtime):
        since = self.headers.get("If-Modified-Since")
        if not since or "If-None-Match" in self.headers:
            return False
        try:
            when = email.utils.parsedate_to_datetime(since)
        except (TypeError, ValueError, IndexError, OverflowError):
            return False
        return when.tzinfo is not None and int(mtime) <= when.timestamp()


def main():
    folder, port = sys.argv[1], int(sys.argv[2])
    handler = functools.partial(Handler, directory=folder)
    with http.server.ThreadingHTTPServer(("127.0.0.1", port), handler) as server:
        server.serve_forever()


if __name__ == "__main__":
    main()
