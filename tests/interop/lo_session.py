"""A headless LibreOffice for one test run.

Each session gets its own profile folder and pipe name, so runs never share
state with each other or with a user's LibreOffice, and the office process is
always ended: on normal exit, on an exception, and when the time limit fires.
"""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import uuid

import uno
import unohelper
from com.sun.star.task import XInteractionHandler
from com.sun.star.beans import PropertyValue

SOFFICE = shutil.which("soffice") or "/usr/bin/soffice"


def props(**kwargs):
    out = []
    for name, value in kwargs.items():
        p = PropertyValue()
        p.Name = name
        p.Value = value
        out.append(p)
    return tuple(out)


class RecordingHandler(unohelper.Base, XInteractionHandler):
    """Records every question the import asks (repair prompts, warnings) and
    answers with the first continuation, so nothing waits for a user."""

    def __init__(self):
        self.requests = []

    def handle(self, request):
        req = request.getRequest()
        kind = getattr(req, "typeName", None) or type(req).__name__
        self.requests.append("%s: %s" % (kind, getattr(req, "Message", "")))
        conts = request.getContinuations()
        names = [c.getImplementationName() if hasattr(c, "getImplementationName") else ""
                 for c in conts]
        self.requests[-1] += " %r" % names
        if conts:
            conts[0].select()


class Office:
    def __init__(self, time_limit=300):
        self.profile = tempfile.mkdtemp(prefix="tallyloom-lo-")
        self.pipe = "tallyloom_" + uuid.uuid4().hex
        self.proc = None
        self.desktop = None
        self.time_limit = time_limit

    def __enter__(self):
        signal.signal(signal.SIGALRM, self._timed_out)
        signal.alarm(self.time_limit)
        self.proc = subprocess.Popen(
            [SOFFICE, "--headless", "--invisible", "--nologo", "--norestore",
             "--nodefault", "--nolockcheck",
             "-env:UserInstallation=file://" + self.profile,
             "--accept=pipe,name=%s;urp;StarOffice.ComponentContext" % self.pipe],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            start_new_session=True)
        local = uno.getComponentContext()
        resolver = local.ServiceManager.createInstanceWithContext(
            "com.sun.star.bridge.UnoUrlResolver", local)
        deadline = time.time() + 90
        while True:
            try:
                ctx = resolver.resolve(
                    "uno:pipe,name=%s;urp;StarOffice.ComponentContext" % self.pipe)
                break
            except Exception:
                if self.proc.poll() is not None:
                    raise RuntimeError("soffice ended before accepting a connection")
                if time.time() > deadline:
                    raise RuntimeError("soffice did not accept a connection in 90 s")
                time.sleep(0.5)
        self.ctx = ctx
        self.desktop = ctx.ServiceManager.createInstanceWithContext(
            "com.sun.star.frame.Desktop", ctx)
        return self

    def load(self, path, **extra):
        """Opens a file hidden; returns (document, questions the import asked)."""
        handler = RecordingHandler()
        url = uno.systemPathToFileUrl(os.path.abspath(path))
        doc = self.desktop.loadComponentFromURL(
            url, "_blank", 0,
            props(Hidden=extra.pop("Hidden", True), ReadOnly=False, InteractionHandler=handler, **extra))
        return doc, handler.requests

    def __exit__(self, *exc):
        signal.alarm(0)
        self.close()
        return False

    def close(self):
        try:
            if self.desktop is not None:
                self.desktop.terminate()
        except Exception:
            pass  # the bridge goes down with the office; that is the goal
        self.desktop = None
        if self.proc is not None:
            try:
                self.proc.wait(timeout=20)
            except subprocess.TimeoutExpired:
                os.killpg(self.proc.pid, signal.SIGKILL)
                self.proc.wait(timeout=10)
            self.proc = None
        shutil.rmtree(self.profile, ignore_errors=True)

    def _timed_out(self, *_):
        sys.stderr.write("time limit reached; ending LibreOffice\n")
        if self.proc is not None:
            try:
                os.killpg(self.proc.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
        shutil.rmtree(self.profile, ignore_errors=True)
        os._exit(1)
