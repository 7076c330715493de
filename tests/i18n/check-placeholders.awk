# Reads a gettext catalogue and names every translation whose placeholders do not fit its
# English text: the values of a message go where "{}" stands, in order, or where "{1}" to "{9}"
# stand, by number. A translation either keeps as many "{}" as the English text has, or numbers
# them all, each number from 1 to that count at least once; none is lost or made up.
#   awk -f check-placeholders.awk FILE.po   (prints one line per fault; nothing when all fit)
function placeholders(text, kind,    rest, n, at) {
  # kind "plain": the count of "{}"; kind "numbered": the numbers used, as a sorted set "1,3,".
  rest = text
  n = 0
  numbered = ""
  while ((at = match(rest, /\{[1-9]?\}/)) > 0) {
    if (RLENGTH == 2) n++
    else if (index(numbered, substr(rest, at + 1, 1) ",") == 0) numbered = numbered substr(rest, at + 1, 1) ","
    rest = substr(rest, at + RLENGTH)
  }
  return kind == "plain" ? n : numbered
}
function expected(count,    i, s) {
  s = ""
  for (i = 1; i <= count; i++) s = s i ","
  return s
}
function sorted(set,    parts, n, i, j, t, s) {
  n = split(set, parts, ",") - 1
  for (i = 1; i <= n; i++)
    for (j = i + 1; j <= n; j++)
      if (parts[j] < parts[i]) { t = parts[i]; parts[i] = parts[j]; parts[j] = t }
  s = ""
  for (i = 1; i <= n; i++) s = s parts[i] ","
  return s
}
function check(    count, i, plain, numbered) {
  if (id == "" || obsolete) return
  count = placeholders(plural != "" ? plural : id, "plain")
  for (i = 0; i < forms; i++) {
    if (str[i] == "") continue
    plain = placeholders(str[i], "plain")
    numbered = sorted(placeholders(str[i], "numbered"))
    if (!((plain == count && numbered == "") || (plain == 0 && numbered == expected(count))))
      printf "%s: \"%s\" has the placeholders of another text: \"%s\"\n", FILENAME, id, str[i]
  }
}
function reset() { id = ""; plural = ""; forms = 0; field = ""; obsolete = 0; delete str }
function unquote(line) { sub(/^[^"]*"/, "", line); sub(/"$/, "", line); return line }
BEGIN { reset() }
/^#~/ { obsolete = 1; next }
/^msgid / { check(); reset(); field = "id"; id = unquote($0); next }
/^msgid_plural / { field = "plural"; plural = unquote($0); next }
/^msgstr\[[0-9]+\] / { field = "str"; n = substr($0, 8, index($0, "]") - 8) + 0; str[n] = unquote($0); if (n + 1 > forms) forms = n + 1; next }
/^msgstr / { field = "str"; n = 0; str[0] = unquote($0); forms = 1; next }
/^"/ {
  if (field == "id") id = id unquote($0)
  else if (field == "plural") plural = plural unquote($0)
  else if (field == "str") str[n] = str[n] unquote($0)
  next
}
END { check() }
