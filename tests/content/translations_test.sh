#!/usr/bin/env bash
# The shipped translations (content/lang/*.po, copied into the game folder's lang/): gettext's
# msgfmt --check passes, the game's --check --lang finds nothing to fix and nothing
# untranslated, and merged with a fresh --pot template nothing turns fuzzy or obsolete.
#   translations_test.sh VELKAROS GAME_FOLDER WORK_DIR
set -euo pipefail
game=$1 folder=$2 work=$3
rm -rf "$work"
mkdir -p "$work"
fail() { echo "FAIL: $*" >&2; exit 1; }

"$game" --data "$folder" --pot "$work/game.pot" || fail "--pot exited with $?"
found=0
for po in "$folder"/lang/*.po; do
    [ -e "$po" ] || continue
    found=1
    code=$(basename "$po" .po)
    msgfmt --check -o /dev/null "$po" 2>"$work/msgfmt" || fail "msgfmt --check $po: $(cat "$work/msgfmt")"
    set +e
    "$game" --data "$folder" --check --lang "$code" >"$work/check" 2>&1
    status=$?
    set -e
    [ "$status" = 0 ] || fail "--check --lang $code exited with $status: $(cat "$work/check")"
    [ "$(wc -l <"$work/check")" = 1 ] || fail "--check --lang $code reports: $(cat "$work/check")"
    grep -Eq "^lang/$code.po: 0 problems; 0 of [0-9]+ texts untranslated$" "$work/check" ||
        fail "--check --lang $code: $(cat "$work/check")"
    msgmerge -q -o "$work/$code.po" "$po" "$work/game.pot"
    for kind in only-fuzzy only-obsolete untranslated; do
        msgattrib --$kind --no-wrap "$work/$code.po" >"$work/$kind"
        # Nothing but the header may be left.
        [ "$(grep -c '^\(#~ \)\?msgid ' "$work/$kind")" -le 1 ] ||
            fail "$code.po merged with the template keeps --$kind entries: $(cat "$work/$kind")"
    done
done
[ "$found" = 1 ] || fail "no translation in $folder/lang"
echo "shipped translations: ok"
