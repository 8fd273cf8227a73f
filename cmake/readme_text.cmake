# Makes the Windows zip's README.txt from README.md: what a Windows user needs, as plain text
# that Notepad shows as meant, with CRLF line endings.
# Usage: cmake -DINPUT=README.md -DOUTPUT=README.txt -P readme_text.cmake
#
# The text before the first "## " (what the program is) comes first, then the sections below in
# this order, picked by their heading ("## " or "### "). A picked section runs to the next heading
# named here or the next "## ", so it keeps the subsections of its own that are named nowhere
# (the tables of the Windows verdicts). Passages between the lines of kOut and kEnd are left out
# wherever they stand: the building and testing, which stay in README.md. A picked section that
# README.md no longer has is an error, so the zip never ships without it.
set(kept_sections "Windows" "The tour on Windows" "Keyboard and screen readers"
                  "What each method shows on Windows" "Licence")
set(left_out_sections "End to end on Windows")
set(kOut "<!-- not in README.txt -->")
set(kEnd "<!-- end of not in README.txt -->")
# Files that the zip holds under another name than the repository's: a link to one names it so.
set(renamed_files "LICENSE=LICENSE.txt" "README.md=README.txt")

cmake_minimum_required(VERSION 3.25)

if(NOT INPUT OR NOT OUTPUT)
  message(FATAL_ERROR "usage: cmake -DINPUT=README.md -DOUTPUT=README.txt -P readme_text.cmake")
endif()

# CMake lists split on ";" and do not split inside "[...]": both are kept out of the way while
# the text is a list of lines, and put back on output.
string(ASCII 1 semicolon)
string(ASCII 2 open_bracket)
string(ASCII 3 close_bracket)

function(read_lines file result)
  file(READ "${file}" text)
  string(REPLACE "\r" "" text "${text}")
  string(REPLACE ";" "${semicolon}" text "${text}")
  string(REPLACE "[" "${open_bracket}" text "${text}")
  string(REPLACE "]" "${close_bracket}" text "${text}")
  string(REPLACE "\n" ";" text "${text}")
  set(${result} "${text}" PARENT_SCOPE)
endfunction()

# Inline Markdown as plain text: links keep their text, a link to a file that the zip renames
# its new name; code spans and emphasis lose their marks. Pictures are dropped whole beforehand.
function(plain_inline line result)
  foreach(rename IN LISTS renamed_files)
    string(REPLACE "=" ";" pair "${rename}")
    list(GET pair 0 from)
    list(GET pair 1 to)
    string(REPLACE "${open_bracket}${from}${close_bracket}(${from})" "${to}" line "${line}")
  endforeach()
  set(link "(^|[^!])${open_bracket}([^${close_bracket}]*)${close_bracket}\\(([^)]*)\\)")
  string(REGEX REPLACE "${link}" "\\1\\2" line "${line}")
  string(REPLACE "`" "" line "${line}")
  string(REPLACE "*" "" line "${line}")
  set(${result} "${line}" PARENT_SCOPE)
endfunction()

# A heading as a line underlined with "=" (the title) or "-" (the sections).
function(underlined title mark result)
  string(LENGTH "${title}" length)
  string(REPEAT "${mark}" ${length} rule)
  set(${result} "${title};${rule}" PARENT_SCOPE)
endfunction()

function(cells row result)
  string(REGEX REPLACE "^ *\\| *" "" row "${row}")
  string(REGEX REPLACE " *\\| *$" "" row "${row}")
  string(REGEX REPLACE " *\\| *" ";" row "${row}")
  set(${result} "${row}" PARENT_SCOPE)
endfunction()

# A table row as its first cell on a line of its own, then each other cell indented under its
# column's heading: a wide table reads in a plain editor that wraps long lines.
function(table_row header row result)
  cells("${row}" values)
  list(POP_FRONT values first)
  set(lines "${first}")
  foreach(value IN LISTS values)
    list(POP_FRONT header column)
    list(APPEND lines "    ${column}: ${value}")
  endforeach()
  set(${result} "${lines}" PARENT_SCOPE)
endfunction()

