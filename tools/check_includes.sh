#!/usr/bin/env bash
# Checks that includes run down the floors. Floors, bottom to top: host/; runtime/; the
# device (javame/, platform/); the application (engine/, game/); registry/. A file includes
# its own floor and those below it, and besides:
#   - engine/ includes game/'s own headers (game/cgame.h, game/game_statics.h), never a
#     game/<area>/ header;
#   - a folder's cGame member fragment (<folder>/cgame_members.h) is included by game/cgame.h
#     alone, inside the class body;
#   - tools/ (the data builder) includes only tools/, where the writers' shared formats live;
#   - tests/, fuzz/ and bench/ may include anything.
# Prints every include that breaks a rule; exits 1 when one of them is not on the exception
# list below.
set -euo pipefail
cd "$(dirname "$0")/.."

# Includes that may break a rule for now: "including-file included-file", each with its
# reason on the line above.
EXCEPTIONS=(
)

floor_of() {
  case $1 in
    host/*) echo 0 ;;
    runtime/*) echo 1 ;;
    javame/* | platform/*) echo 2 ;;
    engine/* | game/*) echo 3 ;;
    registry/*) echo 4 ;;
    *) echo 9 ;;
  esac
}

floor_name() {
  local names=(host runtime device application registry)
  echo "${names[$1]}"
}

is_exception() {
  local pair
  for pair in "${EXCEPTIONS[@]}"; do
    [ "$pair" = "$1 $2" ] && return 0
  done
  return 1
}

# The rule that "file includes target" breaks, or nothing.
broken_rule() {
  local file=$1 target=$2
  if [[ $target == */cgame_members.h ]]; then
    [ "$file" = game/cgame.h ] || echo "a cGame member fragment is included by game/cgame.h alone"
    return
  fi
  case $file in
    tools/*)
      [[ $target == tools/* ]] || echo "tools/ includes only tools/"
      return
      ;;
    engine/*)
      if [[ $target == game/*/* ]]; then
        echo "engine/ includes game/cgame.h, never a game/<area>/ header"
        return
      fi
      ;;
  esac
  local from to
  from=$(floor_of "$file")
  to=$(floor_of "$target")
  if [ "$to" -eq 9 ]; then
    [ -e "$target" ] || echo "includes a file that is not in the tree"
  elif [ "$to" -gt "$from" ]; then
    echo "climbs from the $(floor_name "$from") floor to the $(floor_name "$to") floor"
  fi
}

failed=0
excepted=0
while IFS=: read -r file line text; do
  target=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]*)".*/\1/' <<<"$text")
  rule=$(broken_rule "$file" "$target")
  [ -z "$rule" ] && continue
  if is_exception "$file" "$target"; then
    echo "$file:$line: includes \"$target\": $rule (on the exception list)"
    excepted=$((excepted + 1))
  else
    echo "$file:$line: includes \"$target\": $rule"
    failed=1
  fi
done < <(git ls-files -co --exclude-standard -- host runtime javame platform engine game registry tools |
  while read -r path; do [ -f "$path" ] && echo "$path"; done |
  grep -E '\.(h|cpp)$' | xargs grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' /dev/null || true)

if [ "$failed" -ne 0 ]; then
  echo "check_includes: an include breaks the floors (tools/check_includes.sh says how they run)" >&2
  exit 1
fi
if [ "$excepted" -ne 0 ]; then
  echo "check_includes: every include runs down the floors but the $excepted on the exception list"
else
  echo "check_includes: every include runs down the floors"
fi
