#!/usr/bin/env bash
# The game executable's translation options on a copy of the game folder: --lang without its
# file, --check --lang's report with the PO file's lines, --pot's template as gettext's own
# tools read it, and --lang in play.
#   lang_option_test.sh VELKAROS GAME_FOLDER WORK_DIR
set -euo pipefail
game=$1 folder=$2 work=$3
rm -rf "$work"
mkdir -p "$work/game/lang"
for file in "$folder"/script.dat "$folder"/image "$folder"/sound; do
    ln -s "$file" "$work/game/"
done
fail() { echo "FAIL: $*" >&2; exit 1; }
run() {
    set +e
    "$game" --data "$work/game" "$@" >"$work/out" 2>"$work/err"
    status=$?
    set -e
}

run --headless --lang en
[ "$status" = 1 ] || fail "--lang without any translation exited with $status"
grep -q "no translation 'en' (lang/en.po); there are none" "$work/err" || fail "$(cat "$work/err")"

cat >"$work/game/lang/tt.po" <<'PO'
msgid ""
msgstr "Content-Type: text/plain; charset=UTF-8\n"

#: script.dat:563
msgid "アルト"
msgstr "Alto the Brave"

msgid "ピコ"
msgstr "Piko"

msgid "ミーナ"
msgstr "Mina"
"é"

msgid "もうない"
msgstr "Gone"

msgid "%1$sの　%2$s"
msgstr "%1$s uses it!"

msgid "ゴンザ
msgstr "Gonza"

msgid "クロエ"
msgstr ""
PO
touch "$work/game/lang/de.po"
run --headless --lang xx
[ "$status" = 1 ] || fail "--lang xx exited with $status"
grep -q "no translation 'xx' (lang/xx.po); there are: de tt" "$work/err" || fail "$(cat "$work/err")"
# A mod brings its own translations, in a folder or a zip: listed, and played.
mkdir -p "$work/modfolder/lang" "$work/zipped/lang"
printf 'msgid "ピコ"\nmsgstr "Pico"\n' >"$work/modfolder/lang/fr.po"
cp "$work/modfolder/lang/fr.po" "$work/zipped/lang/it.po"
(cd "$work/zipped" && zip -q ../mod.zip lang/it.po)
run --mod "$work/modfolder" --headless --lang xx
grep -q "there are: de fr tt" "$work/err" || fail "a mod folder's language not listed: $(cat "$work/err")"
run --mod "$work/mod.zip" --headless --lang xx
grep -q "there are: de it tt" "$work/err" || fail "a mod zip's language not listed: $(cat "$work/err")"
run --mod "$work/mod.zip" --headless --lang it
[ "$status" = 0 ] || fail "--lang of a mod zip's translation exited with $status: $(cat "$work/err")"
run --headless --lang ../lang/tt
[ "$status" = 1 ] || fail "a code naming another folder exited with $status"

run --check --lang tt
[ "$status" = 1 ] || fail "--check --lang tt exited with $status: $(cat "$work/out")"
expect() { grep -qF -- "$1" "$work/out" || fail "no '$1' in: $(cat "$work/out")"; }
expect 'lang/tt.po:6: "Alto the Brave" is 56 px wide; the name window shows 40 px'
expect 'lang/tt.po:13: msgstr: U+00E9 at byte 4 has no Shift-JIS form'
expect 'lang/tt.po:15: msgid "もうない" is no text of the game'
expect "lang/tt.po:19: the translation's numbered places (%1\$s...) differ from the original's"
expect 'lang/tt.po:21: the string has no closing quote'
grep -q 'lang/tt.po:9:' "$work/out" && fail "a translation that fits was reported"
grep -q 'lang/tt.po:25:' "$work/out" && fail "an untranslated entry was reported as a problem"

# The template: every text with its place, read by gettext's tools; merged with tt.po, the
# texts the game no longer has become obsolete and nothing is lost.
run --pot "$work/game.pot"
[ "$status" = 0 ] || fail "--pot exited with $status: $(cat "$work/err")"
grep -q '^#: script.dat:563$' "$work/game.pot" || fail "no place for the first hero's name"
msgfmt --check -o /dev/null "$work/game.pot" 2>"$work/msgfmt" || fail "msgfmt: $(cat "$work/msgfmt")"
run --pot
cmp -s "$work/out" "$work/game.pot" || fail "--pot to standard output differs from the file"
grep -v '^msgid "ゴンザ$\|^msgstr "Gonza"$' "$work/game/lang/tt.po" >"$work/tt-fixed.po"
msgmerge -q -o "$work/merged.po" "$work/tt-fixed.po" "$work/game.pot"
grep -q '^#~ msgid "もうない"' "$work/merged.po" || fail "msgmerge kept a text the game lacks"
grep -q '^msgstr "Piko"' "$work/merged.po" || fail "msgmerge lost a translation"

# In play the hero choice shows the translated names.
run --headless --frames 2 --lang tt --screenshot "$work/tt.png"
[ "$status" = 0 ] || fail "--lang tt exited with $status: $(cat "$work/err")"
grep -q 'lang/tt.po:21: the string has no closing quote' "$work/err" ||
    fail "the problems of the file were not reported at start"
echo "lang option: ok"
