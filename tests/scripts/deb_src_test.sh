#!/usr/bin/env bash
# scripts/deb-src.sh against apt folders made up here (APT_DIR), never the machine's own:
#  - the deb-src entries are copied from the Debian mirrors of the release's suite, in the
#    one-line and the deb822 formats, and from nothing else (vendor archives, other suites,
#    disabled or commented stanzas);
#  - existing source entries (its own included) leave everything as it is;
#  - without a Debian mirror it stops with a message and writes nothing;
#  - no script of the repository carries an archive address of its own.
# Usage: deb_src_test.sh REPO_DIR WORK_DIR
set -u
repo=$1
work=$2
script=$repo/scripts/deb-src.sh
export VK_SUITE=bookworm
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

rm -rf "$work"
mkdir -p "$work"

# A fresh apt folder named $1; its sources.list gets stdin.
apt_dir() {
    local dir=$work/$1
    mkdir -p "$dir/sources.list.d"
    cat >"$dir/sources.list"
    echo "$dir"
}

# Runs the script on an apt folder: sets out, err and status.
run() {
    out=$(APT_DIR=$1 bash "$script" 2>"$work/err")
    status=$?
    err=$(cat "$work/err")
}

written() { echo "$1/sources.list.d/velkaros-deb-src.sources"; }

# The stanza the script writes for one mirror (Signed-By where Debian's keyring is installed).
stanza() {
    printf 'Types: deb-src\nURIs: %s\nSuites: %s\nComponents: %s\n' "$1" "$2" "$3"
    [ -f /usr/share/keyrings/debian-archive-keyring.gpg ] &&
        printf 'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg\n'
    echo
}

# One-line entries: only the mirror of the release's own suite is copied.
dir=$(apt_dir one-line <<'LIST'
# the machine's mirror
deb http://mirror.example/debian bookworm main contrib
deb [arch=amd64 signed-by=/usr/share/keyrings/vendor.gpg] https://vendor.example/apt nodistro main
deb http://mirror.example/debian-security bookworm-security main
LIST
)
run "$dir"
[ "$status" -eq 0 ] || fail "one-line: exit $status ($err)"
[ "$out" = updated ] || fail "one-line: printed '$out', not 'updated'"
[ "$(cat "$(written "$dir")")" = "$(stanza http://mirror.example/debian bookworm 'main contrib')" ] ||
    fail "one-line: wrote $(cat "$(written "$dir")")"
# Run again: its own entries are there, nothing changes and nothing is printed.
before=$(cat "$(written "$dir")")
run "$dir"
[ "$status" -eq 0 ] && [ -z "$out" ] || fail "second run: exit $status, printed '$out'"
[ "$(cat "$(written "$dir")")" = "$before" ] || fail "second run changed the entries"

# deb822 stanzas: a disabled or commented stanza and other archives are left out.
dir=$(apt_dir stanzas </dev/null)
cat >"$dir/sources.list.d/debian.sources" <<'SOURCES'
Types: deb
URIs: http://mirror2.example/debian
Suites: bookworm bookworm-updates
Components: main non-free-firmware
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb
URIs: http://disabled.example/debian
Suites: bookworm
Components: main
Enabled: no

#Types: deb
#URIs: http://commented.example/debian
#Suites: bookworm

Types: deb
URIs: https://vendor.example/apt
Suites: nodistro
Components: main
SOURCES
run "$dir"
[ "$status" -eq 0 ] && [ "$out" = updated ] || fail "stanzas: exit $status, printed '$out' ($err)"
[ "$(cat "$(written "$dir")")" = "$(stanza http://mirror2.example/debian bookworm 'main non-free-firmware')" ] ||
    fail "stanzas: wrote $(cat "$(written "$dir")")"

# Source entries already configured: nothing is written.
dir=$(apt_dir has-source <<'LIST'
deb http://mirror.example/debian bookworm main
deb-src http://mirror.example/debian bookworm main
LIST
)
run "$dir"
[ "$status" -eq 0 ] && [ -z "$out" ] || fail "existing deb-src: exit $status, printed '$out'"
[ ! -e "$(written "$dir")" ] || fail "existing deb-src: entries were written"

# No Debian mirror (only a vendor archive, or nothing at all): a message, exit 1, no file.
for name in vendor-only empty; do
    if [ $name = vendor-only ]; then
        dir=$(apt_dir $name <<<'deb https://vendor.example/apt nodistro main')
    else
        dir=$(apt_dir $name </dev/null)
    fi
    run "$dir"
    [ "$status" -eq 1 ] || fail "$name: exit $status, not 1"
    [[ "$err" == *"no Debian mirror for 'bookworm'"* ]] || fail "$name: message '$err'"
    [ -z "$out" ] || fail "$name: printed '$out'"
    [ ! -e "$(written "$dir")" ] || fail "$name: entries were written"
done

# No script falls back to an address of its own (the local test server's own is no archive).
if grep -rEnI '(https?|ftp)://' "$repo/scripts" "$repo/run.sh" "$repo/test.sh" |
    grep -vE '(https?)://(127\.0\.0\.1|localhost)[:/]'; then
    fail "a script names an archive address"
fi

[ "$failures" -eq 0 ] || exit 1
echo "deb-src.sh: all cases pass"
