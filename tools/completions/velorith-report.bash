# bash completion for velorith-report                                  -*- shell-script -*-
_velorith_report() {
    local cur prev
    cur=${COMP_WORDS[COMP_CWORD]}
    prev=${COMP_WORDS[COMP_CWORD-1]}
    case $prev in
        --report)
            COMPREPLY=($(compgen -W 'day week month year feasts search abbr' -- "$cur"))
            return ;;
        --style)
            COMPREPLY=($(compgen -W 'world julian gregorian' -- "$cur"))
            return ;;
        --format)
            COMPREPLY=($(compgen -W 'text rtf json ics lines html' -- "$cur"))
            return ;;
        --events)
            COMPREPLY=($(compgen -W 'all feasts fasts' -- "$cur"))
            return ;;
        --data | --site)
            COMPREPLY=($(compgen -d -- "$cur"))
            return ;;
        --output)
            COMPREPLY=($(compgen -f -- "$cur"))
            return ;;
        --date | --find | --range | --range-years | --font | --font-size | --calendar-name | \
            --uid-domain | --summary-length | --base-url)
            return ;;
    esac
    COMPREPLY=($(compgen -W '--report --style --date --find --whole-word --indiction
        --all-styles --fast --no-fast --readings --no-readings --zachala --range --font --font-size --data
        --format --range-years --events --uid-domain --summary-length --calendar-name --output
        --site --base-url --strict --help --version' -- "$cur"))
}
complete -F _velorith_report velorith-report
