#!/usr/bin/env bash
# Starts a private CUPS scheduler for the test run, with its configuration,
# spool and socket under DIR, and a default queue that writes PostScript to
# DIR/out/page.ps. Nothing outside DIR changes. Where the scheduler cannot be
# started (no root), DIR/unavailable says why and the print test skips.
# Usage: start.sh DIR
set -euo pipefail
dir=$1
bash "$(dirname "$0")/stop.sh" "$dir"
mkdir -p "$(dirname "$dir")"

if [ "$(id -u)" -ne 0 ]; then
    mkdir -p "$dir"
    echo "the private print scheduler needs root to start" >"$dir/unavailable"
    exit 0
fi
# Filters run as the unprivileged user lp and must reach the spool. Where the
# build tree lies beyond lp's reach (a home folder of mode 700), the
# scheduler's files go to a private folder under /tmp that DIR links to.
if runuser -u lp -- test -x "$(dirname "$dir")"; then
    mkdir -p "$dir"
else
    private=$(mktemp -d /tmp/bingo-print.XXXXXX)
    chmod 755 "$private"
    ln -s "$private" "$dir"
    dir=$private
fi
mkdir -p "$dir"/{etc/ppd,spool/tmp,cache,state,log,out}
for tool in cupsd lpadmin lpstat gs; do
    command -v "$tool" >/dev/null || { echo "$tool is missing (./check installs it)"; exit 1; }
done

socket=$dir/cups.sock
cat >"$dir/etc/cupsd.conf" <<CONF
Listen $socket
LogLevel warn
WebInterface No
Browsing No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
cat >"$dir/etc/cups-files.conf" <<CONF
FileDevice Yes
ServerRoot $dir/etc
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
SystemGroup root
CONF
chmod 755 "$dir" "$dir/etc"
chmod 1777 "$dir/out" "$dir/spool/tmp"

setsid cupsd -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" \
    >"$dir/log/cupsd.out" 2>&1 </dev/null &
echo $! >"$dir/cupsd.pid"

for _ in $(seq 100); do
    lpstat -h "$socket" -r 2>/dev/null | grep -q "is running" && break
    sleep 0.1
done
lpstat -h "$socket" -r | grep -q "is running" || { cat "$dir/log/cupsd.out" "$dir/log/error_log" 2>/dev/null; exit 1; }

# Since CUPS 2.4.17 the scheduler writes a file: device only into a file that exists.
install -m 666 /dev/null "$dir/out/page.ps"
lpadmin -h "$socket" -p bingo-file -E -v "file://$dir/out/page.ps" -m drv:///sample.drv/generic.ppd
# A second queue that takes plain text alone: it refuses a PDF once its job is made.
(cat "$dir/etc/ppd/bingo-file.ppd" && echo '*cupsFilter: "text/plain 0 -"') >"$dir/text-only.ppd"
lpadmin -h "$socket" -p bingo-text-only -E -v "file://$dir/out/page.ps" -P "$dir/text-only.ppd"
lpadmin -h "$socket" -d bingo-file
echo "private print scheduler $(cat "$dir/cupsd.pid") at $socket"
