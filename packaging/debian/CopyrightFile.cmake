# cmake -DHEADER=<copyright.in> -DOUTPUT=<copyright> -DTERMS=<terms.html>[;<terms.html>...] -P
#
# Writes the machine-readable copyright file: the header, then the licence paragraph made of
# the program's terms of use, so that they are worded in one place. Each <p> of a terms
# document becomes a paragraph of the licence text, its lines indented by one blank as the
# format asks; the documents are separated by an empty line (" .").
file(READ ${HEADER} text)
string(APPEND text "\nLicense: LicenseRef-proprietary\n")
set(first TRUE)
foreach(terms IN LISTS TERMS)
  file(READ ${terms} html)
  if(NOT html MATCHES "<p[^>]*>[^<]*</p>")
    message(FATAL_ERROR "${terms}: no paragraphs found")
  endif()
  # Walked with a regular expression rather than a list, which would split at the ";" of a
  # style attribute.
  while(html MATCHES "<p[^>]*>([^<]*)</p>(.*)$")
    string(REPLACE "\n" "\n " paragraph "${CMAKE_MATCH_1}")
    set(html "${CMAKE_MATCH_2}")
    if(NOT first)
      string(APPEND text " .\n")
    endif()
    set(first FALSE)
    string(APPEND text " ${paragraph}\n")
  endwhile()
endforeach()
file(WRITE ${OUTPUT} "${text}")
