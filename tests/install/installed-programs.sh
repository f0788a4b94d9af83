#!/usr/bin/env bash
# Installs the build into a temporary prefix and runs the installed programs with the build's
# resources folder hidden (an empty folder mounted over it in a private mount namespace), so
# that they can only use what was installed beside them.
#   installed-programs.sh BUILD_DIR RESOURCES_DIR
# Exits 77 (skipped) where no private mount namespace can be made.
set -euo pipefail

if [[ ${1:-} != --inside ]]; then
    build=$1
    resources=$2
    prefix=$(mktemp -d)
    trap 'rm -rf "$prefix"' EXIT
    cmake --install "$build" --prefix "$prefix" >/dev/null
    for file in bin/pennora-cli share/pennora/DefaultCurrencies.plist \
                share/pennora/SampleDatabase.xml; do
        if [[ ! -f $prefix/$file ]]; then
            echo "not installed: $file" >&2
            exit 1
        fi
    done
    mkdir "$prefix/empty"
    for how in "--mount" "--mount --map-root-user"; do
        # shellcheck disable=SC2086
        if unshare $how true 2>/dev/null; then
            # shellcheck disable=SC2086
            exec unshare $how "$0" --inside "$prefix" "$resources"
        fi
    done
    echo "no private mount namespace can be made here: skipped" >&2
    exit 77
fi

prefix=$2
resources=$3
mount --bind "$prefix/empty" "$resources"
if [[ -n $(ls -A "$resources") ]]; then
    echo "the build's resources are still visible" >&2
    exit 1
fi
export HOME=$prefix/home XDG_DATA_HOME=$prefix/data XDG_CONFIG_HOME=$prefix/config
mkdir -p "$HOME"
failed=0

# The CLI: a new store takes its exchange rates from the installed currencies file.
rates=$("$prefix/bin/pennora-cli" --store "$prefix/cli.pennorasql" currencies)
if ! grep -q 'EUR' <<<"$rates"; then
    echo "pennora-cli found no currencies:" >&2
    echo "$rates" >&2
    failed=1
fi

# The desktop, straight into the main window on a new store: it logs each currency it adds
# from the currencies file. It is ended once it has, or after 30 seconds.
if [[ -x $prefix/bin/pennora ]]; then
    mkdir -p "$XDG_CONFIG_HOME/pennora.org"
    printf '[General]\nPNShouldShowWelcomeScreen=false\n' \
        >"$XDG_CONFIG_HOME/pennora.org/Pennora.conf"
    QT_QPA_PLATFORM=offscreen "$prefix/bin/pennora" >"$prefix/desktop.log" 2>&1 &
    desktop=$!
    for _ in $(seq 60); do
        if grep -q 'Added currency EUR' "$prefix/desktop.log" || ! kill -0 "$desktop" 2>/dev/null; then
            break
        fi
        sleep 0.5
    done
    kill "$desktop" 2>/dev/null || true
    wait "$desktop" 2>/dev/null || true
    if ! grep -q 'Added currency EUR' "$prefix/desktop.log" ||
        [[ ! -f $XDG_DATA_HOME/Pennora/Database.pennorasql ]]; then
        echo "pennora did not start on the installed resources:" >&2
        cat "$prefix/desktop.log" >&2
        failed=1
    fi
fi
exit $failed
