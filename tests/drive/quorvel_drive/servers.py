"""The built site served on 127.0.0.1 at a free port, by the preview server (the handler
scripts/web.sh serves with) or by Debian's nginx with the repository's configuration
(web/nginx/quorvel.conf), run as a non-daemon with its own prefix, pid and logs in a
temporary folder. Either can be stopped mid-test, as a host that goes away."""

import contextlib
import functools
import http.server
import os
import shutil
import socket
import subprocess
import sys
import tempfile
import threading
import time

from quorvel_drive import processes
from quorvel_drive.failure import Skipped

PACKAGE = os.path.dirname(os.path.abspath(__file__))
REPOSITORY = os.path.normpath(os.path.join(PACKAGE, "..", "..", ".."))
# The preview server's handler, which scripts/web.sh serves the site with.
sys.path.insert(0, os.path.join(REPOSITORY, "web", "tools"))
import serve_site  # noqa: E402
NGINX_SITE_CONF = os.path.join(REPOSITORY, "web", "nginx", "quorvel.conf")
BROTLI_STATIC = "/usr/lib/nginx/modules/ngx_http_brotli_static_module.so"

# The whole server around the repository's file: paths of its own, nothing of the
# machine's nginx but its mime.types and the brotli module.
NGINX_CONF = """
load_module {brotli};
worker_processes 1;
pid {tmp}/nginx.pid;
error_log {tmp}/error.log;
{user}
events {{ worker_connections 64; }}
http {{
    include /etc/nginx/mime.types;
    default_type application/octet-stream;
    access_log off;
    client_body_temp_path {tmp}/body;
    proxy_temp_path {tmp}/proxy;
    fastcgi_temp_path {tmp}/fastcgi;
    uwsgi_temp_path {tmp}/uwsgi;
    scgi_temp_path {tmp}/scgi;
    server {{
        listen 127.0.0.1:{port};
        root {site};
        include {site_conf};
    }}
}}
"""


class QuietHandler(serve_site.SiteHandler):
    def log_message(self, format, *args):  # noqa: A002 - the base class's name
        pass

    def handle(self):
        # A page left before its fonts arrived closes its connections mid-answer.
        try:
            super().handle()
        except (BrokenPipeError, ConnectionResetError):
            pass


class Served:
    def __init__(self, url, stop):
        self.url = url
        self.stop = stop


def nginx_path():
    return shutil.which("nginx") or next(
        (p for p in ("/usr/sbin/nginx",) if os.access(p, os.X_OK)), None)


@contextlib.contextmanager
def preview(site):
    """The site served as scripts/web.sh serves it."""
    handler = functools.partial(QuietHandler, directory=site)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    thread = threading.Thread(target=server.serve_forever, daemon=True)
    thread.start()
    stopped = []

    def stop():
        if not stopped:
            stopped.append(True)
            server.shutdown()
            server.server_close()
    try:
        yield Served(f"http://127.0.0.1:{server.server_address[1]}/", stop)
    finally:
        stop()


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def answers(port):
    with contextlib.suppress(OSError), socket.create_connection(("127.0.0.1", port), timeout=1):
        return True
    return False


@contextlib.contextmanager
def nginx(site):
    binary = nginx_path()
    if binary is None:
        raise Skipped("nginx is not installed (scripts/setup.sh installs nginx-light)")
    if not os.path.exists(BROTLI_STATIC):
        raise Skipped("nginx's brotli_static module is not installed (scripts/setup.sh "
                      "installs libnginx-mod-http-brotli-static)")
    with tempfile.TemporaryDirectory(prefix="quorvel-nginx-") as tmp:
        # Another process may take the free port first: then try another.
        for _ in range(5):
            port = free_port()
            conf = os.path.join(tmp, "nginx.conf")
            with open(conf, "w") as f:
                f.write(NGINX_CONF.format(
                    brotli=BROTLI_STATIC, tmp=tmp, port=port, site=os.path.abspath(site),
                    site_conf=NGINX_SITE_CONF,
                    # As root, its workers would otherwise read the site as nobody.
                    user="user root;" if os.geteuid() == 0 else ""))
            process = subprocess.Popen([binary, "-p", tmp, "-c", conf, "-g", "daemon off;"],
                                       stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                                       text=True)
            deadline = time.monotonic() + 20
            while process.poll() is None and not answers(port) and time.monotonic() < deadline:
                time.sleep(0.02)
            if process.poll() is None and answers(port):
                break
            if process.poll() is None:
                process.kill()
            errors = process.communicate()[1]
            if "Address already in use" not in errors:
                raise RuntimeError(f"nginx did not start:\n{errors}")
        else:
            raise RuntimeError("nginx found no free port")

        try:
            yield Served(f"http://127.0.0.1:{port}/", lambda: processes.stop(process))
        finally:
            processes.stop(process)


SERVERS = {"preview": preview, "nginx": nginx}
