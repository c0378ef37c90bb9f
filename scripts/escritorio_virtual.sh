# shellcheck shell=bash
# A virtual desktop for the tests and benchmarks that run the real program;
# source it. Both functions add what they start to the caller's `pids` array
# and return non-zero if it does not come up within ten seconds. Each runs
# under a timeout, so that nothing outlives a caller that was killed outright.
: "${ESCRITORIO_LIMITE:=600}"

# Xvfb on a display it picks itself (it tells the number on a pipe); exports
# DISPLAY. $1: where its messages go.
iniciar_xvfb() {
  local numero pid n
  exec {numero}< <(timeout "$ESCRITORIO_LIMITE" Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>"$1" & echo "pid $!")
  read -r _ pid <&"$numero"; pids+=("$pid")
  read -r -t 10 n <&"$numero" || return 1
  export DISPLAY=":$n"
  timeout 10 bash -c 'until xdpyinfo >/dev/null 2>&1; do sleep 0.1; done'
}

# A real notification area along the top edge. $1: where its messages go.
iniciar_trayer() {
  timeout "$ESCRITORIO_LIMITE" trayer --edge top --align right --widthtype request --height 24 --transparent false >"$1" 2>&1 &
  pids+=($!)
  timeout 10 bash -c "until xwininfo -root -tree | grep -q '\"panel\"'; do sleep 0.1; done"
}
