#!/usr/bin/env bash
# Runs a command, normally the dialog benchmarks, as a screen reader's user
# runs the program: on a private X server and session bus, with the
# accessibility bus started and Qt's bridge to it forced on.
#   bench/gui/with-accessibility-bus.sh build/bench/gui/vantor_gui_benchmarks
# Needs xvfb, dbus and at-spi2-core, which the build itself does not.
set -euo pipefail
for tool in xvfb-run dbus-run-session dbus-send; do
  command -v "$tool" >/dev/null ||
    { echo "$0: $tool is missing (packages xvfb, dbus, at-spi2-core)" >&2; exit 2; }
done
if [ -z "${VANTOR_ON_PRIVATE_BUS:-}" ]; then
  exec xvfb-run -a dbus-run-session -- env VANTOR_ON_PRIVATE_BUS=1 "$0" "$@"
fi
# The bridge only joins an accessibility bus that is already running.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
  >/dev/null
exec env QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@"
