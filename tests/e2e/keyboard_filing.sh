#!/usr/bin/env bash
# Files a whole report with the keyboard alone, as a person does, in the real program under a
# virtual X display with a window manager: Tab through the screens' own tab orders, arrow keys and
# Space in the lists, typing, Space on buttons, Enter for Yes and Escape for No. Two accounts, the
# first with two employees typed and one imported from a file through the file dialog, the second
# with none, a sequence number, wrong entries on the way.
# A second run with the same entries meets the replacement question and answers No.
#
# Usage: keyboard_filing.sh PATH/TO/tavo-csv
set -euo pipefail

PROGRAM="$(realpath "$1")"
WORK="$(mktemp -d)"
XVFB_LOG="$(mktemp)"
PIDS=()
trap 'kill "${PIDS[@]}" 2>/dev/null || true; rm -rf "$WORK" "$XVFB_LOG"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# A display of our own. A server that does not come up, or dies while it starts (another one
# took the number meanwhile, say), is left for one on the next free number.
for n in $(seq 91 160); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >"$XVFB_LOG" 2>&1 &
    PIDS+=($!)
    export DISPLAY=":$n"
    for _ in $(seq 100); do
        kill -0 "${PIDS[-1]}" 2>/dev/null || continue 2
        xdpyinfo >/dev/null 2>&1 && break 2
        sleep 0.1
    done
done
xdpyinfo >/dev/null 2>&1 || { cat "$XVFB_LOG" >&2; fail "no X display"; }
openbox >/dev/null 2>&1 &
PIDS+=($!)
sleep 0.5
export QT_QPA_PLATFORM=xcb

BOX_TITLE="tavo-csv" # message boxes have no title of their own; the desktop shows the program's
SCREEN_TITLE="Create CSV file"
LAST_BOX=""
BOXES=0

active_id() { xdotool getactivewindow 2>/dev/null || true; }
active_name() { xdotool getwindowname "$(active_id)" 2>/dev/null || true; }

# Waits until a window titled $1 (and not the window $2) has the keyboard focus.
wait_for() {
    for _ in $(seq 150); do
        [ "$(active_name)" = "$1" ] && [ "$(active_id)" != "${2:-}" ] && sleep 0.2 && return
        sleep 0.1
    done
    fail "waited for '$1', found '$(active_name)'"
}

# Answers the next message box: Return for Yes (or OK), Escape for No.
answer() {
    wait_for "$BOX_TITLE" "$LAST_BOX"
    LAST_BOX="$(active_id)"
    BOXES=$((BOXES + 1))
    xdotool key "$1"
    for _ in $(seq 100); do
        xwininfo -id "$LAST_BOX" 2>/dev/null | grep -q IsViewable || return 0
        sleep 0.1
    done
    fail "message box $BOXES did not close"
}

keys() { xdotool key --delay 40 "$@"; sleep 0.15; }
type_text() { xdotool type --delay 25 -- "$1"; sleep 0.1; }
retype() { keys ctrl+a; type_text "$1"; }
# Tab to each following box and type its entry; "-" leaves the box empty.
fields() {
    local value
    for value in "$@"; do
        keys Tab
        [ "$value" = - ] || type_text "$value"
    done
}
wait_for_end() {
    for _ in $(seq 100); do kill -0 "$APP" 2>/dev/null || return 0; sleep 0.1; done
    fail "the program did not end"
}

