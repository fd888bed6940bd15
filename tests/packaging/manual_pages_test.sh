#!/bin/sh
# The built manual pages render without a warning from man or groff, carry a
# NAME line for whatis, and oltoma-tool(1) lists every command its --help
# lists.
# Usage: manual_pages_test.sh MAN_DIR TOOL
set -eu
pages=$1 tool=$2
fail() { echo "FAIL: $*"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for page in oltoma oltoma-tool; do
    MANWIDTH=80 man --warnings -l "$pages/$page.1.gz" >"$work/$page.txt" 2>"$work/$page.err" ||
        fail "man cannot show $page.1.gz"
    [ ! -s "$work/$page.err" ] || fail "$page.1.gz: $(cat "$work/$page.err")"
    lexgrog "$pages/$page.1.gz" | grep -q "\"$page - " || fail "$page.1.gz has no NAME line"
done
# The commands as the short usage lists them: "  oltoma-tool NAME ARGUMENTS".
"$tool" 2>&1 >/dev/null | sed -n 's/^  oltoma-tool //p' >"$work/commands.txt"
[ -s "$work/commands.txt" ] || fail "no command list from oltoma-tool"
while read -r command; do
    grep -qF -- "$command" "$work/oltoma-tool.txt" || fail "oltoma-tool(1) lacks: $command"
done <"$work/commands.txt"
for section in FILER MILJÖ SLUTSTATUS; do
    grep -q "^$section" "$work/oltoma.txt" || fail "oltoma(1) has no section $section"
done
for section in COMMANDS "EXIT STATUS" ENVIRONMENT; do
    grep -q "^$section" "$work/oltoma-tool.txt" || fail "oltoma-tool(1) has no section $section"
done
echo "manual pages render: $(wc -l <"$work/commands.txt") commands"
