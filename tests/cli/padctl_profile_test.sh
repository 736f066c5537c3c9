#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# padctl's named profiles as a launcher uses them, one rule per run:
#   padctl_profile_test.sh PADCTL COMPLETION-SCRIPT RULE
# with RULE one of: store, missing, names, unusable, completion.
set -u
padctl=$1
completion=$2
rule=$3
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
# The demo's window lock lives here, so a demo open elsewhere on the machine is not named.
export XDG_RUNTIME_DIR=$dir
state=$dir/controller.bin
export HOME=$dir/home
unset XDG_CONFIG_HOME
mkdir -p "$HOME"
fail() { echo "FAIL: $*" >&2; cat "$dir/err" >&2; exit 1; }
run() {  # expected exit code, then the arguments
  local want=$1; shift
  "$padctl" "$@" >"$dir/out" 2>"$dir/err"
  local got=$?
  [ "$got" -eq "$want" ] || fail "padctl $* exited $got, expected $want"
}
expect_err() { [ "$(cat "$dir/err")" = "$1" ] || fail "messages were: $(cat "$dir/err")"; }
expect_out() { [ "$(cat "$dir/out")" = "$1" ] || fail "output was: $(cat "$dir/out")"; }

# Profiles are backup files under ~/.config/padcontrols/profiles, or under $XDG_CONFIG_HOME
# when that is an absolute path; apply is a verified restore, list gives the names, remove deletes one.
store() {
  local folder=$HOME/.config/padcontrols/profiles
  run 0 --emulator "$state" set l4.step1=F rumble=2
  run 0 --emulator "$state" profile save racing
  expect_err "padctl: backup saved to $folder/racing.json"
  grep -q '"format": "padcontrols-backup"' "$folder/racing.json" || fail "not a backup file"
  run 0 --emulator "$state" reset --yes
  run 0 --emulator "$state" profile save desktop
  run 0 profile list
  expect_out $'desktop\nracing'

  run 0 --emulator "$state" profile apply racing
  expect_err "padctl: written and verified (64 slots)"
  run 0 --emulator "$state" show
  grep -qx 'l4.step1  *F' "$dir/out" || fail "apply did not bring back the racing step"
  grep -qx 'rumble  *2' "$dir/out" || fail "apply did not bring back the racing rumble"
  run 0 --emulator "$state" profile apply desktop
  run 0 --emulator "$state" show
  grep -qx 'l4.step1  *Esc' "$dir/out" || fail "apply did not bring back the desktop step"

  run 0 profile remove racing
  expect_err "padctl: profile racing removed"
  [ ! -e "$folder/racing.json" ] || fail "remove left the file"
  run 0 profile list
  expect_out "desktop"

  XDG_CONFIG_HOME=$dir/xdg run 0 --emulator "$state" profile save travel
  [ -f "$dir/xdg/padcontrols/profiles/travel.json" ] || fail "XDG_CONFIG_HOME not used"
  XDG_CONFIG_HOME=$dir/xdg run 0 profile list
  expect_out "travel"
  XDG_CONFIG_HOME=relative/xdg run 0 profile list
  expect_out "desktop"
  HOME='' run 2 profile list
  expect_err "padctl: no folder for profiles: neither XDG_CONFIG_HOME nor HOME is an absolute path"
}

# A profile that does not exist is exit 2, named in the message, and nothing is written: not
# the controller, not its state file, not a profile.
missing() {
  run 2 --emulator "$state" profile apply racing
  expect_err "padctl: no profile named racing ($HOME/.config/padcontrols/profiles/racing.json does not exist)
padctl: nothing was written"
  [ ! -e "$state" ] || fail "a missing profile wrote the controller's state"
  run 2 profile remove racing
  [ -z "$(find "$dir" -name '*.json')" ] || fail "a missing profile created a file"
  run 0 profile list
  expect_out ""
}

