#!/usr/bin/env bash
# Two sites keep one configuration in git through a central repository, as the
# README's "Several sites" says: each site is a clone set up by zevctl
# git-setup; they change different records and one field differently; the
# driver merges the rest and marks the conflict; once it is settled and
# committed, the hooks leave each site's device files as zevctl write makes them.
# Usage: run_sites.sh ZEVCTL
set -euo pipefail

zevctl=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "sites: FAILED: $*" >&2; exit 1; }
export GIT_AUTHOR_NAME=CI GIT_AUTHOR_EMAIL=ci@example.org GIT_COMMITTER_NAME=CI GIT_COMMITTER_EMAIL=ci@example.org
export GIT_CONFIG_NOSYSTEM=1 HOME=$work
git config --global init.defaultBranch main
git config --global pull.rebase false
server() { printf '[SERVER]\nserver_id=%s\ndisplay_name=%s\nrps_hostname_port=%s\nxpos=%s\nypos=0\nwidth=75\nheight=75\n\n' "$@"; }
device() { printf '[THINCLIENT]\ndesc=%s\nserial_number=%s\nserver=%s\n\n' "$@"; }
# The device files of a site's folder equal what zevctl write makes from its zev.conf.
devices_follow() {
    local site=$1 copy=$work/copy
    rm -rf "$copy" && mkdir "$copy" && cp "$site/site/zev.conf" "$copy/"
    "$zevctl" write "$copy" >/dev/null
    diff -r -x zev.conf -x '.zev-*' -x '.git*' "$copy" "$site/site" >/dev/null
}

git init -q --bare "$work/central.git"
git clone -q "$work/central.git" "$work/a" 2>/dev/null
cd "$work/a"
"$zevctl" init site >/dev/null
{ server 1 One one.example 0; server 2 Two two.example 100; device "Desk A" TC1001 1; device "Desk B" TC1002 2; } >site/zev.conf
printf '*.bak' >site/.gitignore # the team's own, without a last line break
"$zevctl" git-setup site >/dev/null
grep -qx '\*.bak' site/.gitignore && grep -qx '/.zev-lock' site/.gitignore || fail "git-setup mixed its lines with the team's"
"$zevctl" git-setup site | grep -qx "Already set up: nothing changed" || fail "git-setup run twice changed something"
"$zevctl" write site >/dev/null
git add site && git commit -qm "The fleet" && git push -q origin main 2>/dev/null
[ -z "$(git status --porcelain)" ] || fail "a save left files git does not ignore: $(git status --porcelain | head -3)"
[ "$(git ls-files site)" = "$(printf 'site/.gitattributes\nsite/.gitignore\nsite/zev.conf')" ] || fail "git keeps more than zev.conf"

git clone -q "$work/central.git" "$work/b"
cd "$work/b"
status=0
"$zevctl" check site >"$work/out" || status=$?
[ "$status" = 1 ] && grep -q "^Run “zevctl git-setup site”: zev.conf is in git, but this clone lacks" "$work/out" || fail "check did not say the clone lacks git-setup"
"$zevctl" git-setup site >/dev/null
"$zevctl" write site >/dev/null

# Site a: TC1001 renamed one way, Two moved, a device added. Site b: TC1001 renamed another way, One's host changed.
cd "$work/a"
sed -i -e 's/^desc=Desk A$/desc=Front desk/' -e 's/^xpos=100$/xpos=300/' site/zev.conf
{ cat site/zev.conf; device "New desk" TC1003 1; } >"$work/next" && cp "$work/next" site/zev.conf
git commit -qam "Site a" && git push -q origin main 2>/dev/null
devices_follow "$work/a" || fail "site a's commit hook did not write its device files"
cd "$work/b"
sed -i -e 's/^desc=Desk A$/desc=Reception/' -e 's/^rps_hostname_port=one.example$/rps_hostname_port=one.site-b.example/' site/zev.conf
git commit -qam "Site b"
if git pull -q --no-edit >"$work/pull" 2>&1; then fail "the pull merged a conflict without a word"; fi
grep -qx "xpos=300" site/zev.conf && grep -qx "serial_number=TC1003" site/zev.conf &&
    grep -qx "rps_hostname_port=one.site-b.example" site/zev.conf || fail "changes without a conflict did not all arrive"
[ "$(grep -c '^<<<<<<< ours' site/zev.conf)" = 1 ] && grep -qx "desc=Reception" site/zev.conf && grep -qx "desc=Front desk" site/zev.conf ||
    fail "the conflict was not marked in its record"
status=0
"$zevctl" check site >"$work/out" 2>&1 || status=$?
[ "$status" = 2 ] && grep -q "holds unresolved merge conflicts" "$work/out" || fail "check took the marked file for a configuration"

# Settled in an editor: the reception's name stays.
sed -i -e '/^<<<<<<< ours$/d' -e '/^=======$/,/^>>>>>>> theirs$/d' site/zev.conf
git add site/zev.conf && git commit -qm "Merged" && git push -q origin main 2>/dev/null
devices_follow "$work/b" || fail "site b's device files do not follow the settled zev.conf"
cd "$work/a"
git pull -q --no-edit 2>/dev/null
grep -qx "desc=Reception" site/zev.conf && grep -qx "rps_hostname_port=one.site-b.example" site/zev.conf || fail "site a did not get the merge"
devices_follow "$work/a" || fail "site a's device files do not follow zev.conf after the pull"

# A rebase runs the hooks at every step: they write device files only, never zev.conf, so git goes on.
sed -i 's/^desc=Desk B$/desc=Stock room/' site/zev.conf
printf '\n' >>site/zev.conf # as an editor may leave it: the hook must not rewrite it
git commit -qam "Site a again" && git push -q origin main 2>/dev/null
[ -z "$(git status --porcelain)" ] || fail "the commit hook rewrote zev.conf"
cd "$work/b"
sed -i 's/^rps_hostname_port=two.example$/rps_hostname_port=two.site-b.example/' site/zev.conf
git commit -qam "Site b again"
git pull -q --rebase >"$work/pull" 2>&1 || fail "a rebase without a conflict stopped: $(cat "$work/pull")"
grep -qx "desc=Stock room" site/zev.conf && grep -qx "rps_hostname_port=two.site-b.example" site/zev.conf || fail "the rebase lost a change"
devices_follow "$work/b" || fail "site b's device files do not follow zev.conf after the rebase"
echo "sites: passed"
