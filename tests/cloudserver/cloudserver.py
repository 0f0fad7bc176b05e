#!/usr/bin/env python3
"""A cloud of our own for the tests: the protocol of docs/cloud-protocol.md over HTTPS.

Usage: cloudserver.py CERTIFICATE KEY

Listens on 127.0.0.1 on a port of the system's choice and prints "port N". Then it reads
commands from standard input, one JSON object per line, and answers each with one JSON line:

  {"set": {...}}   changes the configuration below (members not named stay) -> {"ok": true}
  {"state": true}  -> {"requests": [...], "answered": [...], "uploads": [...], "logouts": N}
  {"reset": true}  restores the first configuration and forgets sessions and records -> {"ok": true}

Configuration:
  account         {"username": ..., "password": ...} of the cloud account
  gateways        the gateway list as a JSON value, or gatewaysBody: the list's raw text
  gatewayAccounts {serial: {"username": ..., "password": ...}}
  uploadResult    the result code of an upload
  scripts         {endpoint: {"status": N, "body": text, "delay": seconds}} for the endpoints
                  "login", "gateways", "gatewayLogin", "upload", "logout": a status gives that
                  answer instead of the normal one; a delay alone delays the normal answer.

Ends when standard input closes. Standard library only.
"""

import base64
import copy
import http.server
import json
import secrets
import ssl
import sys
import threading
import time

PREFIX = "/app/"

ENDPOINTS = {
    ("POST", "login"): "login",
    ("GET", "gateways"): "gateways",
    ("POST", "gateways/login"): "gatewayLogin",
    ("POST", "gateways/upload"): "upload",
    ("POST", "logout"): "logout",
}


def auth_error(message=None):
    body = {"error": "AuthError"}
    if message is not None:
        body["originalError"] = {"details": {"message": message}}
    return body


class Cloud:
    """The account, its sessions and what the tests asked for; shared by the handler threads."""

    def __init__(self):
        self.lock = threading.Lock()
        self.reset()

    def reset(self):
        self.config = {
            "account": {"username": "anna@example.com", "password": "Geheim-42!"},
            "gateways": [
                {"name": "Halle 3", "serial": "KQ-1001", "type": "kq207m"},
                {"name": "Lager", "serial": "XB-2002", "type": "xb100"},
                {"name": "Büro", "serial": "KQ-1003", "type": "KQ207M"},
            ],
            "gatewaysBody": None,
            "gatewayAccounts": {"KQ-1001": {"username": "admin", "password": "gw-pass"}},
            "uploadResult": 0,
            "scripts": {},
        }
        self.access_tokens = set()
        self.gateway_tokens = {}
        self.requests = []
        self.answered = []
        self.uploads = []
        self.logouts = 0

    def set(self, changes):
        with self.lock:
            self.config.update(changes)

    def state(self):
        with self.lock:
            return {"requests": list(self.requests), "answered": list(self.answered),
                    "uploads": copy.deepcopy(self.uploads), "logouts": self.logouts}

    def arrived(self, endpoint):
        with self.lock:
            self.requests.append(endpoint)
            return copy.deepcopy(self.config["scripts"].get(endpoint, {}))

    def sent(self, endpoint):
        with self.lock:
            self.answered.append(endpoint)

    # The normal answers: (status, JSON value or raw text).

    def login(self, request, _headers):
        account = self.config["account"]
        if request.get("username") != account["username"] or request.get("password") != account["password"]:
            return 401, auth_error("invalid credentials")
        token = secrets.token_hex(16)
        self.access_tokens.add(token)
        return 200, {"accessToken": token}

    def gateways(self, _request, _headers):
        if self.config["gatewaysBody"] is not None:
            return 200, self.config["gatewaysBody"]
        return 200, self.config["gateways"]

    def gateway_login(self, request, _headers):
        serial = request.get("serial")
        account = self.config["gatewayAccounts"].get(serial)
        if account is None or not any(g.get("serial") == serial for g in self.config["gateways"]
                                      if isinstance(g, dict)):
            return 403, auth_error("wrong gateway")
        if request.get("username") != account["username"] or request.get("password") != account["password"]:
            return 401, auth_error("invalid credentials")
        token = secrets.token_hex(16)
        self.gateway_tokens[token] = serial
        return 200, {"gatewayToken": token}

    def upload(self, request, headers):
        serial = self.gateway_tokens.get(headers.get("X-Gateway-Token", ""))
        if serial is None or serial != request.get("serial"):
            return 401, auth_error("no gateway session")
        try:
            content = base64.b64decode(request.get("content", ""), validate=True)
        except ValueError:
            return 400, {"error": "BadRequest"}
        self.uploads.append({"serial": serial, "fileName": request.get("fileName"),
                             "content": content.decode("utf-8", "replace")})
        return 200, {"result": self.config["uploadResult"]}

    def logout(self, _request, headers):
        self.access_tokens.discard(bearer(headers))
        self.gateway_tokens.clear()
        self.logouts += 1
        return 204, None

    def answer(self, endpoint, request, headers):
        with self.lock:
            if endpoint != "login" and bearer(headers) not in self.access_tokens:
                return 401, auth_error()
            handler = {"login": self.login, "gateways": self.gateways, "gatewayLogin": self.gateway_login,
                       "upload": self.upload, "logout": self.logout}[endpoint]
            return handler(request, headers)


