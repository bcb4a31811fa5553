# cmake -DPAGE=in -DOUT=out -DROOT=source -P expand_includes.cmake
# Writes the page with each line `.\" include FILE` replaced by FILE (a path from the source root)
# as the lines of a literal display: backslashes escaped, and a line that would start with a
# request guarded, so the page shows the file exactly.
file(READ ${PAGE} page)
string(REGEX MATCHALL "\\.\\\\\" include [^\n]+" markers "${page}")
foreach(marker IN LISTS markers)
  string(REPLACE ".\\\" include " "" file "${marker}")
  file(READ ${ROOT}/${file} text)
  string(REPLACE "\\" "\\e" text "${text}")
  set(text "\n${text}")
  string(REPLACE "\n." "\n\\&." text "${text}")
  string(REPLACE "\n'" "\n\\&'" text "${text}")
  string(SUBSTRING "${text}" 1 -1 text)
  string(REGEX REPLACE "\n$" "" text "${text}")
  string(REPLACE "${marker}\n" "${text}\n" page "${page}")
endforeach()
file(WRITE ${OUT} "${page}")
