#!/usr/bin/env bash
# The tests' virtual X server keeps a client that is still connecting when the last other client
# leaves. A server that resets at that moment drops it: a program started beside a short-lived
# xdotool then fails with "could not connect to display", now and then.
set -euo pipefail
source "$(dirname "$0")/../support/harness.sh"
start_display
python3 - "${DISPLAY#:}" <<'PYTHON' || fail "a client still connecting was dropped"
import socket, struct, subprocess, sys, time

connecting = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
connecting.connect("\0/tmp/.X11-unix/X" + sys.argv[1])  # connected, no setup sent yet
subprocess.run(["xdotool", "getmouselocation"], check=True, stdout=subprocess.DEVNULL)
time.sleep(1)  # the server has seen the short-lived client leave
try:
    connecting.sendall(struct.pack("<cxHHHHxx", b"l", 11, 0, 0, 0))  # setup, no authorisation
    reply = connecting.recv(1)
except OSError as error:
    sys.exit(f"the connection broke: {error}")
sys.exit(None if reply == b"\x01" else f"the setup was answered with {reply!r}, not success")
PYTHON
echo "PASSED: a client still connecting outlives a short-lived one on $DISPLAY"
