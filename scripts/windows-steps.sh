# The steps of scripts/build-windows that need an X display: kv310.exe in a real window, and the installer.
# Sourced by it; uses its BUILD, WORK, EXE, CTL, HOST_CTL, KV310_ROOT and its helpers (step, fail,
# start_radio, winpath).
# shellcheck shell=bash

readonly KV310_MAIN_TITLE='KV310 - PC PROGRAMMER'

# find_window REGEX SECONDS: prints the id of a visible window whose title matches, waiting at most SECONDS.
find_window() {
    local end=$((SECONDS + $2)) id
    while [ "$SECONDS" -lt "$end" ]; do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.5
    done
    return 1
}

# window_gone REGEX SECONDS: true once no visible window's title matches (within SECONDS).
window_gone() {
    local end=$((SECONDS + $2))
    while [ "$SECONDS" -lt "$end" ]; do
        if [ -z "$(xdotool search --onlyvisible --name "$1" 2>/dev/null || true)" ]; then
            return 0
        fi
        sleep 0.5
    done
    return 1
}

# Keeps what the screen shows in the build folder, for the one who reads why a step failed.
fail_with_screen() {
    import -window root "$BUILD/kv310-failed.png" 2>/dev/null || true
    fail "$* (the screen: $BUILD/kv310-failed.png)"
}

