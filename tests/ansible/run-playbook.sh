#!/usr/bin/env bash
# The collection from the source tree and a built vantor-admin, as a fleet
# would use them: the playbook makes a server in a new folder, a second run
# changes nothing, a run with --check --diff after a change of the playbook
# reports the change and writes nothing, and no password shows anywhere.
# Usage: run-playbook.sh VANTOR_ADMIN COLLECTION_DIR [FOLDER]; the server is
# made in FOLDER, which is then kept, or in a temporary folder.
set -euo pipefail
admin=$(realpath "$1")
collection=$(realpath "$2")
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
folder=${3:-$work/folder}

mkdir -p "$work/collections/ansible_collections/vantor" "$folder"
ln -s "$collection" "$work/collections/ansible_collections/vantor/ftp"
export ANSIBLE_COLLECTIONS_PATH="$work/collections"
export ANSIBLE_CALLBACK_PLUGINS="$here/callback_plugins" ANSIBLE_STDOUT_CALLBACK=json
export ANSIBLE_LOCAL_TEMP="$work/tmp" ANSIBLE_REMOTE_TEMP="$work/tmp"
export ANSIBLE_NOCOLOR=1 ANSIBLE_RETRY_FILES_ENABLED=0
printf 'alice secret 1\n' > "$work/alice.secret"
printf 'bob_password: bob secret 2\n' > "$work/secrets.yml"

play() {
  ansible-playbook -i localhost, -c local -e ansible_python_interpreter=/usr/bin/python3 \
    -e "folder=$folder" -e "vantor_admin=$admin" -e "alice_password_file=$work/alice.secret" -e "@$work/secrets.yml" "$@" \
    "$here/playbook.yml"
}
# The run's count of a status of the host.
count() {
  python3 -c 'import json, sys; print(json.load(open(sys.argv[1]))["stats"]["localhost"][sys.argv[2]])' "$1" "$2"
}
fail() {
  echo "run-playbook: $*" >&2
  exit 1
}
stamps() {
  find "$folder" -maxdepth 1 -type f -printf '%f %s %T@\n' | sort
}

play > "$work/first.json" || fail "the first run failed: $(cat "$work/first.json")"
[ "$(count "$work/first.json" failures)" = 0 ] || fail "the first run failed"
[ "$(count "$work/first.json" changed)" -gt 0 ] || fail "the first run changed nothing"
"$admin" --dir "$folder" check --strict || fail "check finds faults after the first run"

play > "$work/second.json" || fail "the second run failed"
[ "$(count "$work/second.json" changed)" = 0 ] ||
  fail "the second run changed $(count "$work/second.json" changed) tasks"

before=$(stamps)
saved=$(cat "$folder/main.ftpd")
play --check --diff -e listen_port=2122 > "$work/check.json" || fail "the check run failed"
[ "$(count "$work/check.json" changed)" = 1 ] ||
  fail "the check run reports $(count "$work/check.json" changed) changes, not 1"
grep -q 'LISTEN_PORT=2122' "$work/check.json" || fail "the check run shows no diff of the port"
[ "$(stamps)" = "$before" ] && [ "$(cat "$folder/main.ftpd")" = "$saved" ] ||
  fail "the check run wrote a file"

for run in first second check; do
  if grep -q -e 'alice secret' -e 'bob secret' "$work/$run.json"; then
    fail "a password shows in the output of the $run run"
  fi
done
echo "run-playbook: passed"
