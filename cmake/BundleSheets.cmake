# The page's sheet reader in one file: fflate, then the walk that uses it, after a line that
# names the library and its licence. cmake -DOUT=sheets.js -DPARTS="fflate.js;walk.js" -P BundleSheets.cmake
file(WRITE ${OUT} "/* fflate (MIT licence, LICENCE-fflate.txt), then the page's sheet reader */\n")
foreach(part ${PARTS})
  file(READ ${part} text)
  file(APPEND ${OUT} "${text}\n")
endforeach()
