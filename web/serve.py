"""Serves a folder on a free port of 127.0.0.1 and prints its address first.

Used by scripts/serve-web.sh and the browser tests:
  python3 serve.py FOLDER [--max-age SECONDS] [--gzip] [--log FILE]
--max-age lets browsers keep files that long without asking (as many hosts
do); --gzip sends files compressed at gzip -9 to browsers that accept it;
--log writes the status and path of every request to FILE, one a line.
"""
import argparse
import email.utils
import functools
import gzip
import http.server
import io
import os


class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {
        **http.server.SimpleHTTPRequestHandler.extensions_map,
        ".wasm": "application/wasm",
        ".webmanifest": "application/manifest+json",
        ".mjs": "text/javascript",
        ".js": "text/javascript",
    }

    def __init__(self, *args, max_age, log, compress, **kwargs):
        self.max_age = max_age
        self.log = log
        self.compress = compress
        super().__init__(*args, **kwargs)

    def send_head(self):
        path = self.translate_path(self.path)
        if os.path.isdir(path) and self.path.split("?")[0].endswith("/"):
            path = os.path.join(path, "index.html")
        accepted = "gzip" in self.headers.get("Accept-Encoding", "")
        if not (self.compress and accepted and os.path.isfile(path)):
            return super().send_head()
        modified = int(os.stat(path).st_mtime)
        since = self.headers.get("If-Modified-Since")
        if since and email.utils.parsedate_to_datetime(since).timestamp() >= modified:
            self.send_response(304)
            self.end_headers()
            return None
        with open(path, "rb") as source:
            body = gzip.compress(source.read(), 9, mtime=0)
        self.send_response(200)
        self.send_header("Content-Type", self.guess_type(path))
        self.send_header("Content-Encoding", "gzip")
        self.send_header("Vary", "Accept-Encoding")
        self.send_header("Content-Length", str(len(body)))
        self.send_header("Last-Modified", self.date_time_string(modified))
        self.end_headers()
        return io.BytesIO(body)

    def end_headers(self):
        # By default every visit asks again, so that a new site is seen at once.
        if self.max_age is None:
            self.send_header("Cache-Control", "no-cache")
        else:
            self.send_header("Cache-Control", f"max-age={self.max_age}")
        super().end_headers()

    def log_message(self, format, *args):
        pass

    def log_request(self, code="-", size="-"):
        if self.log:
            with open(self.log, "a", encoding="utf-8") as out:
                out.write(f"{getattr(code, 'value', code)} {self.command} {self.path}\n")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("folder")
    parser.add_argument("--max-age", type=int)
    parser.add_argument("--gzip", action="store_true")
    parser.add_argument("--log")
    options = parser.parse_args()
    handler = functools.partial(Handler, directory=options.folder, max_age=options.max_age,
                                log=options.log, compress=options.gzip)
    with http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler) as server:
        print(f"http://127.0.0.1:{server.server_address[1]}/", flush=True)
        server.serve_forever()


if __name__ == "__main__":
    main()
