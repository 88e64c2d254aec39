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

# window_write_step PTY: kv310.exe opens PLAN.dat; the keyboard writes it (Program > Write Radio, Alt+P W) to
# the radio on COM43 (whose pseudo-terminal is PTY), the port the program remembers from last time; the radio
# then holds what kv310ctl write sends.
window_write_step() {
    local pty=$1 appdata main gui shot="$BUILD/kv310-window.png"
    appdata=$(winepath -u "$(timeout 60 wine cmd /c 'echo %APPDATA%' | tr -d '\r')")
    mkdir -p "$appdata/KV310"
    printf '\053\000\000\000' >"$appdata/KV310/KV310.ini"  # COM43, as the Port menu keeps it

    QT_QPA_PLATFORM=windows wine "$EXE" "$(winpath "$WORK/PLAN.dat")" >"$WORK/kv310.log" 2>&1 &
    gui=$!
    main=$(find_window "$KV310_MAIN_TITLE" 90) || fail_with_screen "kv310.exe showed no main window"
    sleep 2  # its first paint
    import -window root "$shot"
    echo "kv310.exe's window: $shot"

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

# installer_step SETUP: a silent install into a clean prefix, a plan opened through the association, and a
# silent uninstall that leaves nothing of the program behind.
installer_step() {
    local setup=$1 saved="${WINEPREFIX:-}" gui window
    local uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\KV310'
    local env_key='HKLM\SYSTEM\CurrentControlSet\Control\Session Manager\Environment'
    export WINEPREFIX="$BUILD/wine-install"
    local dir="$WINEPREFIX/drive_c/Program Files/KV310 PC Programmer"
    local menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/KV310 PC Programmer"
    [ ! -e "$dir" ] && [ ! -e "$menu" ] || fail "the installer's prefix is not clean: $dir or $menu is there"

    timeout 300 wine "$setup" /S /PATH || fail "the silent install failed"
    for file in kv310.exe kv310ctl.exe README.txt LICENSE.txt uninstall.exe; do
        [ -f "$dir/$file" ] || fail "the installer did not put $file into $dir"
    done
    [ -f "$menu/KV310 PC Programmer.lnk" ] || fail "no Start-menu shortcut in $menu"
    [ "$(reg_value 'HKLM\Software\Classes\.dat')" = KV310.Plan ] || fail ".dat files are not associated"
    # read first, then matched: grep -q leaving early must not fail the pipeline (pipefail)
    local open path
    open=$(reg_value 'HKLM\Software\Classes\KV310.Plan\shell\open\command')
    grep -qi 'KV310 PC Programmer\\kv310.exe' <<<"$open" ||
        fail "the .dat association does not open kv310.exe (it reads '$open')"
    [ "$(reg_value "$uninstall_key" DisplayName)" = "KV310 PC Programmer" ] ||
        fail "the uninstaller is not registered under Add/Remove Programs"
    path=$(reg_value "$env_key" Path)
    grep -q 'KV310 PC Programmer' <<<"$path" || fail "/PATH did not put kv310ctl on the PATH (it reads '$path')"
    timeout 60 wine "C:\\Program Files\\KV310 PC Programmer\\kv310ctl.exe" --version >"$WORK/installed-version.txt" ||
        fail "the installed kv310ctl.exe does not run"

    # Double-clicking a plan: the shell opens it in the installed kv310.exe.
    timeout 60 wine start "$(winpath "$WORK/install/PLAN.dat")" || fail "the shell could not open PLAN.dat"
    window=$(find_window "$KV310_MAIN_TITLE" 90) || fail_with_screen "the installed kv310.exe showed no window"
    gui=$(xdotool getwindowpid "$window")
    tr '\0' ' ' <"/proc/$gui/cmdline" | grep -q 'Program Files\\KV310 PC Programmer\\kv310.exe' ||
        fail "the window is not the installed kv310.exe: $(tr '\0' ' ' <"/proc/$gui/cmdline")"
    stop_program "$gui"
    echo "the installed kv310.exe opened PLAN.dat through the .dat association"

    # The uninstaller runs from a copy of itself: wait for the folder to go.
    timeout 120 wine "C:\\Program Files\\KV310 PC Programmer\\uninstall.exe" /S || fail "the silent uninstall failed"
    for _ in $(seq 120); do
        [ -e "$dir" ] || break
        sleep 0.5
    done
    [ ! -e "$dir" ] || fail "the uninstaller left $dir: $(ls "$dir")"
    [ ! -e "$menu" ] || fail "the uninstaller left the Start-menu folder"
    [ "$(reg_value 'HKLM\Software\Classes\.dat')" != KV310.Plan ] || fail "the uninstaller left the .dat association"
    [ -z "$(reg_value 'HKLM\Software\Classes\KV310.Plan\shell\open\command')" ] || fail "the uninstaller left KV310.Plan"
    [ -z "$(reg_value "$uninstall_key" DisplayName)" ] || fail "the uninstaller left its Add/Remove Programs entry"
    path=$(reg_value "$env_key" Path)
    ! grep -q 'KV310 PC Programmer' <<<"$path" || fail "the uninstaller left kv310ctl on the PATH"
    echo "the installer installed, associated and uninstalled cleanly under wine"

    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
    touch "$WINEPREFIX/kv310-clean"  # the next run installs into this prefix again
    export WINEPREFIX="$saved"
}