file_report() {
    (cd "$WORK" && exec "$PROGRAM") &
    APP=$!
    PIDS+=($APP)

    wait_for "Create CSV File for TAVO - version 5"
    BOXES=$((BOXES + 1))
    keys Escape

    # Contact screen: the focus starts on Close Progam; Continue is disabled until a choice.
    # Original, then the e-mail address wrong: no full stop after the "@".
    wait_for "Create CSV file - version 2"
    keys Tab space
    fields "Mary Smith" "mary@example" 8005551234 - -
    keys space
    sleep 0.3
    [ -e "$WORK/testFile.TXT" ] && [ "$1" = first ] && fail "a wrong contact was written"
    keys shift+Tab shift+Tab shift+Tab; retype "mary@example.com"
    keys Tab Tab Tab space

    # Employer screen, first account: Continue holds the focus. The second quarter and the last
    # year, and the gross wages wrong: below the taxable wages.
    wait_for "$SCREEN_TITLE"
    keys Tab Down Tab Down
    fields 0123456 123456789 3 4 4 900 10500 1000000 36000 -
    keys space shift+Tab shift+Tab shift+Tab shift+Tab; retype "1500000"
    keys Tab Tab Tab Tab space

    answer Return                                    # employees to report: Yes
    wait_for "$SCREEN_TITLE"
    type_text "123456789"
    fields "O'NEIL" MARY - 250000 100000 13 -
    keys space
    answer Return                                    # another employee: Yes
    wait_for "$SCREEN_TITLE"
    type_text "987654321"
    fields " SMITH-JONES " ANN - 250000 100000 15 -    # wrong: more than 14 weeks
    keys space shift+Tab; retype "07"
    keys Tab space
    answer Return                                    # another employee: Yes
    wait_for "$SCREEN_TITLE"
    keys Tab Tab Tab Tab Tab Tab Tab Tab space       # Import Employees…, last in the tab order
    wait_for "Import Employees"
    type_text "staff.csv"; keys Return               # the file dialog starts in the current folder
    answer Return                                    # "1 employee was imported."
    answer Escape                                    # another employee: No
    answer Return                                    # another account: Yes

    # Employer screen again, emptied, for the second account: the same keys choose the same
    # quarter and year as on the fresh screen.
    wait_for "$SCREEN_TITLE"
    keys Tab Down Tab Down
    fields 7654321 987654321 0 0 0 0 0 0 0 -
    keys space
    answer Escape                                    # employees to report: No
    answer Escape                                    # another account: No

    # Naming screen: the focus starts in the number box. Employer sends the focus back there;
    # Enter in a box does nothing; leaving the sequence number box checks it, Continue next.
    wait_for "$SCREEN_TITLE"
    keys Tab space
    sleep 0.3
    type_text "0123456"; keys Return
    keys Tab Tab; type_text "1q2014"; keys Tab
    sleep 0.3
    keys Tab space; keys shift+Tab space              # FILE UPLOAD, Continue
}

# The employees a payroll program exported, imported on the employee screen.
printf '%s\r\n' 'SSN,Last,First,Middle,Gross,Taxable,Weeks' \
    '123-45-6780,"DOE",JOHN,,"$1,000.00",500.00,12' >"$WORK/staff.csv"
YEAR="$(date +%Y)"
EXPECTED="$(printf '%s\r\n' \
    "A,O,Mary Smith,mary@example.com,8005551234,, , , , , " \
    "E,0123456,123456789,2$((YEAR - 1)),3,4,4,1500000,10500,1000000,36000" \
    "S,0123456  ,123456789,O'NEIL,MARY,,250000,100000,13, , " \
    "S,0123456  ,987654321,SMITH-JONES,ANN,,250000,100000,07, , " \
    "S,0123456  ,123456780,DOE,JOHN,,100000,50000,12, , " \
    "E,7654321,987654321,2$((YEAR - 1)),0,0,0,0,0,0,0" | od -An -c)"
REPORT="FILEUPLOAD_WR4-4B_0123456_1Q2014.CSV"

# First run: the report is made beside the working file.
file_report first
answer Return                                        # the closing message
wait_for_end
[ "$(od -An -c "$WORK/$REPORT")" = "$EXPECTED" ] || fail "the report's bytes differ: $(ls "$WORK")"
cmp -s "$WORK/$REPORT" "$WORK/testFile.TXT" || fail "the working file differs from the report"
[ "$BOXES" -eq 10 ] || fail "expected 10 message boxes in the first run, saw $BOXES"
[ "$(ls -A "$WORK" | tr '\n' ' ')" = "$REPORT staff.csv testFile.TXT " ] ||
    fail "expected only the report and the working file, found: $(ls -A "$WORK")"
echo "first run: $REPORT holds the expected $(wc -l <"$WORK/$REPORT") records"

# Second run, same entries: the replacement question, answered No, leaves the report alone. The
# first run's working file is kept as testFile.TXT.previous when the second one starts afresh.
cp "$WORK/$REPORT" "$WORK/first-report"
cp "$WORK/testFile.TXT" "$WORK/first-working-file"
BOXES=0
file_report second
answer Escape                                        # overwrite? No
answer Return                                        # "... please name the file again"
wait_for "$SCREEN_TITLE"
NAMING="$(active_id)"
keys Escape                                          # Escape does not throw the filing away
sleep 0.5
kill -0 "$APP" 2>/dev/null && [ "$(active_id)" = "$NAMING" ] || fail "Escape left the naming screen"
keys alt+F4                                          # closing the window ends the run
wait_for_end
cmp -s "$WORK/$REPORT" "$WORK/first-report" || fail "the declined replacement changed the report"
cmp -s "$WORK/testFile.TXT.previous" "$WORK/first-working-file" ||
    fail "the first run's working file was not kept as testFile.TXT.previous"
[ -f "$WORK/testFile.TXT" ] && [ "$BOXES" -eq 11 ] || fail "no working file, or not 11 boxes: $BOXES"
[ -e "$WORK/testFile.TXT.lock" ] && fail "the second run left its lock behind"
echo "second run: replacement declined, report unchanged"
