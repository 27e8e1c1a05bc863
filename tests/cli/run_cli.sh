#!/usr/bin/env bash
# Runs zevctl as a script would: exit statuses, a folder written, an import,
# and the merge driver and text converter on a real git repository.
# Usage: run_cli.sh ZEVCTL
set -euo pipefail

zevctl=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "cli: FAILED: $*" >&2; exit 1; }
# Runs zevctl with the rest, and compares its exit status with the first.
status() {
    local expected=$1; shift
    local got=0
    "$zevctl" "$@" >"$work/out" 2>"$work/err" || got=$?
    [ "$got" -eq "$expected" ] || { cat "$work/out" "$work/err" >&2; fail "zevctl $* exited $got, not $expected"; }
}
server() { printf '[SERVER]\nserver_id=%s\ndisplay_name=%s\nrps_hostname_port=%s\nxpos=%s\nypos=0\nwidth=75\nheight=75\n\n' "$@"; }
device() { printf '[THINCLIENT]\ndesc=%s\nserial_number=%s\nserver=%s\n\n' "$@"; }

site=$work/site
mkdir "$site"
{ server 1 One one.example 0; server 2 Two two.example 100; device "Desk A" a1 1; } >"$site/zev.conf"

status 64
grep -q "no command given" "$work/err" || fail "a missing command was not said"
status 64 check
status 64 check "$site" extra
status 64 frobnicate "$site"
grep -q "unknown command “frobnicate”" "$work/err" && [ "$(wc -l <"$work/err")" -le 4 ] || fail "a wrong command was not said shortly"
status 0 --version
status 0 check --help
# A new folder from a script: init makes it, never over a zev.conf; an import fills it.
status 0 init "$work/new"
status 2 init "$work/new"
printf 'n1,,,New desk\n' >"$work/n1.txt"
status 0 import "$work/new" "$work/n1.txt"
[ -f "$work/new/N1.conf" ] && status 0 check "$work/new" || fail "a folder made by init took no import"

# A device file missing or not what zev.conf gives it (a save killed midway) is named until written.
status 1 check "$site"
grep -qx "A1.conf: missing" "$work/out" || fail "check did not name the missing device file"
status 2 check "$work/nowhere"
status 0 write "$site"
[ -f "$site/A1.conf" ] && grep -qx "display_name=One" "$site/A1.conf" || fail "write made no device file"
status 0 check "$site"
echo "display_name=Old" >>"$site/A1.conf"
status 1 check "$site"
grep -qx "1 device file does not match zev.conf — Save writes it" "$work/out" || fail "check did not count the stale device file"
status 0 write "$site"
status 0 check "$site"
printf 'b2,,,Desk B\nbad/x,,,Nope\n' >"$work/list.txt"
status 0 import "$site" "$work/list.txt"
grep -q "Rejected entries:	1" "$work/out" && grep -q "bad/x" "$work/out" || fail "import did not report its counts"
[ -f "$site/B2.conf" ] || fail "import saved no device file for B2"
# A line that is no entry at all is said, and the import is not a success; the rest is saved.
printf 'c3,,,Desk C\nEF300\n\n# note\n' >"$work/typo.txt"
status 1 import "$site" "$work/typo.txt"
grep -q "Skipped lines (not SERIAL,,,Description): 1" "$work/out" && grep -qx "Skipped line (not SERIAL,,,Description): EF300" "$work/err" ||
    fail "import did not say the skipped line"
[ -f "$site/C3.conf" ] || fail "import with a skipped line saved no device file for C3"
{ server 1 One one.example 0; server 2 Two one.example 100; device "Desk A" a1 1; } >"$work/problems.conf"
mkdir "$work/bad" && cp "$work/problems.conf" "$work/bad/zev.conf"
status 1 check "$work/bad"
status 1 diff "$site/zev.conf" "$work/problems.conf"
status 0 diff "$site/zev.conf" "$site/zev.conf"

