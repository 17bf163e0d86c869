# Bash completion for vantoro-cli: its commands, its options, and for a command's
# argument the files it takes (projects for build, script, check and render; databases for
# info; a database and then a folder for unpack; a folder for new; a project, a bitmap key
# and a picture for import).

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
                COMPREPLY=($(compgen -W 'build script check render info new unpack import' -- "$cur"))
            fi
            ;;
        build | script | check)
            # One project each, and options; nothing more after the project.
            local j project=""
            for ((j = i + 1; j < cword; j++)); do
                [[ ${words[j]} != -* ]] && project=${words[j]}
            done
            if [[ $cur == -* ]]; then
                local options='--help'
                [[ $command == build ]] && options='--keep-intermediate --help'
                COMPREPLY=($(compgen -W "$options" -- "$cur"))
            elif [[ -z $project ]]; then
                _filedir skn
            fi
            ;;
        render)
            if [[ $prev == --png ]]; then
                _filedir png
            elif [[ $prev == --zoom ]]; then
                COMPREPLY=($(compgen -W '1 2 3 4 5 6 7 8' -- "$cur"))
            elif [[ $cur == -* ]]; then
                COMPREPLY=($(compgen -W '--png --zoom --maximized --no-overlay --help' -- "$cur"))
            else
                _filedir skn
            fi
            ;;
        new)
            if [[ $prev == --name ]]; then
                :
            elif [[ $prev == --reso ]]; then
                COMPREPLY=($(compgen -W '160 320' -- "$cur"))
            elif [[ $prev == --depth ]]; then
                COMPREPLY=($(compgen -W '1 2 4 8 16' -- "$cur"))
            elif [[ $cur == -* ]]; then
                COMPREPLY=($(compgen -W '--name --reso --depth --help' -- "$cur"))
            else
                _filedir -d
            fi
            ;;
        unpack)
            # The database, then the folder to unpack it into; nothing more after that.
            if [[ $cur == -* ]]; then
                COMPREPLY=($(compgen -W '--help' -- "$cur"))
            elif ((cword == i + 1)); then
                _filedir pdb
            elif ((cword == i + 2)); then
                _filedir -d
            fi
            ;;
        import)
            if [[ $prev == --dither ]]; then
                COMPREPLY=($(compgen -W 'none ordered diffusion' -- "$cur"))
            elif [[ $cur == -* ]]; then
                COMPREPLY=($(compgen -W '--dither --fit' -- "$cur"))
            else
                # The project, the key of the bitmap, then the picture; nothing after that.
                local j operands=0
                for ((j = i + 1; j < cword; j++)); do
                    case ${words[j]} in
                        --dither) ((j++)) ;;
                        -*) ;;
                        *) ((operands++)) ;;
                    esac
                done
                case $operands in
                    0) _filedir skn ;;
                    1)
                        COMPREPLY=($(compgen -W 'WallPaper.Bmp ToolBar.BmpNormal
                            ToolBar.BmpHighlight TitleBar.Bmp TitleBar.BmpMask ToolBarToggler.Bmp
                            ToolBarToggler.BmpMask ScrollBar.Bmp MaximizeVuzuRuzIcon.Bmp
                            MaximizeVuzuRuzIcon.BmpMask Battery.Bmp Preview.Preview1
                            Preview.Preview2 SystemIcons.BmpCategories
                            SystemIcons.BmpCategoriesMask SystemIcons.BmpPopupTools
                            SystemIcons.BmpPopupToolsMask SystemIcons.BmpMiscIcons' -- "$cur"))
                        ;;
                    2) _filedir 'png|bmp|gif|jpg|jpeg|webp' ;;
                esac
            fi
            ;;
        info)
            if [[ $prev == --png ]]; then
                _filedir -d
            elif [[ $cur == -* ]]; then
                COMPREPLY=($(compgen -W '--png --help' -- "$cur"))
            else
                _filedir pdb
            fi
            ;;
    esac
} &&
    complete -F _vantoro_cli vantoro-cli