# Names are plain file names: empty, with '/', or starting with '.' or '-' are refused before anything
# is read or written.
names() {
  for name in "" "a/b" "../racing" ".hidden" "." ".." $'two\nlines' -rf; do
    run 2 --emulator "$state" profile save -- "$name"
    expect_err "padctl: \"${name/$'\n'/\\x0A}\" cannot name a profile: it must be a plain file name (not empty, no '/', not starting with '.' or '-')
Try 'padctl --help'."
  done
  run 2 --emulator "$state" profile apply ../racing
  written=$(find "$dir" -type f ! -name out ! -name err)
  [ -z "$written" ] || fail "a refused name wrote: $written"
  run 2 profile
  run 2 profile frob
  run 2 profile save
  run 2 profile list extra
  run 0 profile save "racing 2.0" --emulator "$state"
  [ -f "$HOME/.config/padcontrols/profiles/racing 2.0.json" ] || fail "a plain name was refused"
}

# The list shows only names apply and remove take; what is in a profile's place and is no
# profile, or cannot be looked at, is told apart from a missing one; "--" ends the options.
unusable() {
  local folder=$HOME/.config/padcontrols/profiles
  mkdir -p "$folder"
  run 0 --emulator "$state" profile save racing
  for odd in -- --yes -rf $'\xC2\x9B2J'; do cp "$folder/racing.json" "$folder/$odd.json"; done
  run 0 profile list
  expect_out "racing"
  run 2 profile apply -- -rf
  run 2 --emulator "$state" profile save -- --yes
  expect_err "padctl: \"--yes\" cannot name a profile: it must be a plain file name (not empty, no '/', not starting with '.' or '-')
Try 'padctl --help'."
  mkdir "$folder/dir.json"
  mkfifo "$folder/fifo.json"
  ln -s nowhere.json "$folder/dangling.json"
  for name in dir fifo dangling; do
    run 2 --emulator "$state" profile apply "$name"
    expect_err "padctl: $folder/$name.json is not a regular file
padctl: nothing was written"
    run 2 profile remove "$name"
    expect_err "padctl: $folder/$name.json is not a regular file"
  done
  [ -d "$folder/dir.json" ] && [ -p "$folder/fifo.json" ] && [ -L "$folder/dangling.json" ] ||
    fail "remove deleted what is no profile"
  # A folder that cannot be read is said, never an empty list.
  rm -rf "$HOME/.config/padcontrols"
  echo "not a folder" >"$HOME/.config/padcontrols"
  run 2 profile list
  expect_err "padctl: cannot read $folder: Not a directory"
  run 2 --emulator "$state" profile apply racing
  expect_err "padctl: cannot read $folder/racing.json: Not a directory
padctl: nothing was written"
  local long
  long=$dir/$(printf 'x%.0s' $(seq 300))
  XDG_CONFIG_HOME=$long run 2 profile list
  expect_err "padctl: cannot read $long/padcontrols/profiles: File name too long"
}

# Bash completion offers the actions after "profile" and the saved names after apply.
# shellcheck disable=SC2034,SC2317  # the stand-ins are called and read by the sourced script
completion() {
  run 0 --emulator "$state" profile save racing
  run 0 --emulator "$state" profile save desktop
  # Stand-ins for the bash-completion helpers the script uses, so the test needs only bash.
  _init_completion() {
    words=("${COMP_WORDS[@]}")
    cword=$COMP_CWORD
    cur=${COMP_WORDS[COMP_CWORD]}
    prev=${COMP_WORDS[COMP_CWORD - 1]}
  }
  _filedir() { :; }
  compopt() { :; }
  # shellcheck source=/dev/null
  source "$completion"
  complete_line() {
    COMP_WORDS=("$padctl" "$@")
    COMP_CWORD=$(($# ))
    COMPREPLY=()
    _padctl
    echo "${COMPREPLY[*]}"
  }
  [ "$(complete_line profile "")" = "save apply list remove" ] || fail "actions not offered"
  [ "$(complete_line profile apply "")" = "desktop racing" ] || fail "names not offered"
  [ "$(complete_line profile remove r)" = "racing" ] || fail "prefix not matched"
  [ "$(complete_line profile apply racing "")" = "" ] || fail "a second name offered"
  [ "$(complete_line profile list "")" = "" ] || fail "list takes no name"
}

: >"$dir/err"
case $rule in
  store | missing | names | unusable | completion) "$rule" ;;
  *) fail "unknown rule $rule" ;;
esac
echo "padctl profile $rule: all checks passed"
