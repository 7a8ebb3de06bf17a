# fish completion for korvanectl. korvanectl itself knows its commands, effects, colours, key names,
# media functions, macros, rule applications and profiles: it prints the candidates for the word
# being typed, one per line, as it does for bash and zsh.
function __korvanectl_candidates
    set -l words (commandline -opc)
    $words[1] __complete $words[2..-1] (commandline -ct) 2>/dev/null
end

complete -c korvanectl -f -a '(__korvanectl_candidates)'
# File names for export and import, which korvanectl leaves to the shell.
complete -c korvanectl -n '__fish_seen_subcommand_from export import' -F
