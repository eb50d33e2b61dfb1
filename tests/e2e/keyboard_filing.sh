#!/usr/bin/env bash
# Files a report of one account with the keyboard alone, as a person does, in the real program
# under a virtual X display with a window manager: Tab through the screens' own tab orders, arrow
# keys and Space in the lists, typing, Space on buttons, Enter for Yes and Escape for No. On the
# way: a wrong entry and its yellow mark, an employee imported through the file dialog, and Alt+F4
# on the employee screen, whose question answered No leaves the filing going.
#
# Usage: keyboard_filing.sh PATH/TO/tavo-csv [RUNNER...]     (exit status 77: skipped, no virtual
# display). A RUNNER starts the program: wine, for the .exe of a Windows build.
set -euo pipefail

command -v xvfb-run xauth openbox xdotool xwd >/dev/null || { echo "SKIP: a tool is missing"; exit 77; }
# A virtual display of our own, on a free number, with a window manager.
if [ -z "${E2E_DISPLAY:-}" ]; then
    exec env E2E_DISPLAY=1 xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" bash "$0" "$@"
fi
PROGRAM=("${@:2}" "$(realpath "$1")")
WORK="$(mktemp -d)"
openbox >/dev/null 2>&1 & PIDS=($!)
trap 'kill "${PIDS[@]}" 2>/dev/null || true; rm -rf "$WORK"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
sleep 0.5; export QT_QPA_PLATFORM=xcb
SCREEN="Create CSV file" LAST_BOX=""
active() { xdotool getactivewindow "${@}" 2>/dev/null || true; }

# Waits until a window titled $1 (and not the window $2) has the keyboard focus.
wait_for() {
    for _ in $(seq 150); do
        [ "$(active getwindowname)" = "$1" ] && [ "$(active)" != "${2:-}" ] && sleep 0.2 && return
        sleep 0.1
    done
    fail "waited for '$1', found '$(active getwindowname)'"
}
# Answers the next message box (titled with the program's name): Return for Yes or OK, Escape
# for No.
answer() { wait_for tavo-csv "$LAST_BOX" && LAST_BOX="$(active)" && xdotool key "$1"; }
keys() { xdotool key --delay 40 "$@"; sleep 0.15; }
type_text() { xdotool type --delay 25 -- "$1"; sleep 0.1; }
# Tab to each following box and type its entry; "-" leaves the box empty.
fields() { for value in "$@"; do keys Tab; [ "$value" = - ] || type_text "$value"; done; }
# The words of the active window's picture that are the error yellow (red 255, green 255, blue 0).
yellow() { xwd -silent -id "$(active)" | od -An -v -tx4 | tr -s ' ' '\n' | grep -c '^..ffff00$' || true; }

printf '%s\r\n' 'SSN,Last,First,Middle,Gross,Taxable,Weeks' \
    '123-45-6780,"DOE",JOHN,,"$1,000.00",500.00,12' >"$WORK/staff.csv"
(cd "$WORK" && exec "${PROGRAM[@]}") & APP=$! && PIDS+=($APP)
wait_for "Create CSV File for TAVO - version 5"; keys Escape

# Contact screen: the focus starts on Close Progam. Original, and the e-mail address wrong.
wait_for "Create CSV file - version 2"; keys Tab space
fields "Mary Smith" "mary@example" 8005551234 - - - -  # past the two buttons after it, to Continue
UNMARKED="$(yellow)"
keys space; sleep 0.3
[ "$(yellow)" -gt $((UNMARKED + 1000)) ] || fail "the wrong e-mail address is not marked"
keys shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab ctrl+a; type_text "mary@example.com"
keys Tab Tab Tab Tab Tab space

# Employer screen: Continue holds the focus. The second quarter of last year.
wait_for "$SCREEN"; keys Tab Down Tab Down
fields 0123456 123456789 3 4 4 1500000 10500 1000000 36000 -
keys space; answer Return                            # employees to report: Yes
wait_for "$SCREEN"; type_text "123456789"; fields "O'NEIL" MARY - 250000 100000 13 -
keys space; answer Return                            # another employee: Yes
wait_for "$SCREEN"; EMPLOYEES="$(active)"
keys alt+F4; answer Escape                           # close the program? No
wait_for "$SCREEN"
[ "$(active)" = "$EMPLOYEES" ] || fail "the employee screen is gone"
keys Tab Tab Tab Tab Tab Tab Tab Tab space           # Import Employees…, after Add Employee
wait_for "Import Employees"; type_text "staff.csv"; keys Return                   # the file dialog starts in the current folder
answer Return                                        # "1 employee was imported. ..."
answer Escape                                        # another employee: No
answer Escape                                        # another account: No

# Naming screen: the focus starts in the number box; Employer sends it back there.
wait_for "$SCREEN"
keys Tab space
type_text "0123456"
keys Tab Tab Tab Tab space shift+Tab space           # FILE UPLOAD, Continue
answer Return                                        # the closing message
for _ in $(seq 100); do kill -0 "$APP" 2>/dev/null || break; sleep 0.1; done
kill -0 "$APP" 2>/dev/null && fail "the program did not end"

REPORT="FILEUPLOAD_WR4-4B_0123456.CSV"
printf '%s\r\n' \
    "A,O,Mary Smith,mary@example.com,8005551234,, , , , , " \
    "E,0123456,123456789,2$(($(date +%Y) - 1)),3,4,4,1500000,10500,1000000,36000" \
    "S,0123456  ,123456789,O'NEIL,MARY,,250000,100000,13, , " \
    "S,0123456  ,123456780,DOE,JOHN,,100000,50000,12, , " |
    cmp -s - "$WORK/$REPORT" || fail "the report's bytes differ: $(ls "$WORK")"
[ "$(ls -A "$WORK" | tr '\n' ' ')" = "$REPORT staff.csv testFile.TXT " ] ||
    fail "expected the report, the import and the working file, found: $(ls -A "$WORK")"
echo "$REPORT holds the expected $(wc -l <"$WORK/$REPORT") records"
