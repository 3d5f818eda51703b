# Bash completion for plexor-net: its commands, each command's options, and the files they
# take (".net" nets to read; images, drawings and pages to write).
_plexor_net() {
  local cur prev command
  cur=${COMP_WORDS[COMP_CWORD]}
  prev=${COMP_WORDS[COMP_CWORD-1]}
  if [ "$COMP_CWORD" -eq 1 ]; then
    COMPREPLY=($(compgen -W "dump save check render diff --help" -- "$cur"))
    return
  fi
  command=${COMP_WORDS[1]}
  case $prev in
    --scale) COMPREPLY=($(compgen -W "1 2 3 4 5 6" -- "$cur")); return ;;
    --size|--date) COMPREPLY=(); return ;;
    --against)
      compopt -o filenames 2>/dev/null
      COMPREPLY=($(compgen -f -X '!*.net' -- "$cur") $(compgen -d -- "$cur"))
      return ;;
  esac
  if [[ $cur == -* ]]; then
    local options
    case $command in
      dump) options="--rebuild --help" ;;
      save) options="--rebuild --date --help" ;;
      check|diff) options="--json --help" ;;
      render) options="--scale --mono --size --rebuild --against --help" ;;
    esac
    COMPREPLY=($(compgen -W "$options" -- "$cur"))
    return
  fi
  # The second file of render is the picture to write; every other file is a net.
  local files=0 i
  for ((i = 2; i < COMP_CWORD; i++)); do
    case ${COMP_WORDS[i]} in
      --scale|--size|--date|--against) ((i++)) ;;
      -*) ;;
      *) ((files++)) ;;
    esac
  done
  compopt -o filenames 2>/dev/null
  if [ "$command" = render ] && [ "$files" -ge 1 ]; then
    COMPREPLY=($(compgen -f -X '!*.@(png|svg|pdf)' -- "$cur") $(compgen -d -- "$cur"))
  else
    COMPREPLY=($(compgen -f -X '!*.net' -- "$cur") $(compgen -d -- "$cur"))
  fi
}
complete -F _plexor_net plexor-net
