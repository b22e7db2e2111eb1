# bash completion for tarvelle-tool
# The commands and their options are read from the tool's own --help, so the
# completion never lists a command the installed tool does not have.

_tarvelle_tool()
{
    local cur prev words cword
    _init_completion || return

    local tool=${words[0]}
    if [[ $cword -eq 1 ]]; then
        local commands
        commands=$("$tool" --help 2>/dev/null | sed -n 's/^  \([a-z][a-z-]*\) .*/\1/p; s/^  \([a-z][a-z-]*\)$/\1/p')
        COMPREPLY=($(compgen -W "$commands --help" -- "$cur"))
        return
    fi

    local command=${words[1]}
    case $prev in
        --strategy)
            COMPREPLY=($(compgen -W "optimal advisor" -- "$cur"))
            return
            ;;
        --format)
            COMPREPLY=($(compgen -W "text html" -- "$cur"))
            return
            ;;
        --seed | --hands | --hold | --paytable | --game | --add | --remove | --bankroll)
            return
            ;;
        --data-dir)
            _filedir -d
            return
            ;;
        --games)
            _filedir
            return
            ;;
    esac

    if [[ $cur == -* ]]; then
        local options
        options=$("$tool" "$command" --help 2>/dev/null | sed -n '1s/^usage: //p' | grep -o -- '--[a-z-]*' | sort -u)
        COMPREPLY=($(compgen -W "$options --help" -- "$cur"))
    fi
} &&
    complete -F _tarvelle_tool tarvelle-tool
