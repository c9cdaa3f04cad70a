#!/usr/bin/env bash
# Walks through zev_orer as a user would, on the current X display and its window manager, with the real pointer:
# clicks every button of the program's window and checks, with the X server's geometry, that each window it opens
# is on screen and centred on its parent (within 3 pixels), and that it can be used: a message box's button
# answers and closes it, the overlay's panel removes the overlay, the wizard pages forward and back, the frameless
# main window closes through its guard. Saves a screenshot of each window into the screenshot folder.
# Usage: walkthrough.sh <build dir> <screenshot dir> <scale factor>      Exit code: the number of failed checks.
set -uo pipefail
build=$1
shots=$2
scale=$3
grab="$build/scripts/xgrab/zev_orer_xgrab"
mkdir -p "$shots"
failures=0
fail() {
    echo "walkthrough at scale $scale: $*" >&2
    failures=$((failures + 1))
}

# Device-independent pixels of the program to the X server's pixels.
px() { echo $(($1 * scale)); }

# "x y width height" of a window on the screen.
geometry() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
        /Width:/ {w = $NF} /Height:/ {h = $NF} END {print x, y, w, h}'
}
read -r screen_w screen_h < <(xwininfo -root | awk '/Width:/ {w = $NF} /Height:/ {h = $NF} END {print w, h}')

size() { geometry "$1" | awk '{print $3 "x" $4}'; }

# Waits until the size of window $1 compares as $2 ("= WxH" or "!= WxH").
becomes() {
    for _ in $(seq 50); do
        [ "$(size "$1")" $2 ] && return 0
        sleep 0.1
    done
    return 1
}

windows() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null | sort; }

# Waits for a visible window of the program that is not one of $known and prints its id.
new_window() {
    for _ in $(seq 100); do
        for w in $(windows); do
            grep -qx "$w" <<<"$known" || {
                echo "$w"
                return 0
            }
        done
        sleep 0.1
    done
    return 1
}

gone() {
    for _ in $(seq 100); do
        windows | grep -qx "$1" || return 0
        sleep 0.1
    done
    return 1
}

# Away from every window, so that no button shows its hover colour.
park() { xdotool mousemove --sync $((screen_w - 1)) $((screen_h - 1)); }

click_at() { xdotool mousemove --sync "$1" "$2" click 1; }

# Clicks the n-th enabled push button (in reading order) of a window.
click_button() {
    local x y bx by bw bh
    read -r x y _ _ < <(geometry "$1")
    read -r bx by bw bh < <("$grab" --buttons "$1" | sed -n "$2p")
    [ -n "${bh:-}" ] || return 1
    click_at $((x + bx + bw / 2)) $((y + by + bh / 2))
}

button_count() { "$grab" --buttons "$1" | wc -l; }

# Saves the window once two grabs in a row are alike, i.e. once it has finished painting.
shot() {
    local file="$shots/$2.png" previous="$shots/.previous.png"
    "$grab" "$1" "$previous"
    for _ in $(seq 30); do
        sleep 0.1
        "$grab" "$1" "$file"
        cmp -s "$file" "$previous" && break
        cp "$file" "$previous"
    done
    rm -f "$previous"
}

# Checks that window $1 lies on the screen and that its centre is within 3 pixels of the centre of the
# rectangle "x y width height" in $3 (its parent, or the screen); $2 names it in messages.
check_place() {
    local x y w h px py pw ph
    read -r x y w h < <(geometry "$1")
    read -r px py pw ph <<<"$3"
    if ((x < 0 || y < 0 || x + w > screen_w || y + h > screen_h)); then
        fail "$2 at $x,$y ${w}x$h is not on the ${screen_w}x$screen_h screen"
    fi
    local dx=$(((2 * x + w - 2 * px - pw) / 2)) dy=$(((2 * y + h - 2 * py - ph) / 2))
    if ((dx < -3 || dx > 3 || dy < -3 || dy > 3)); then
        fail "$2 at $x,$y ${w}x$h is off the centre of $px,$py ${pw}x$ph by $dx,$dy"
    fi
}

tmp=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null; rm -rf "$tmp"' EXIT
export HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/config" XDG_DATA_HOME="$tmp/data" XDG_RUNTIME_DIR="$tmp/runtime"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
QT_SCALE_FACTOR=$scale "$build/apps/zev_orer/zev_orer" &
pid=$!
main=$(timeout 20 xdotool search --sync --onlyvisible --pid "$pid" | head -n1)
if [ -z "$main" ]; then
    fail "no window appeared"
    exit "$failures"
