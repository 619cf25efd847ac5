#!/usr/bin/env bash
# Makes Debian's source packages available to `apt-get source`, for the builds that compile a
# Debian library for another platform (Windows, the web). The deb-src entries are written for
# the Debian mirrors this machine's apt sources already use, and for no other address: a
# machine without a Debian mirror in its sources stops here with a message.
#
#   scripts/deb-src.sh        prints "updated" when it added entries (apt-get update is due)
#
# APT_DIR (default /etc/apt) names the folder read and written, for tests.
set -euo pipefail

apt_dir=${APT_DIR:-/etc/apt}
suite=${VK_SUITE:-$(. /etc/os-release && echo "${VERSION_CODENAME:-}")}
out=$apt_dir/sources.list.d/velkaros-deb-src.sources

shopt -s nullglob
lists=()
[ -f "$apt_dir/sources.list" ] && lists+=("$apt_dir/sources.list")
lists+=("$apt_dir"/sources.list.d/*.list)
stanza_files=("$apt_dir"/sources.list.d/*.sources)

# Source entries already there: nothing to do.
if grep -qs -E '^[[:space:]]*deb-src[[:space:]]' "${lists[@]}" /dev/null ||
    grep -qs -E '^Types:.*deb-src' "${stanza_files[@]}" /dev/null; then
    exit 0
fi

# Debian mirrors among the binary entries: those that carry the release's own suite. The
# addresses of other archives (a vendor's packages, "nodistro" suites) are never copied.
entries=$(
    {
        for f in "${lists[@]}"; do
            # deb [options] URI SUITE COMPONENTS...
            sed -E -n 's/^[[:space:]]*deb[[:space:]]+(\[[^]]*\][[:space:]]+)?//p' "$f" |
                awk -v s="$suite" '$2 == s { printf "%s %s", $1, $2; for (i = 3; i <= NF; ++i) printf " %s", $i; print "" }'
        done
        for f in "${stanza_files[@]}"; do
            # One stanza per blank-line-separated block; a commented or disabled one is skipped.
            awk -v s="$suite" '
                function flush() {
                    if (types ~ /(^| )deb( |$)/ && enabled != "no" && uri != "")
                        for (i = 1; i <= n; ++i) if (suites[i] == s) print uri, s, comps
                    types = ""; uri = ""; comps = ""; enabled = ""; n = 0
                }
                /^[[:space:]]*$/ { flush(); next }
                /^#/ { next }
                /^Types:/ { sub(/^Types:[[:space:]]*/, ""); types = $0 }
                /^URIs:/ { uri = $2 }
                /^Suites:/ { n = split(substr($0, index($0, ":") + 1), suites, " ") }
                /^Components:/ { sub(/^Components:[[:space:]]*/, ""); comps = $0 }
                /^Enabled:/ { enabled = $2 }
                END { flush() }
            ' "$f"
        done
    } | sort -u
)

if [ -z "$suite" ] || [ -z "$entries" ]; then
    echo "deb-src.sh: no Debian mirror for '${suite:-?}' in $apt_dir/sources.list or" \
        "$apt_dir/sources.list.d/; add the mirror you use there, then run this again" >&2
    exit 1
fi

sudo=""
if [ "$(id -u)" -ne 0 ] && [ ! -w "$(dirname "$out")" ]; then
    sudo="sudo"
fi
keyring=/usr/share/keyrings/debian-archive-keyring.gpg
while read -r uri s comps; do
    printf 'Types: deb-src\nURIs: %s\nSuites: %s\nComponents: %s\n' "$uri" "$s" "${comps:-main}"
    [ -f "$keyring" ] && printf 'Signed-By: %s\n' "$keyring"
    echo
done <<<"$entries" | $sudo tee "$out" >/dev/null
echo updated
