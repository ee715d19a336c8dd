"""A loopback stand-in for the central web service, for tests.

Usage: web_service.py FOLDER
Prints the port it listens on, then serves until stdin closes. Each request's query is appended
to FOLDER/queries.log. /cgi-bin/VNQ.dll?Param1=DataDown&Param2=ST&Param3=CTY&Param4=LIST sends
FOLDER/<st><cty>down.vnq, Param1=FormDown sends FOLDER/<list><st><cty>.fcf (names in lower case),
each as a download under that name; any other page is a small HTML page.
"""
import http.server
import os
import sys
import threading
from urllib.parse import parse_qs, urlsplit


def handler_for(folder):
    class Service(http.server.BaseHTTPRequestHandler):
        def do_GET(self):
            url = urlsplit(self.path)
            with open(os.path.join(folder, "queries.log"), "a") as log:
                log.write(url.query + "\n")
            params = parse_qs(url.query, keep_blank_values=True)

            def value(name):
                return params.get(name, [""])[0]

            if url.path.lower() != "/cgi-bin/vnq.dll":
                return self.send_error(404)
            state, county, listcode = value("Param2"), value("Param3"), value("Param4")
            operation = value("Param1")
            if operation == "DataDown":
                name = (state + county + "down.vnq").lower()
            elif operation == "FormDown":
                name = (listcode + state + county + ".fcf").lower()
            else:
                return self.reply(b"<html><body>Varnedo Central</body></html>", "text/html", None)
            path = os.path.join(folder, name)
            if not os.path.isfile(path):
                return self.send_error(404)
            with open(path, "rb") as f:
                self.reply(f.read(), "application/octet-stream", name)

        def reply(self, body, content_type, download_name):
            self.send_response(200)
            self.send_header("Content-Type", content_type)
            if download_name:
                self.send_header("Content-Disposition", 'attachment; filename="%s"' % download_name)
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            self.wfile.write(body)

        def log_message(self, format, *args):
            pass

    return Service


def main():
    folder = sys.argv[1]
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler_for(folder))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    print(server.server_address[1], flush=True)
    sys.stdin.read()
    server.shutdown()


if __name__ == "__main__":
    main()
