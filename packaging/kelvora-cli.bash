# SPDX-License-Identifier: GPL-3.0-or-later
# bash completion for kelvora-cli
_kelvora_cli() {
    local cur prev words cword
    _init_completion || return

    # The words before the command: "--db DIR" and "--lang LANG", in either order.
    local i=1 db=()
    while [[ ${words[i]} == --db || ${words[i]} == --lang ]]; do
        if ((cword == i + 1)); then
            if [[ ${words[i]} == --db ]]; then
                _filedir -d
            else
                mapfile -t COMPREPLY < <(compgen -W "en de nl" -- "$cur")
            fi
            return
        fi
        [[ ${words[i]} == --db ]] && db=(--db "${words[i + 1]}")
        ((i += 2))
    done

    if ((cword == i)); then
        local first="list show export new-table calc report calc-all recalc-using convert import batch analysis solve substitute blend test firing photo notebook glaze-status"
        first+=" import-recipes export-recipes"
        [[ " ${words[*]:1:i-1} " != *" --db "* ]] && first+=" --db"
        [[ " ${words[*]:1:i-1} " != *" --lang "* ]] && first+=" --lang"
        ((i == 1)) && first+=" --help --version"
        mapfile -t COMPREPLY < <(compgen -W "$first" -- "$cur")
        return
    fi

    local command=${words[i]} arg=$((cword - i))
    case $command in
        list)
            ((arg == 1)) && mapfile -t COMPREPLY < <(compgen -W "materials glazes" -- "$cur")
            ;;
        show)
            if ((arg == 1)); then
                mapfile -t COMPREPLY < <(compgen -W "material glaze" -- "$cur")
            elif ((arg == 2)); then
                local table=materials
                [[ ${words[i + 1]} == glaze ]] && table=glazes
                local IFS=$'\n'
                mapfile -t COMPREPLY < <(compgen -W "$(kelvora-cli "${db[@]}" list "$table" 2>/dev/null)" -- "$cur")
                compopt -o filenames 2>/dev/null
            fi
            ;;
        export | new-table)
            case $arg in
                1) mapfile -t COMPREPLY < <(compgen -W "materials glazes" -- "$cur") ;;
                2) _filedir ;;
                3) mapfile -t COMPREPLY < <(compgen -W "--xml" -- "$cur") ;;
            esac
            ;;
        calc | report | convert | recalc-using)
            if ((arg == 1)); then
                local table=glazes
                [[ $command == convert || $command == recalc-using ]] && table=materials
                local IFS=$'\n'
                mapfile -t COMPREPLY < <(compgen -W "$(kelvora-cli "${db[@]}" list "$table" 2>/dev/null)" -- "$cur")
                compopt -o filenames 2>/dev/null
            elif ((arg == 2)) && [[ $command == calc ]]; then
                mapfile -t COMPREPLY < <(compgen -W "--basic-not-to-one" -- "$cur")
            fi
            ;;
        import)
            ((arg == 1)) && _filedir
            ;;
        blend)
            if ((arg == 1)); then
                mapfile -t COMPREPLY < <(compgen -W "line triaxial biaxial currie" -- "$cur")
            else
                mapfile -t COMPREPLY < <(compgen -W "--corners --cells --rows --cols --range --ml --grams --store" -- "$cur")
            fi
            ;;
        test)
            if ((arg == 1)); then
                mapfile -t COMPREPLY < <(compgen -W "new list show find" -- "$cur")
            elif [[ ${words[i + 1]} == new && $arg == 2 ]] || [[ ${words[i + 1]} == list && $arg == 2 ]]; then
                local IFS=$'\n'
                mapfile -t COMPREPLY < <(compgen -W "$(kelvora-cli "${db[@]}" list glazes 2>/dev/null)" -- "$cur")
                compopt -o filenames 2>/dev/null
            elif [[ ${words[i + 1]} == new ]]; then
                mapfile -t COMPREPLY < <(compgen -W "--code --grams --date" -- "$cur")
            elif [[ ${words[i + 1]} == find ]]; then
                case $prev in
                    --atmosphere) mapfile -t COMPREPLY < <(compgen -W "oxidatie neutraal reductie zout/soda hout raku luster" -- "$cur") ;;
                    --status) mapfile -t COMPREPLY < <(compgen -W "testen productie gestopt" -- "$cur") ;;
                    --defect) mapfile -t COMPREPLY < <(compgen -W "kruipen speldenprikken haarscheuren afschilferen lopen blazen" -- "$cur") ;;
                    *) mapfile -t COMPREPLY < <(compgen -W "--code --glaze --clay --cone --atmosphere --kiln --status --from --to --defect" -- "$cur") ;;
                esac
            fi
            ;;
        firing)
            if ((arg == 1)); then
                mapfile -t COMPREPLY < <(compgen -W "new add-test template" -- "$cur")
            elif [[ ${words[i + 1]} == template ]]; then
                if ((arg == 2)); then
                    mapfile -t COMPREPLY < <(compgen -W "save list" -- "$cur")
                elif [[ ${words[i + 2]} == save && $prev != --schedule ]] && ((arg > 3)); then
                    mapfile -t COMPREPLY < <(compgen -W "--schedule" -- "$cur")
                fi
            elif [[ $prev == --template ]]; then
                local IFS=$'\n'
                mapfile -t COMPREPLY < <(compgen -W "$(kelvora-cli "${db[@]}" firing template list 2>/dev/null | cut -f1)" -- "$cur")
            elif [[ $prev == --atmosphere ]]; then
                mapfile -t COMPREPLY < <(compgen -W "oxidatie neutraal reductie zout/soda hout raku luster" -- "$cur")
            elif [[ $prev == --defect ]]; then
                mapfile -t COMPREPLY < <(compgen -W "kruipen speldenprikken haarscheuren afschilferen lopen blazen" -- "$cur")
            elif [[ ${words[i + 1]} == new ]]; then
                mapfile -t COMPREPLY < <(compgen -W "--date --cone --atmosphere --kiln --schedule --template --code --reduction --notes --log" -- "$cur")
            else
                mapfile -t COMPREPLY < <(compgen -W "--place --surface --transparency --colour --defect --defect-notes --rating --notes" -- "$cur")
            fi
            ;;
        photo)
            if ((arg == 1)); then
                mapfile -t COMPREPLY < <(compgen -W "add" -- "$cur")
            elif ((arg == 3)); then
                _filedir
            elif [[ $prev == --atmosphere ]]; then
                mapfile -t COMPREPLY < <(compgen -W "oxidatie neutraal reductie zout/soda hout raku luster" -- "$cur")
            elif ((arg > 3)); then
                mapfile -t COMPREPLY < <(compgen -W "--cone --atmosphere --title --firing" -- "$cur")
            fi
            ;;
        glaze-status)
            if ((arg == 1)); then
                local IFS=$'\n'
                mapfile -t COMPREPLY < <(compgen -W "$(kelvora-cli "${db[@]}" list glazes 2>/dev/null)" -- "$cur")
                compopt -o filenames 2>/dev/null
            elif ((arg == 2)); then
                mapfile -t COMPREPLY < <(compgen -W "testen productie gestopt" -- "$cur")
            else
                mapfile -t COMPREPLY < <(compgen -W "--based-on" -- "$cur")
            fi
            ;;
        notebook)
            if ((arg == 1)); then
                mapfile -t COMPREPLY < <(compgen -W "export import" -- "$cur")
            elif [[ ${words[i + 1]} == export && $arg == 2 ]]; then
                local IFS=$'\n'
                mapfile -t COMPREPLY < <(compgen -W "$(kelvora-cli "${db[@]}" list glazes 2>/dev/null)" -- "$cur")
                compopt -o filenames 2>/dev/null
            elif [[ ${words[i + 1]} == import && $arg == 3 ]]; then
                mapfile -t COMPREPLY < <(compgen -W "--dry-run" -- "$cur")
            else
                _filedir zip
            fi
            ;;
        import-recipes)
            case $prev in
                --format)
                    mapfile -t COMPREPLY < <(compgen -W "glazy-yaml glazy-json insight-xml glazechem hyperglaze sankey lipgloss text" -- "$cur")
                    ;;
                --materials) _filedir ;;
                --map) ;;
                *)
                    if [[ $cur == -* ]]; then
                        mapfile -t COMPREPLY < <(compgen -W "--format --materials --map --create-materials --dry-run" -- "$cur")
                    else
                        _filedir
                    fi
                    ;;
            esac
            ;;
        export-recipes)
            if ((arg == 1)); then
                _filedir
            elif [[ $prev == --format ]]; then
                mapfile -t COMPREPLY < <(compgen -W "glazy-yaml insight-xml glazechem text csv" -- "$cur")
            elif [[ $cur == -* ]]; then
                mapfile -t COMPREPLY < <(compgen -W "--format --all" -- "$cur")
            else
                local IFS=$'\n'
                mapfile -t COMPREPLY < <(compgen -W "$(kelvora-cli "${db[@]}" list glazes 2>/dev/null)" -- "$cur")
                compopt -o filenames 2>/dev/null
            fi
            ;;
    esac
} &&
    complete -F _kelvora_cli kelvora-cli