# A merge with a conflict writes everything else and marks the conflict in its record; a marked
# file is no configuration; --ours and --theirs settle every conflict one way.
mkdir "$work/marked"
{ server 1 One one.example 0; server 2 Two two.example 100; device "Desk A" a1 1; device "Desk B" b2 2; } >"$work/base.conf"
{ server 1 One one.example 0; server 2 Two two.example 300; device "Desk A mine" a1 1; device "Desk B" b2 2; } >"$work/marked/zev.conf"
{ server 1 One host.example 0; server 2 Two two.example 100; device "Desk A theirs" a1 1; device "New" c3 1; } >"$work/theirs.conf"
cp "$work/marked/zev.conf" "$work/mine.conf"
status 1 merge "$work/base.conf" "$work/marked/zev.conf" "$work/theirs.conf"
grep -qx "rps_hostname_port=host.example" "$work/marked/zev.conf" && grep -qx "xpos=300" "$work/marked/zev.conf" &&
    grep -qx "serial_number=c3" "$work/marked/zev.conf" || fail "the merge did not apply the changes without a conflict"
[ "$(grep -A4 -x '<<<<<<< ours' "$work/marked/zev.conf" | tr '\n' '|')" = "<<<<<<< ours|desc=Desk A mine|=======|desc=Desk A theirs|>>>>>>> theirs|" ] ||
    fail "the conflict was not marked in its record"
status 2 check "$work/marked"
grep -q "holds unresolved merge conflicts" "$work/err" || fail "check took a marked file for a configuration"
cp "$work/mine.conf" "$work/marked/zev.conf"
status 0 merge --theirs "$work/base.conf" "$work/marked/zev.conf" "$work/theirs.conf"
grep -qx "desc=Desk A theirs" "$work/marked/zev.conf" && grep -qx "xpos=300" "$work/marked/zev.conf" || fail "--theirs did not settle for theirs"
status 0 write "$work/marked"

# git: two branches each change another record; the driver merges them, the text converter shows the result.
repo=$work/repo
git init -q -b main "$repo"
cd "$repo"
git config user.email ci@example.org && git config user.name CI
git config diff.zev.textconv "$zevctl show"
git config merge.zev.driver "$zevctl merge %O %A %B"
echo "zev.conf diff=zev merge=zev" >.gitattributes
{ server 1 One one.example 0; server 2 Two two.example 100; device "Desk A" a1 1; } >zev.conf
git add . && git commit -qm base
git checkout -qb theirs
{ server 1 One one.example 0; server 2 Two two.example 300; device "Desk A" a1 1; } >zev.conf
git commit -qam "Two moved"
git checkout -q main
{ server 1 One one.example 0; server 2 Two two.example 100; device "Front desk" a1 1; } >zev.conf
git commit -qam "Desk renamed"
git merge -q --no-edit theirs >/dev/null || fail "the merge driver left a conflict"
grep -qx "xpos=300" zev.conf && grep -qx "desc=Front desk" zev.conf || fail "the merge lost a side's change"
git show HEAD~1:zev.conf >/dev/null
git diff HEAD~2 HEAD -- zev.conf | grep -q "^+Server “Two” (2): xpos = 300" || fail "the text converter did not show the change"
# Whatever the language, the files are the same bytes, and so is what git compares;
# messages follow the locale, and a C locale is English for scripts.
printf 'd4,,,Büro Köln\n' >"$work/umlaut.txt"
for language in en de fr; do
    mkdir "$work/in-$language" && cp "$site/zev.conf" "$work/in-$language/"
    case $language in en) locale=C.UTF-8 ;; de) locale=de_DE.UTF-8 ;; fr) locale=fr_FR.UTF-8 ;; esac
    export LANG=$locale LANGUAGE=$language
    status 0 write "$work/in-$language"
    status 0 import "$work/in-$language" "$work/umlaut.txt"
    "$zevctl" show "$work/in-$language/zev.conf" >"$work/shown-$language"
    status 64 frobnicate
    cp "$work/err" "$work/err-$language"
    LC_ALL=C status 64 frobnicate
    grep -q "unknown command “frobnicate”" "$work/err" || fail "LC_ALL=C did not give English under LANG=$locale"
done
export LANG=C.UTF-8 && unset LANGUAGE
for language in de fr; do
    diff -r "$work/in-en" "$work/in-$language" >&2 || fail "the files written in $language differ from English"
    cmp -s "$work/shown-en" "$work/shown-$language" || fail "zevctl show differs in $language"
    grep -q "frobnicate" "$work/err-$language" && ! grep -q "unknown command" "$work/err-$language" ||
        fail "zevctl did not speak $language: $(cat "$work/err-$language")"
done
echo "cli: passed"
