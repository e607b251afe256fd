# bash completion for quillmark

_quillmark() {
    local cur prev words cword
    _init_completion || return

    local command="" i
    for ((i = 1; i < cword; i++)); do
        case ${words[i]} in
            --) break ;;
            --screen | --screenshots) ((i++)) ;;
            -*) ;;
            settings | pdf | scan | account | send) command=${words[i]}; break ;;
            *) break ;;
        esac
    done

    case $command in
        "")
            case $prev in
                --screen) COMPREPLY=($(compgen -W "480x640 240x320 640x480 320x240" -- "$cur")); return ;;
                --screenshots) _filedir -d; return ;;
            esac
            if [[ $cur == -* ]]; then
                COMPREPLY=($(compgen -W "--help --version --screen --landscape --log --screenshots" -- "$cur"))
            else
                COMPREPLY=($(compgen -W "settings pdf scan account send" -- "$cur"))
                _filedir '@(jpg|jpeg|JPG|JPEG|png|PNG|bmp|BMP|tif|tiff|TIF|TIFF|gif|GIF|webp|WEBP|heic|HEIC|heif|HEIF)'
            fi
            ;;
        settings)
            if ((cword == i + 1)); then
                COMPREPLY=($(compgen -W "list get set --help" -- "$cur"))
            fi
            ;;
        pdf)
            case $prev in
                -o|--output) _filedir pdf; return ;;
                --page-size) COMPREPLY=($(compgen -W "Letter Note Legal Tabloid Postcard A0 A1 A2 A3 A4 A5 A6" -- "$cur")); return ;;
                --order) COMPREPLY=($(compgen -W "name name-desc newest oldest found" -- "$cur")); return ;;
                --enhance) COMPREPLY=($(compgen -W "none grey bw colour" -- "$cur")); return ;;
                --quality) COMPREPLY=($(compgen -W "original email bw" -- "$cur")); return ;;
                --ocr) COMPREPLY=($(compgen -W "$(ls /usr/share/tesseract-ocr/*/tessdata/ /usr/share/tesseract/tessdata/ 2>/dev/null | sed -n 's/\.traineddata$//p')" -- "$cur")); return ;;
                --files-from) _filedir; return ;;
            esac
            if [[ $cur == -* ]]; then
                COMPREPLY=($(compgen -W "-o --output --page-size --fit --center --auto-portrait --no-auto-portrait --order --ocr --straighten --enhance --quality --files-from --help" -- "$cur"))
            else
                _filedir '@(jpg|jpeg|JPG|JPEG|png|PNG|bmp|BMP|tif|tiff|TIF|TIFF|gif|GIF|webp|WEBP|heic|HEIC|heif|HEIF)'
            fi
            ;;
        scan)
            case $prev in
                -o|--output) _filedir pdf; return ;;
                --device) COMPREPLY=($(compgen -W "$(quillmark scan --list 2>/dev/null | cut -f1)" -- "$cur")); return ;;
                --source) COMPREPLY=($(compgen -W "flatbed adf duplex" -- "$cur")); return ;;
                --mode) COMPREPLY=($(compgen -W "color gray lineart" -- "$cur")); return ;;
                --resolution) COMPREPLY=($(compgen -W "75 150 200 300 600" -- "$cur")); return ;;
                --pages) return ;;
                --page-size) COMPREPLY=($(compgen -W "Letter Note Legal Tabloid Postcard A0 A1 A2 A3 A4 A5 A6" -- "$cur")); return ;;
                --enhance) COMPREPLY=($(compgen -W "none grey bw colour" -- "$cur")); return ;;
                --ocr) COMPREPLY=($(compgen -W "$(ls /usr/share/tesseract-ocr/*/tessdata/ /usr/share/tesseract/tessdata/ 2>/dev/null | sed -n 's/\.traineddata$//p')" -- "$cur")); return ;;
            esac
            COMPREPLY=($(compgen -W "-o --output --list --device --source --resolution --mode --pages --page-size --fit --center --auto-portrait --no-auto-portrait --ocr --straighten --enhance --help" -- "$cur"))
            ;;
        account)
            case $prev in
                --security) COMPREPLY=($(compgen -W "none starttls tls" -- "$cur")); return ;;
                --password-file | --ca-file) _filedir; return ;;
                --password-command) COMPREPLY=($(compgen -c -- "$cur")); return ;;
            esac
            if ((cword == i + 1)); then
                COMPREPLY=($(compgen -W "add list remove contacts --help" -- "$cur"))
            elif [[ ${words[i + 1]} == contacts ]]; then
                _filedir -d
            elif [[ $cur == -* ]]; then
                COMPREPLY=($(compgen -W "--from --host --port --security --user --password-command --password-file --ca-file --sync --desktop" -- "$cur"))
            fi
            ;;
        send)
            if [[ $cur == -* ]]; then
                COMPREPLY=($(compgen -W "--to --subject --body --account --help" -- "$cur"))
            else
                _filedir pdf
            fi
            ;;
    esac
} && complete -F _quillmark quillmark
