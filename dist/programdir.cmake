# Runs at install time, before the programs are copied. Debian keeps games' programs in
# /usr/games; every other prefix keeps bin/. The desktop entry names the game by its full path,
# so a menu finds it even where games/ is not on the PATH.
string(REGEX REPLACE "/+$" "" prefix "${CMAKE_INSTALL_PREFIX}")
if(prefix STREQUAL "/usr")
    set(TARVELLE_PROGRAM_DIR games)
else()
    set(TARVELLE_PROGRAM_DIR bin)
endif()
file(READ "${TARVELLE_DESKTOP_ENTRY}" entry)
string(REGEX REPLACE "(^|\n)Exec=tarvelle" "\\1Exec=${prefix}/${TARVELLE_PROGRAM_DIR}/tarvelle" entry "${entry}")
# One folder per destination, so installs running side by side never share the file.
string(MD5 destination "$ENV{DESTDIR}${prefix}")
set(staged "${TARVELLE_DESKTOP_STAGING}/${destination}/org.tarvelle.Tarvelle.desktop")
file(WRITE "${staged}" "${entry}")
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/${TARVELLE_DESKTOP_DEST}" TYPE FILE FILES "${staged}")
