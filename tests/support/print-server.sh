#!/usr/bin/env bash
# A private CUPS server for the print tests, so that they never touch the
# machine's own printers: its own configuration, spool, logs and socket in
# one folder, with PDF queues whose jobs land as PDF files in FOLDER/pdf.
#
#   print-server.sh start FOLDER [QUEUE...]   prints the socket for CUPS_SERVER
#   print-server.sh stop FOLDER
#
# The first queue is the default. A queue named *Reject* refuses jobs
# (cupsreject); one named *Paused* accepts and holds them (cupsdisable).
# The PDF driver reads its settings from /etc/cups only, so the server runs
# in a mount namespace of its own in which the folder's configuration stands
# in for /etc/cups. That needs root; elsewhere "start" fails with exit 77.
set -euo pipefail

command=${1:?start or stop}
folder=${2:?folder}

stop() {
  if [ -f "$folder/cupsd.pid" ]; then
    local pid
    pid=$(cat "$folder/cupsd.pid")
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 50); do
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
    rm -f "$folder/cupsd.pid"
  fi
}

if [ "$command" = stop ]; then
  stop
  exit 0
fi

shift 2
if [ "$(id -u)" -ne 0 ] || ! command -v cupsd >/dev/null || ! command -v unshare >/dev/null ||
  [ ! -x /usr/lib/cups/backend/cups-pdf ]; then
  echo "print-server: needs root, cupsd, unshare and the cups-pdf driver" >&2
  exit 77
fi
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd

mkdir -p "$folder"/{etc/ppd,spool/tmp,cache,state,logs,pdf,pdf-spool}
chmod 755 "$folder" "$folder"/{etc,etc/ppd,logs}
chgrp lp "$folder"/{spool,spool/tmp,cache,state}
chmod 710 "$folder/spool"
chmod 1770 "$folder/spool/tmp"
chmod 770 "$folder"/{cache,state}
chmod 1777 "$folder/pdf" "$folder/pdf-spool"
socket=$folder/cups.sock

cat >"$folder/etc/cupsd.conf" <<EOF
Listen $socket
LogLevel warn
WebInterface No
Browsing No
ErrorPolicy abort-job
# The documents as handed over stay in the spool (dNNNNN-001) for the tests.
PreserveJobFiles Yes
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
cat >"$folder/etc/cups-files.conf" <<EOF
ServerRoot $folder/etc
RequestRoot $folder/spool
CacheDir $folder/cache
StateDir $folder/state
TempDir $folder/spool/tmp
ErrorLog $folder/logs/error_log
AccessLog $folder/logs/access_log
PageLog $folder/logs/page_log
User lp
Group lp
SystemGroup root
EOF
# Every job lands as FOLDER/pdf/job_N.pdf.
cat >"$folder/etc/cups-pdf.conf" <<EOF
Out $folder/pdf
AnonDirName $folder/pdf
Spool $folder/pdf-spool
Log $folder/logs
LogType 1
Label 0
TitlePref 0
Cut -1
Truncate 0
UserUMask 0022
EOF

unshare --mount --propagation private sh -c \
  'mount --bind "$1/etc" /etc/cups && exec cupsd -f -c "$1/etc/cupsd.conf" -s "$1/etc/cups-files.conf"' \
  sh "$folder" >"$folder/logs/cupsd.out" 2>&1 </dev/null &
echo $! >"$folder/cupsd.pid"

for _ in $(seq 100); do
  if [ -S "$socket" ] && lpstat -h "$socket" -r >/dev/null 2>&1; then
    break
  fi
  sleep 0.1
done
if ! lpstat -h "$socket" -r >/dev/null 2>&1; then
  echo "print-server: cupsd did not start:" >&2
  cat "$folder/logs/cupsd.out" "$folder/logs/error_log" >&2 2>/dev/null || true
  stop
  exit 1
fi

first=1
for queue in "$@"; do
  # Through poppler's cairo renderer the job PDF keeps its text readable
  # (the default PostScript round trip loses it).
  lpadmin -h "$socket" -p "$queue" -E -v cups-pdf:/ -P "$ppd" \
    -o pdftops-renderer-default=pdftocairo 2>/dev/null
  if [ $first -eq 1 ]; then
    lpadmin -h "$socket" -d "$queue"
    first=0
  fi
  case $queue in
  *Reject*) cupsreject -h "$socket" "$queue" ;;
  *Paused*) cupsdisable -h "$socket" "$queue" ;;
  esac
done
echo "$socket"
