# bash completion for korvanectl. korvanectl itself knows its commands, effects, colours, key names,
# media functions, macros, rule applications and profiles: it prints the candidates for the word
# being typed, one per line, as it does for zsh and fish.
_korvanectl() {
    local candidates
    mapfile -t candidates < <("$1" __complete "${COMP_WORDS[@]:1:COMP_CWORD}" 2>/dev/null)
    COMPREPLY=()
    local candidate
    for candidate in "${candidates[@]}"; do
        COMPREPLY+=("$(printf '%q' "$candidate")")
    done
    # File names for export and import, which korvanectl leaves to the shell.
    if [[ ${#COMPREPLY[@]} -eq 0 ]]; then
        case "${COMP_WORDS[*]}" in
        *" export "* | *" import "*) compopt -o default ;;
        esac
    fi
}
complete -F _korvanectl korvanectl