# stop_program PID: File > Exit from the keyboard (Alt+F X), then ends the process if it does not close.
stop_program() {
    local window
    if window=$(find_window "$KV310_MAIN_TITLE" 1); then
        xdotool windowfocus --sync "$window" key --clearmodifiers alt+f x 2>/dev/null || true
    fi
    for _ in $(seq 40); do
        kill -0 "$1" 2>/dev/null || break
        sleep 0.25
    done
    kill "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

# read_screenshot PNG: the screenshot of kv310.exe's window is read (tesseract, on a greyed copy three times
# the size, as its text is small) and must show the plan's model and its frequencies: a window whose line
# edits draw nothing shows none of them. Two of the 32 may be misread; the widget test above finds a single
# field that draws nothing. (The X server has no window manager, so wine shows the window without its frame
# and cuts its right and bottom edges, the status bar among them; in a wine desktop, `wine explorer
# /desktop=kv,1366x768 kv310.exe`, which manages its windows as Windows does, the window is whole.)
read_screenshot() {
    local shot=$1 text expected missing=() frequency
    convert "$shot" -colorspace Gray -resize 300% "$WORK/shot-large.png"
    tesseract "$WORK/shot-large.png" "$WORK/shot" >/dev/null 2>&1 || fail "tesseract could not read $shot"
    text=$(cat "$WORK/shot.txt")
    grep -Eq 'KV310 +UHF' <<<"$text" || fail "the screenshot of kv310.exe's window shows no model ($shot)"
    expected=$("$HOST_CTL" export "$WORK/PLAN.dat" -o - | sed -n 's/^ *[rt]x_mhz: \([0-9.]*\).*/\1/p')
    for frequency in $expected; do
        grep -qF "$frequency" <<<"$text" || missing+=("$frequency")
    done
    [ "${#missing[@]}" -le 2 ] ||
        fail "the screenshot of kv310.exe's window does not show ${#missing[@]} of the plan's 32 frequencies" \
            "(${missing[*]}): $shot"
    echo "kv310.exe's window shows the plan's model and $((32 - ${#missing[@]})) of its 32 frequencies: $shot"
}

# window_write_step PTY: kv310.exe opens PLAN.dat; the keyboard writes it (Program > Write Radio, Alt+P W) to
# the radio on COM43 (whose pseudo-terminal is PTY), the port the program remembers from last time; the radio
# then holds what kv310ctl write sends.
window_write_step() {
    local pty=$1 appdata main gui shot="$BUILD/kv310-window.png"
    appdata=$(winepath -u "$(timeout 60 wine cmd /c 'echo %APPDATA%' | tr -d '\r')")
    mkdir -p "$appdata/KV310"
    printf '\053\000\000\000' >"$appdata/KV310/KV310.ini"  # COM43, as the Port menu keeps it

    # Every field that holds text draws it, with the system's own platform and fonts as a user's window has
    # them (the window tests otherwise draw offscreen, with Qt's own fonts).
    QT_QPA_PLATFORM=windows timeout 180 wine "$BUILD/tests/ui/ui_shell_tests.exe" \
        --gtest_filter='ShellTest.EveryFieldThatHoldsTextDrawsIt' >"$WORK/fields.log" 2>&1 ||
        fail "with the Windows platform a field of the window draws no text: $(tail -n 20 "$WORK/fields.log")"
    echo "kv310.exe's window draws the text of every field with the Windows platform"

    QT_QPA_PLATFORM=windows wine "$EXE" "$(winpath "$WORK/PLAN.dat")" >"$WORK/kv310.log" 2>&1 &
    gui=$!
    main=$(find_window "$KV310_MAIN_TITLE" 90) || fail_with_screen "kv310.exe showed no main window"
    sleep 2  # its first paint
    import -window root "$shot"
    read_screenshot "$shot"

    xdotool windowfocus --sync "$main" key --clearmodifiers alt+p w
    find_window '^Read/Write$' 30 >/dev/null || fail_with_screen "Alt+P W started no write in kv310.exe"
    window_gone '^Read/Write$' 180 || fail_with_screen "kv310.exe's write did not finish"
    stop_program "$gui"

    timeout 120 "$HOST_CTL" read --port "$pty" -o "$WORK/window-back.dat" --image "$WORK/window-back.bin"
    cmp "$WORK/plan.bin" "$WORK/window-back.bin" ||
        fail "the radio holds another image than kv310ctl write sends after kv310.exe wrote PLAN.dat"
    echo "kv310.exe wrote PLAN.dat through COM43: the image kv310ctl write sends"
}

# reg_value KEY [VALUE]: the data of a registry value (the key's default without VALUE), empty when absent.
reg_value() {
    local args=(/ve)
    [ $# -gt 1 ] && args=(/v "$2")
    timeout 60 wine reg query "$1" "${args[@]}" 2>/dev/null | tr -d '\r' |
        sed -n 's/^ *[^ ]* *REG_[A-Z_]* *//p' | head -n 1 || true
}

# padded_path BASE LENGTH: BASE and then other programs' folders, LENGTH characters in all (about).
padded_path() {
    local path=$1 n=0
    while [ "${#path}" -lt "$2" ]; do
        path+=";C:\\Tools\\Program $n\\bin"
        n=$((n + 1))
    done
    printf '%s' "$path"
}

# set_path KEY LENGTH: the Path value of KEY set to one of LENGTH characters that begins with what it held
# (wine's own folders); prints it.
set_path() {
    local path
    path=$(padded_path "$(reg_value "$1" Path)" "$2")
    timeout 60 wine reg add "$1" /v Path /t REG_EXPAND_SZ /d "$path" /f >/dev/null || fail "could not set the PATH in $1"
    [ "$(reg_value "$1" Path)" = "$path" ] || fail "wine did not keep a PATH of $2 characters in $1"
    printf '%s' "$path"
}

# install_and_check SETUP MODE: a silent install for MODE (ALLUSERS or CURRENTUSER) with /PATH, the files,
# the Start-menu shortcut, the .dat association, the Add/Remove Programs entry and the PATH entry, then a
# plan opened through the association. Sets DIR (the program's folder, Windows and Linux names).
install_and_check() {
    local setup=$1 mode=$2 root=HKLM env_key="$MACHINE_ENV" menu open path gui window
    if [ "$mode" = CURRENTUSER ]; then
        root=HKCU env_key='HKCU\Environment'
        WIN_DIR="$(timeout 60 wine cmd /c 'echo %LOCALAPPDATA%' | tr -d '\r')\\Programs\\KV310 PC Programmer"
        menu="$(winepath -u "$(timeout 60 wine cmd /c 'echo %APPDATA%' | tr -d '\r')")/Microsoft/Windows/Start Menu/Programs/KV310 PC Programmer"
    else
        WIN_DIR='C:\Program Files\KV310 PC Programmer'
        menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/KV310 PC Programmer"
    fi
    DIR=$(winepath -u "$WIN_DIR")
    MENU=$menu
    [ ! -e "$DIR" ] && [ ! -e "$menu" ] || fail "the installer's prefix is not clean: $DIR or $menu is there"

    timeout 300 wine "$setup" /S "/$mode" /PATH || fail "the silent install /$mode failed"
    for file in kv310.exe kv310ctl.exe kv310-path.exe README.txt LICENSE.txt uninstall.exe; do
        [ -f "$DIR/$file" ] || fail "the installer (/$mode) did not put $file into $DIR"
    done
    [ -f "$menu/KV310 PC Programmer.lnk" ] || fail "no Start-menu shortcut in $menu"
    [ "$(reg_value "$root\\Software\\Classes\\.dat")" = KV310.Plan ] || fail ".dat files are not associated in $root"
    # read first, then matched: grep -q leaving early must not fail the pipeline (pipefail)
    open=$(reg_value "$root\\Software\\Classes\\KV310.Plan\\shell\\open\\command")
    grep -qiF "$WIN_DIR\\kv310.exe" <<<"$open" ||
        fail "the .dat association does not open kv310.exe (it reads '$open')"
    [ "$(reg_value "$root\\$UNINSTALL_KEY" DisplayName)" = "KV310 PC Programmer" ] ||
        fail "the uninstaller is not registered under Add/Remove Programs in $root"
    path=$(reg_value "$env_key" Path)
    [ "$path" = "$PATH_BEFORE;$WIN_DIR" ] ||
        fail "/PATH did not add '$WIN_DIR' at the end of the PATH of ${#PATH_BEFORE} characters (it reads '$path')"
    timeout 60 wine "$WIN_DIR\\kv310ctl.exe" --version >"$WORK/installed-version.txt" ||
        fail "the installed kv310ctl.exe does not run"

    # Double-clicking a plan: the shell opens it in the installed kv310.exe. Wine's shell reads only the
    # machine's classes (Windows merges the user's in): for the user's association its command is run as
    # the shell would run it.
    if [ "$mode" = CURRENTUSER ]; then
        local program
        program=$(sed -n 's/^"\([^"]*\)" "%1"$/\1/p' <<<"$open")
        [ -n "$program" ] || fail "the user's .dat association is no '\"program\" \"%1\"' command: $open"
        (timeout 600 wine "$program" "$(winpath "$WORK/install/PLAN.dat")" >/dev/null 2>&1 &)
    else
        timeout 60 wine start "$(winpath "$WORK/install/PLAN.dat")" || fail "the shell could not open PLAN.dat"
    fi
    window=$(find_window "$KV310_MAIN_TITLE" 90) || fail_with_screen "the installed kv310.exe showed no window"
    gui=$(xdotool getwindowpid "$window")
    tr '\0' ' ' <"/proc/$gui/cmdline" | grep -qiF "$WIN_DIR\\kv310.exe" ||
        fail "the window is not the installed kv310.exe: $(tr '\0' ' ' <"/proc/$gui/cmdline")"
    stop_program "$gui"
    echo "the installed kv310.exe (/$mode) opened PLAN.dat through the .dat association"
}

# uninstall_and_check MODE: the silent uninstall leaves nothing of the program behind, and the PATH as it
# was before the install.
uninstall_and_check() {
    local mode=$1 root=HKLM env_key="$MACHINE_ENV"
    [ "$mode" = CURRENTUSER ] && root=HKCU env_key='HKCU\Environment'
    # The uninstaller runs from a copy of itself: wait for the folder to go.
    timeout 120 wine "$WIN_DIR\\uninstall.exe" /S || fail "the silent uninstall failed"
    for _ in $(seq 120); do
        [ -e "$DIR" ] || break
        sleep 0.5
    done
    [ ! -e "$DIR" ] || fail "the uninstaller left $DIR: $(ls "$DIR")"
    [ ! -e "$MENU" ] || fail "the uninstaller left the Start-menu folder"
    [ "$(reg_value "$root\\Software\\Classes\\.dat")" != KV310.Plan ] || fail "the uninstaller left the .dat association"
    [ -z "$(reg_value "$root\\Software\\Classes\\KV310.Plan\\shell\\open\\command")" ] || fail "the uninstaller left KV310.Plan"
    [ -z "$(reg_value "$root\\$UNINSTALL_KEY" DisplayName)" ] || fail "the uninstaller left its Add/Remove Programs entry"
    [ "$(reg_value "$env_key" Path)" = "$PATH_BEFORE" ] ||
        fail "the uninstall did not give back the PATH of ${#PATH_BEFORE} characters as it was"
}

# installer_step SETUP: in a clean prefix, silent installs and uninstalls that leave nothing behind:
#   - for all users, with a machine PATH of 8,000 characters (and a plan opened through the association);
#   - for all users with PATHs of 1,000 and 2,000 characters (install and uninstall only);
#   - just for me, with a user PATH of 2,000 characters: nothing under Program Files or in the machine's
#     registry, a plan opened through the user's association.
installer_step() {
    local setup=$1 saved="${WINEPREFIX:-}" machine_path length
    UNINSTALL_KEY='Software\Microsoft\Windows\CurrentVersion\Uninstall\KV310'
    MACHINE_ENV='HKLM\SYSTEM\CurrentControlSet\Control\Session Manager\Environment'
    export WINEPREFIX="$BUILD/wine-install"
    local original
    original=$(reg_value "$MACHINE_ENV" Path)

    for length in 8000 1000 2000; do
        PATH_BEFORE=$(set_path "$MACHINE_ENV" "$length")
        if [ "$length" = 8000 ]; then
            install_and_check "$setup" ALLUSERS
        else
            timeout 300 wine "$setup" /S /ALLUSERS /PATH || fail "the silent install failed"
            WIN_DIR='C:\Program Files\KV310 PC Programmer' DIR="$WINEPREFIX/drive_c/Program Files/KV310 PC Programmer"
            MENU="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/KV310 PC Programmer"
            [ "$(reg_value "$MACHINE_ENV" Path)" = "$PATH_BEFORE;$WIN_DIR" ] ||
                fail "/PATH did not add the program's folder at the end of a PATH of $length characters"
        fi
        uninstall_and_check ALLUSERS
        echo "for all users: installed and uninstalled cleanly with a PATH of $length characters"
    done
    timeout 60 wine reg add "$MACHINE_ENV" /v Path /t REG_EXPAND_SZ /d "$original" /f >/dev/null

    machine_path=$(reg_value "$MACHINE_ENV" Path)
    timeout 60 wine reg add 'HKCU\Environment' /v Path /t REG_EXPAND_SZ /d 'C:\Users\Tools' /f >/dev/null
    PATH_BEFORE=$(set_path 'HKCU\Environment' 2000)
    install_and_check "$setup" CURRENTUSER
    [ ! -e "$WINEPREFIX/drive_c/Program Files/KV310 PC Programmer" ] || fail "just for me installed into Program Files"
    [ -z "$(reg_value "HKLM\\$UNINSTALL_KEY" DisplayName)" ] || fail "just for me wrote the machine's Add/Remove Programs"
    [ -z "$(reg_value 'HKLM\Software\Classes\KV310.Plan')" ] &&
        [ -z "$(reg_value 'HKLM\Software\Classes\KV310.Plan\shell\open\command')" ] ||
        fail "just for me wrote the machine's file association"
    [ "$(reg_value "$MACHINE_ENV" Path)" = "$machine_path" ] || fail "just for me changed the machine's PATH"
    uninstall_and_check CURRENTUSER
    timeout 60 wine reg delete 'HKCU\Environment' /v Path /f >/dev/null
    if timeout 60 wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\KV310' >/dev/null 2>&1 ||
        find "$WINEPREFIX/drive_c/Program Files" "$WINEPREFIX/drive_c/ProgramData" -iname '*kv310*' | grep -q .; then
        fail "just for me left a trace under Program Files, ProgramData or the machine's registry"
    fi
    echo "just for me: installed, associated and uninstalled without a trace under Program Files or HKLM"

    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
    touch "$WINEPREFIX/kv310-clean"  # the next run installs into this prefix again
    export WINEPREFIX="$saved"
}

# ctl_builtin_step: what a Windows user tries first without a radio, and the text forms, with kv310ctl.exe:
#   - COM49, the built-in radio: a fleet to COM49 and the radio on COM42, and (below) a single write;
#   - 'simulate' says that Windows needs COM49;
#   - 40 random plans through export and import: each comes back byte for byte;
#   - file and folder names beyond the ANSI code page (the plan, and the data and state folders where the
#     backups and the log go).
ctl_builtin_step() {
    # --force: the built-in radio starts as a KV310 VHF, the plan is another model; the step is about the ports
    winctl write --force --port COM49 --port COM42 "$(winpath "$WORK/plan.dat")" >"$WORK/fleet.txt" ||
        fail "the fleet to COM49 and COM42 failed: $(cat "$WORK/fleet.txt")"
    grep -q '^COM49' "$WORK/fleet.txt" && grep -q '^COM42' "$WORK/fleet.txt" ||
        fail "the fleet's summary lacks a port: $(cat "$WORK/fleet.txt")"
    local said
    said=$(winctl simulate 2>&1 || true)
    grep -q 'Windows needs COM49' <<<"$said" || fail "kv310ctl.exe simulate said: $said"
    echo "kv310ctl.exe wrote a fleet to COM49 and COM42"

    local dir="$WORK/plans" i
    mkdir -p "$dir"
    for i in $(seq 40); do
        head -c 416 /dev/urandom >"$dir/p$i.bin"
        "$HOST_CTL" decode "$dir/p$i.bin" -o "$dir/p$i.dat" 2>/dev/null
        "$HOST_CTL" export "$dir/p$i.dat" -o "$dir/p$i.yaml"
    done
    # four at a time: each is mostly the start of a program under wine
    seq 40 | xargs -P 4 -I {} timeout 120 wine "$CTL" import "$(winpath "$dir")\\p{}.yaml" \
        -o "$(winpath "$dir")\\b{}.dat" 2>"$WORK/imports.err" || fail "kv310ctl.exe could not import: $(cat "$WORK/imports.err")"
    for i in $(seq 40); do
        cmp -s "$dir/p$i.dat" "$dir/b$i.dat" || fail "p$i.yaml did not come back byte for byte ($dir)"
    done
    winctl export "$(winpath "$dir/p1.dat")" -o "$(winpath "$dir/w1.yaml")"
    cmp -s "$dir/p1.yaml" "$dir/w1.yaml" || fail "kv310ctl.exe exports another text than the Linux kv310ctl"
    echo "kv310ctl.exe imported 40 random plans from YAML byte for byte"

    # A user whose folders and plans are named beyond the ANSI code page.
    local home="$WORK/Zürich-東京" plan
    mkdir -p "$home"
    plan="$(winpath "$home")\\Straße-東京.dat"
    winctl new --model kv310-vhf -o "$plan" || fail "kv310ctl.exe new -o $plan failed"
    winctl check "$plan" >/dev/null || fail "kv310ctl.exe check $plan failed"
    # the single write to the radio on COM42 (it holds the fleet's plan, another model: --force): a backup
    # read first, the write verified, the log line, all in that folder. COM49, the built-in radio, keeps no
    # backups.
    XDG_DATA_HOME="$(winpath "$home")\\data" XDG_STATE_HOME="$(winpath "$home")\\state" \
        winctl write --force --port COM42 --backup "$plan" ||
        fail "kv310ctl.exe write --force --port COM42 --backup $plan failed"
    find "$home/data" -type f -name '*42.bin' | grep -q . || fail "no backup in $home/data"
    grep -rq 'Straße-東京.dat' "$home/state" || fail "no log line naming Straße-東京.dat in $home/state"
    echo "kv310ctl.exe wrote COM42 from Straße-東京.dat, with its backup and log line in Zürich-東京"
}
