"""A static HTTPS server on a free port of 127.0.0.1, for the software update's tests.

Usage: httpsserver.py CERTIFICATE KEY FOLDER [TRUNCATED_NAME]
Prints the port on the first line of its output, then serves FOLDER. Each request is logged on
the error output. A file named TRUNCATED_NAME is announced whole but sent only half.
"""

import functools
import http.server
import os
import ssl
import sys


class Handler(http.server.SimpleHTTPRequestHandler):
    truncated_name = None

    def do_GET(self):
        path = self.translate_path(self.path)
        if self.truncated_name and os.path.basename(path) == self.truncated_name:
            with open(path, "rb") as source:
                content = source.read()
            self.send_response(200)
            self.send_header("Content-Length", str(len(content)))
            self.end_headers()
            self.wfile.write(content[: len(content) // 2])
            self.wfile.flush()
            self.close_connection = True
            return
        super().do_GET()


def main():
    certificate, key, folder = sys.argv[1:4]
    Handler.truncated_name = sys.argv[4] if len(sys.argv) > 4 else None
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(certificate, key)
    handler = functools.partial(Handler, directory=folder)
    server = http.server.HTTPServer(("127.0.0.1", 0), handler)
    server.socket = context.wrap_socket(server.socket, server_side=True)
    print(server.server_address[1], flush=True)
    server.serve_forever()


if __name__ == "__main__":
    main()
