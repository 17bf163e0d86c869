# Bash completion for vantoro-cli: its commands, its options, and for a command's
# argument the files it takes (projects for build, script, check and render; databases for
# info; a database and then a folder for unpack).

_vantoro_cli() {
    local cur prev words cword
    _init_completion || return

    # The command is the first word that is neither an option nor an option's value.
    local i command=""
    for ((i = 1; i < cword; i++)); do
        case ${words[i]} in
            --compiler-library) ((i++)) ;;
            -*) ;;
            *) command=${words[i]}; break ;;
        esac
    done

    case $command in
        "")
            if [[ $prev == --compiler-library ]]; then
                _filedir
            elif [[ $cur == -* ]]; then
                COMPREPLY=($(compgen -W '--compiler-library --help --version' -- "$cur"))
            else
                COMPREPLY=($(compgen -W 'build script check render info unpack' -- "$cur"))
            fi
            ;;
        build | script | check)
            # One project each; nothing more after it.
            ((cword == i + 1)) && _filedir skn
            ;;
        render)
            if [[ $prev == --png ]]; then
                _filedir png
            elif [[ $prev == --zoom ]]; then
                COMPREPLY=($(compgen -W '1 2 3 4 5 6 7 8' -- "$cur"))
            elif [[ $cur == -* ]]; then
                COMPREPLY=($(compgen -W '--png --zoom --maximized --no-overlay' -- "$cur"))
            else
                _filedir skn
            fi
            ;;
        unpack)
            # The database, then the folder to unpack it into; nothing more after that.
            if ((cword == i + 1)); then
                _filedir pdb
            elif ((cword == i + 2)); then
                _filedir -d
            fi
            ;;
        info)
            if [[ $prev == --png ]]; then
                _filedir -d
            elif [[ $cur == -* ]]; then
                COMPREPLY=($(compgen -W '--png' -- "$cur"))
            else
                _filedir pdb
            fi
            ;;
    esac
} &&
    complete -F _vantoro_cli vantoro-cli
