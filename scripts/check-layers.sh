#!/usr/bin/env bash
# Keeps the three wings honest: the core includes neither Qt nor the wizard
# nor the command-line program, the command-line program never includes the
# wizard, and the wizard never includes the command-line program. The texts
# both programs show (texts/) use Qt Core alone. Inside the wizard the folders
# stand in layers without a cycle: the platform, then the documents, then the
# two editors, then the page chain, then the start dialog (gui/app), which
# opens all of them and is included by none. The link
# side is kept by the CMake targets; this catches an include that would only
# show up once a header starts to need the other side.
set -euo pipefail
cd "$(dirname "$0")/.."

status=0
forbid() { # folder, pattern, what is wrong
  local hits
  if [ -d "$1" ]; then
    hits=$(grep -rnE --include='*.h' --include='*.cpp' "$2" "$1" || true)
    if [ -n "$hits" ]; then
      printf 'check-layers: %s\n%s\n' "$3" "$hits" >&2
      status=1
    fi
  fi
}

forbid core '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](Q|qt|ui_|gui/|cli/)' \
  'core/ may include only the standard library and core/'
forbid cli '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](QtWidgets|QtGui|QApplication|QWidget|ui_|gui/)' \
  'cli/ may not include the wizard, Qt Widgets or Qt GUI'
forbid gui '^[[:space:]]*#[[:space:]]*include[[:space:]]*"cli/' \
  'gui/ may not include cli/'
forbid texts '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](QtWidgets|QtGui|QApplication|QWidget|ui_|gui/|cli/)' \
  'texts/ may include only Qt Core, core/ and texts/'
gui_include() { # the gui/ folders an include may not name
  printf '^[[:space:]]*#[[:space:]]*include[[:space:]]*"gui/(%s)/' "$1"
}
forbid gui/platform "$(gui_include 'documents|users|vfs|wizard|app')" \
  'gui/platform/ may include no dialog and no document'
forbid gui/documents "$(gui_include 'users|vfs|wizard|app')" \
  'gui/documents/ may include only gui/platform/ of the wizard'
forbid gui/users "$(gui_include 'vfs|wizard|app')" \
  'gui/users/ may not include the other editor, the pages or the start dialog'
forbid gui/vfs "$(gui_include 'users|wizard|app')" \
  'gui/vfs/ may not include the other editor, the pages or the start dialog'
forbid gui/wizard "$(gui_include 'app')" \
  'gui/wizard/ may not include the start dialog'
exit $status