# The section that the heading `line` starts, or continues where it is a subsection named
# nowhere: its name, or "" for text that is left out.
function(section_after line current result)
  if(line MATCHES "^(##|###) (.*)$")
    set(title "${CMAKE_MATCH_2}")
    if(title IN_LIST kept_sections)
      set(current "${title}")
    elseif(CMAKE_MATCH_1 STREQUAL "##" OR title IN_LIST left_out_sections)
      set(current "")
    endif()
  endif()
  set(${result} "${current}" PARENT_SCOPE)
endfunction()

# The plain text of one line of Markdown outside code, given the table heading in force.
function(plain_line line header_in lines_out header_out)
  set(header "${header_in}")
  set(out "")
  if(line MATCHES "^# (.*)$")
    underlined("${CMAKE_MATCH_1}" "=" out)
  elseif(line MATCHES "^###? (.*)$")
    plain_inline("${CMAKE_MATCH_1}" title)
    underlined("${title}" "-" out)
  elseif(line MATCHES "^!${open_bracket}" OR line MATCHES "^<!--")
    # Pictures are not in the zip; comments are notes for whoever edits the file.
  elseif(line MATCHES "^\\|[- |]*\\|$")
    # The rule under a table's heading row.
  elseif(line MATCHES "^\\|")
    plain_inline("${line}" row)
    if(header STREQUAL "")
      cells("${row}" header)
      list(POP_FRONT header)
    else()
      table_row("${header}" "${row}" out)
    endif()
  else()
    plain_inline("${line}" out)
  endif()
  if(NOT line MATCHES "^\\|")
    set(header "")  # a table ends at the first line that is not one of its rows
  endif()
  set(${lines_out} "${out}" PARENT_SCOPE)
  set(${header_out} "${header}" PARENT_SCOPE)
endfunction()

read_lines("${INPUT}" lines)
set(section "(opening)")
set(found_sections "")
set(in_code FALSE)
set(in_passage_left_out FALSE)
set(header "")
foreach(line IN LISTS lines)
  if(line STREQUAL kOut)
    set(in_passage_left_out TRUE)
  elseif(line STREQUAL kEnd)
    set(in_passage_left_out FALSE)
    continue()
  endif()
  if(line MATCHES "^```")
    if(in_code)
      set(in_code FALSE)
    else()
      set(in_code TRUE)
    endif()
    continue()
  endif()
  if(NOT in_code)
    set(before "${section}")
    section_after("${line}" "${section}" section)
    if(NOT section STREQUAL before AND NOT section STREQUAL "")
      list(APPEND found_sections "${section}")
    endif()
  endif()
  if(section STREQUAL "" OR in_passage_left_out)
    continue()
  endif()
  if(in_code)
    set(out "    ${line}")
  else()
    plain_line("${line}" "${header}" out header)
  endif()
  # Quoted, so that a blank line stays; a line dropped becomes one, and blank lines come
  # together at the end.
  string(MD5 key "${section}")
  list(APPEND text_of_${key} "${out}")
endforeach()

set(out "")
foreach(section IN ITEMS "(opening)" ${kept_sections})
  if(NOT section STREQUAL "(opening)" AND NOT section IN_LIST found_sections)
    message(FATAL_ERROR "${INPUT} has no section \"${section}\" for README.txt")
  endif()
  string(MD5 key "${section}")
  list(APPEND out "${text_of_${key}}" "")
endforeach()

# Blank lines, and lines dropped (pictures, comments, a table's heading), come together as one.
list(JOIN out "\r\n" text)
string(REGEX REPLACE "(\r\n)(\r\n)+" "\\1\\1" text "${text}")
string(REGEX REPLACE "^(\r\n)+" "" text "${text}")
string(REGEX REPLACE "(\r\n)+$" "" text "${text}")
string(APPEND text "\r\n")
string(REPLACE "${semicolon}" ";" text "${text}")
string(REPLACE "${open_bracket}" "[" text "${text}")
string(REPLACE "${close_bracket}" "]" text "${text}")
file(WRITE "${OUTPUT}.part" "${text}")
file(RENAME "${OUTPUT}.part" "${OUTPUT}")
