"""Receives form posts on 127.0.0.1 for the browser test: prints its port,
then appends the body of every POST as one line to the file named first."""
import http.server
import sys

OUT = sys.argv[1]


class Sink(http.server.BaseHTTPRequestHandler):
    def do_POST(self):
        body = self.rfile.read(int(self.headers.get("Content-Length", 0)))
        with open(OUT, "ab") as f:
            f.write(self.headers.get("Content-Type", "").encode() + b" " + body + b"\n")
        self.send_response(200)
        self.send_header("Content-Type", "text/html")
        self.end_headers()
        self.wfile.write(b"<html><body>received</body></html>")

    def log_message(self, *args):
        pass


server = http.server.HTTPServer(("127.0.0.1", 0), Sink)
print(server.server_address[1], flush=True)
server.serve_forever()
