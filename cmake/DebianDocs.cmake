# The two files a Debian package must carry in /usr/share/doc/nines, made
# from the project's own: the changelog, in Debian's format, from
# CHANGELOG.md, and the copyright file, in Debian's machine-readable format,
# from LICENSE.

# Writes the entries of CHANGELOG.md ("## VERSION (YYYY-MM-DD)" headings,
# "- " items and their indented continuation lines) to OUTPUT as a Debian
# changelog signed by MAINTAINER.
function(nines_debian_changelog changelog maintainer output)
  # Line by line, without CMake lists, which a ";" in the text would split.
  file(READ "${changelog}" rest)
  set(text "")
  set(trailer "")
  while(NOT rest STREQUAL "")
    string(FIND "${rest}" "\n" end)
    if(end EQUAL -1)
      string(LENGTH "${rest}" end)
    endif()
    string(SUBSTRING "${rest}" 0 ${end} line)
    math(EXPR end "${end} + 1")
    string(SUBSTRING "${rest}" ${end} -1 rest)
    if(line MATCHES "^## ([^ ]+) \\(([0-9]+)-([0-9]+)-([0-9]+)\\)$")
      string(APPEND text "${trailer}")
      nines_rfc2822_date(${CMAKE_MATCH_2} ${CMAKE_MATCH_3} ${CMAKE_MATCH_4} date)
      string(APPEND text "${PROJECT_NAME} (${CMAKE_MATCH_1}) unstable; urgency=medium\n\n")
      set(trailer "\n -- ${maintainer}  ${date}\n\n")
    elseif(line MATCHES "^- (.*)$")
      string(APPEND text "  * ${CMAKE_MATCH_1}\n")
    elseif(line MATCHES "^  (.*)$")
      string(APPEND text "    ${CMAKE_MATCH_1}\n")
    endif()
  endwhile()
  string(REGEX REPLACE "\n\n$" "\n" text "${text}${trailer}")
  file(WRITE "${output}" "${text}")
endfunction()

# "Www, DD Mmm YYYY 00:00:00 +0000" for a calendar date; the weekday by
# Sakamoto's method.
function(nines_rfc2822_date year month day output)
  math(EXPR month "${month}")  # no leading zero
  math(EXPR day "${day}")
  set(shifts 0 3 2 5 0 3 5 1 4 6 2 4)
  set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  set(weekdays Sun Mon Tue Wed Thu Fri Sat)
  set(y ${year})
  if(month LESS 3)
    math(EXPR y "${y} - 1")
  endif()
  math(EXPR index "${month} - 1")
  list(GET shifts ${index} shift)
  list(GET months ${index} monthName)
  math(EXPR weekday "(${y} + ${y} / 4 - ${y} / 100 + ${y} / 400 + ${shift} + ${day}) % 7")
  list(GET weekdays ${weekday} weekdayName)
  if(day LESS 10)
    set(day "0${day}")
  endif()
  set(${output} "${weekdayName}, ${day} ${monthName} ${year} 00:00:00 +0000" PARENT_SCOPE)
endfunction()

# Writes LICENSE, an MIT license whose third line is its copyright notice, to
# OUTPUT in Debian's machine-readable copyright format, where it is called
# Expat.
function(nines_debian_copyright license contact output)
  file(READ "${license}" text)
  if(NOT text MATCHES "\nCopyright \\(c\\) ([^\n]+)\n\n(.*)$")
    message(FATAL_ERROR "${license} does not read as an MIT license")
  endif()
  set(holder "${CMAKE_MATCH_1}")
  string(STRIP "${CMAKE_MATCH_2}" body)
  # Each line of the license text is indented by a blank, and an empty line
  # is written as " .".
  string(REPLACE "\n\n" "\n.\n" body "${body}")
  string(REPLACE "\n" "\n " body "${body}")
  file(WRITE "${output}"
    "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
    "Upstream-Name: ${PROJECT_NAME}\n"
    "Upstream-Contact: ${contact}\n"
    "\n"
    "Files: *\n"
    "Copyright: ${holder}\n"
    "License: Expat\n"
    " ${body}\n")
endfunction()
