#!/usr/bin/env python3
"""A small HTTP server on 127.0.0.1 for the Wine tests of the HTTP fetch.

    http_test_server.py PORT_FILE

It listens on a free port and writes "PORT CLOSED_PORT" to PORT_FILE, where CLOSED_PORT is a port
on which nothing listens. Paths:

    /bytes/N        a body of N bytes, byte i being chr(65 + (7 * i + i // 1024) % 26)
    /drop/N/M       announces M bytes, sends the first N of them and closes the connection
    /quit           answers and ends the server

It also ends after a minute without requests, so a test that dies leaves nothing behind.
"""
import http.server
import os
import socket
import sys
import threading

IDLE_SECONDS = 60


def body(size):
    return bytes(65 + (7 * i + i // 1024) % 26 for i in range(size))


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def send_body(self, data, announced):
        self.send_response(200)
        self.send_header("Content-Type", "application/octet-stream")
        self.send_header("Content-Length", str(announced))
        self.send_header("Connection", "close")
        self.end_headers()
        self.wfile.write(data)
        self.wfile.flush()
        self.close_connection = True

    def do_GET(self):
        self.server.touched.set()
        parts = self.path.strip("/").split("/")
        try:
            if parts[0] == "bytes" and len(parts) == 2:
                size = int(parts[1])
                self.send_body(body(size), size)
            elif parts[0] == "drop" and len(parts) == 3:
                self.send_body(body(int(parts[2]))[: int(parts[1])], int(parts[2]))
            elif parts[0] == "quit":
                self.send_body(b"bye", 3)
                threading.Thread(target=self.server.shutdown, daemon=True).start()
            else:
                self.send_error(404)
        except ValueError:
            self.send_error(400)


def closed_port():
    probe = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    probe.bind(("127.0.0.1", 0))
    port = probe.getsockname()[1]
    probe.close()
    return port


def main():
    port_file = sys.argv[1]
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads = True
    server.touched = threading.Event()

    def end_when_idle():
        while server.touched.wait(IDLE_SECONDS):
            server.touched.clear()
        server.shutdown()

    threading.Thread(target=end_when_idle, daemon=True).start()
    with open(port_file + ".part", "w") as out:
        out.write(f"{server.server_address[1]} {closed_port()}\n")
    os.replace(port_file + ".part", port_file)
    server.serve_forever()
    server.server_close()


if __name__ == "__main__":
    main()
