#!/bin/sh
# Checks one file of the desktop integration with the tool that reads its kind, and fails on
# any error or warning, also those a tool reports with exit status 0. Status 77 (skipped)
# where the tool is not installed.
# usage: validate.sh entry|metainfo|manual FILE
kind=$1
file=$2
case $kind in
entry) tool=desktop-file-validate ;;
metainfo) tool=appstreamcli ;;
manual) tool=man ;;
*) echo "validate.sh: unknown kind '$kind'" >&2; exit 2 ;;
esac
if ! command -v "$tool" >/dev/null; then
    echo "$tool is not installed: skipped"
    exit 77
fi

case $kind in
entry) out=$(desktop-file-validate "$file" 2>&1) ;;
metainfo) out=$(appstreamcli validate --no-net "$file" 2>&1) ;;
# groff's warnings go to standard error; the page itself is not wanted.
manual) out=$(MANWIDTH=80 man --warnings -l "$file" 2>&1 >/dev/null) ;;
esac
status=$?
[ -z "$out" ] || printf '%s\n' "$out"
[ "$status" -eq 0 ] || exit 1

case $kind in
# appstreamcli always sums up; its findings are the lines tagged E: and W:.
metainfo) ! printf '%s\n' "$out" | grep -q '^[EW]: ' ;;
# Every line the other two print is a finding.
*) [ -z "$out" ] ;;
esac