def bearer(headers):
    value = headers.get("Authorization", "")
    return value[len("Bearer "):] if value.startswith("Bearer ") else ""


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def do_GET(self):
        self.serve("GET")

    def do_POST(self):
        self.serve("POST")

    def serve(self, method):
        cloud = self.server.cloud
        length = int(self.headers.get("Content-Length") or 0)
        raw = self.rfile.read(length) if length else b""
        path = self.path[len(PREFIX):] if self.path.startswith(PREFIX) else None
        endpoint = ENDPOINTS.get((method, path))
        if endpoint is None:
            self.reply(404, {"error": "NotFound"})
            return
        script = cloud.arrived(endpoint)
        time.sleep(script.get("delay", 0))
        if "status" in script:
            status, body = script["status"], script.get("body", "")
        else:
            try:
                request = json.loads(raw) if raw else {}
            except ValueError:
                request = None
            if not isinstance(request, dict):
                status, body = 400, {"error": "BadRequest"}
            else:
                status, body = cloud.answer(endpoint, request, self.headers)
        try:
            self.reply(status, body)
        except OSError:
            pass  # the client gave up waiting
        cloud.sent(endpoint)

    def reply(self, status, body):
        data = b"" if body is None else (body if isinstance(body, str) else json.dumps(body)).encode("utf-8")
        self.send_response(status)
        if data:
            self.send_header("Content-Type", "application/json")
        self.send_header("Content-Length", str(len(data)))
        self.end_headers()
        self.wfile.write(data)

    def log_message(self, *_args):
        pass


class Server(http.server.ThreadingHTTPServer):
    daemon_threads = True

    def __init__(self, context, cloud):
        super().__init__(("127.0.0.1", 0), Handler)
        self.context = context
        self.cloud = cloud

    def finish_request(self, request, client_address):
        # The handshake runs in the connection's own thread, so a client that refuses the
        # certificate blocks nobody.
        connection = self.context.wrap_socket(request, server_side=True)
        try:
            super().finish_request(connection, client_address)
        finally:
            self.shutdown_request(connection)

    def handle_error(self, _request, _client_address):
        print("cloudserver: connection failed: %s" % (sys.exc_info()[1],), file=sys.stderr)


def main():
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(sys.argv[1], sys.argv[2])
    cloud = Cloud()
    server = Server(context, cloud)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    print("port %d" % server.server_address[1], flush=True)
    for line in sys.stdin:
        command = json.loads(line)
        if "set" in command:
            cloud.set(command["set"])
            answer = {"ok": True}
        elif "reset" in command:
            with cloud.lock:
                cloud.reset()
            answer = {"ok": True}
        else:
            answer = cloud.state()
        print(json.dumps(answer), flush=True)
    server.shutdown()


if __name__ == "__main__":
    main()
