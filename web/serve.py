"""Serves a folder on a free port of 127.0.0.1 and prints its address first.

Used by scripts/serve-web.sh and the browser tests:
  python3 serve.py FOLDER [--max-age SECONDS] [--log FILE]
--max-age lets browsers keep files that long without asking (as many hosts
do); --log writes the path of every request to FILE, one a line.
"""
import argparse
import functools
import http.server


class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {
        **http.server.SimpleHTTPRequestHandler.extensions_map,
        ".wasm": "application/wasm",
        ".webmanifest": "application/manifest+json",
        ".mjs": "text/javascript",
        ".js": "text/javascript",
    }

    def __init__(self, *args, max_age, log, **kwargs):
        self.max_age = max_age
        self.log = log
        super().__init__(*args, **kwargs)

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
                out.write(f"{self.command} {self.path}\n")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("folder")
    parser.add_argument("--max-age", type=int)
    parser.add_argument("--log")
    options = parser.parse_args()
    handler = functools.partial(Handler, directory=options.folder,
                                max_age=options.max_age, log=options.log)
    with http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler) as server:
        print(f"http://127.0.0.1:{server.server_address[1]}/", flush=True)
        server.serve_forever()


if __name__ == "__main__":
    main()
