# Shared by the benchmarks.

# cpu_ticks PID: user plus system CPU time of a process so far, in clock ticks.
cpu_ticks() {
    local stat
    stat=$(<"/proc/$1/stat")
    # shellcheck disable=SC2086
    set -- ${stat##*) }
    echo $((${12} + ${13}))
}
