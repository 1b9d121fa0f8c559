# The screenshot list of the AppStream metadata: the README's pictures
# (docs/*.png) under a web folder, since AppStream takes web addresses only.
#
# Included by dist/CMakeLists.txt. Run as a script it writes the metadata
# from the template, for checking the screenshot list without a web site:
#   cmake -DTEMPLATE=dist/app.metainfo.xml.in -DOUTPUT=FILE -DSCREENSHOT_URL=URL
#         -DTABLICZNIK_APP_ID=ID -DPROJECT_VERSION=V -DTABLICZNIK_RELEASE_DATE=D
#         -P dist/metainfo.cmake

# Sets `out` to the <screenshots> element for the web folder `url`, or to
# nothing when `url` is empty.
function(metainfo_screenshots url out)
  set(screenshots
    "main-window.png|The main window|Główne okno"
    "view-radius.png|The table coloured by atomic radius|Tablica barwiona według promienia atomu"
    "view-earth.png|The thirteen most abundant elements of the Earth|Trzynaście pierwiastków najobficiej występujących na Ziemi"
    "radius-plain.png|The atomic radius in the usual colours|Promień atomu w zwykłych kolorach"
    "radius-readable.png|The atomic radius in readable colours|Promień atomu w wyraźnych kolorach"
    "zoom-200.png|The window at 200 % with the keyboard cursor on zinc|Okno powiększone do 200 % z kursorem klawiatury na cynku"
    "card.png|An element card|Karta pierwiastka"
    "constants.png|Physical constants|Stałe fizyczne"
    "solubility.png|The solubility table, lead(II) iodide chosen|Tabela rozpuszczalności z wybranym jodkiem ołowiu(II)"
    "metal-series.png|The electrochemical series of metals|Szereg elektrochemiczny metali"
    "molar-mass.png|The molar mass of copper(II) sulfate pentahydrate|Masa molowa pięciowodnego siarczanu(VI) miedzi(II)"
    "plot-ionisation.png|First ionisation energy against the atomic number|Pierwsza energia jonizacji w zależności od liczby atomowej")
  set(xml "")
  if(url)
    string(REGEX REPLACE "/+$" "" base "${url}")
    string(APPEND base "/")
    string(APPEND xml "  <screenshots>\n")
    set(type " type=\"default\"")
    foreach(entry IN LISTS screenshots)
      string(REPLACE "|" ";" entry "${entry}")
      list(GET entry 0 file)
      list(GET entry 1 caption)
      list(GET entry 2 caption_pl)
      string(APPEND xml
        "    <screenshot${type}>\n"
        "      <caption>${caption}</caption>\n"
        "      <caption xml:lang=\"pl\">${caption_pl}</caption>\n"
        "      <image>${base}${file}</image>\n"
        "    </screenshot>\n")
      set(type "")
    endforeach()
    string(APPEND xml "  </screenshots>\n")
  endif()
  set(${out} "${xml}" PARENT_SCOPE)
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  metainfo_screenshots("${SCREENSHOT_URL}" TABLICZNIK_METAINFO_SCREENSHOTS)
  configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
endif()