fi
known=$main
park
shot "$main" program
check_place "$main" "the program's window" "0 0 $screen_w $screen_h"
[ "$(button_count "$main")" -eq 8 ] || fail "the program's window shows $(button_count "$main") buttons, not 8"
parent=$(geometry "$main")

# The four message boxes: each opens centred on the window, and its first button answers and closes it.
n=1
for box in information question warning error; do
    click_button "$main" "$n" || fail "no button $n in the program's window"
    n=$((n + 1))
    if ! window=$(new_window); then
        fail "no $box message box appeared"
        continue
    fi
    check_place "$window" "the $box message box" "$parent"
    park
    shot "$window" "messagebox-$box"
    click_button "$window" 1 || fail "the $box message box shows no button"
    gone "$window" || fail "the $box message box stayed open after its button was clicked"
done

# The overlay dims the window; its panel lies above it, and the panel's one button removes it again.
park
shot "$main" .before-overlay
click_button "$main" 5
park
shot "$main" overlay
cmp -s "$shots/.before-overlay.png" "$shots/overlay.png" && fail "the overlay did not dim the window"
[ "$(button_count "$main")" -eq 1 ] || fail "the overlay's panel shows $(button_count "$main") buttons, not 1"
click_button "$main" 1
park
shot "$main" .after-overlay
cmp -s "$shots/.before-overlay.png" "$shots/.after-overlay.png" || fail "the overlay stayed after its removal"
rm -f "$shots"/.*-overlay.png

# The wizard follows the size of its page: Next changes it, Back returns to the first.
click_button "$main" 6
if window=$(new_window); then
    check_place "$window" "the wizard" "$parent"
    park
    shot "$window" wizard
    first=$(size "$window")
    click_button "$window" 1 || fail "the wizard's first page shows no Next button"
    park
    becomes "$window" "!= $first" || fail "Next did not change the wizard's page"
    shot "$window" wizard-page-2
    click_button "$window" 1 || fail "the wizard's second page shows no Back button"
    park
    becomes "$window" "= $first" || fail "Back did not return to the wizard's first page"
    read -r x y w _ < <(geometry "$window")
    # The title strip's close button: a 32-pixel square inside the 2-pixel border, at the right.
    click_at $((x + w - $(px 18))) $((y + $(px 18)))
    gone "$window" || fail "the wizard's close button did not close it"
else
    fail "no wizard appeared"
fi

# The frameless main window opens centred on the screen and closes through its guard's question.
click_button "$main" 7
if window=$(new_window); then
    check_place "$window" "the frameless main window" "0 0 $screen_w $screen_h"
    park
    shot "$window" main-window
    known+=$'\n'$window
    read -r x y w _ < <(geometry "$window")
    # The close button: 48 x 32 at the right of the title bar, inside the 15-pixel shadow margin and the frame.
    click_at $((x + w - $(px 40))) $((y + $(px 34)))
    if question=$(new_window); then
        check_place "$question" "the main window's close question" "$(geometry "$window")"
        shot "$question" main-window-question
        click_button "$question" 1 # Yes
        gone "$window" || fail "the main window stayed open after Yes"
    else
        fail "closing the main window asked nothing"
    fi
    known=$main
else
    fail "no frameless main window appeared"
fi

# The frameless dialog opens centred on the window and closes through its title bar's close button.
click_button "$main" 8
if window=$(new_window); then
    check_place "$window" "the frameless dialog" "$parent"
    park
    shot "$window" frameless-dialog
    read -r x y w _ < <(geometry "$window")
    click_at $((x + w - $(px 25))) $((y + $(px 19)))
    gone "$window" || fail "the frameless dialog's close button did not close it"
else
    fail "no frameless dialog appeared"
fi

# The program's window closes through the window manager and the program ends with 0.
xdotool windowactivate --sync "$main" 2>/dev/null
xdotool key --clearmodifiers alt+F4
wait "$pid"
code=$?
[ "$code" -eq 0 ] || fail "the program ended with exit code $code"
echo "walkthrough at scale $scale: $failures failed checks; screenshots in $shots"
exit "$failures"
