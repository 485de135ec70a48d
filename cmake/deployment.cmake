# Deployment values shown in the about window and offered by the gallery: CMake cache
# variables written into the generated header deployment.h (macros of the same names).

set(DUEL_AUTHOR_NAME "Команда «Шелвы и злыки»" CACHE STRING "Author shown in the about window")
set(DUEL_AUTHOR_DATE "2026" CACHE STRING "Date written after the author's name")
set(DUEL_COUNTRY "Россия" CACHE STRING "Country of the author's postal location")
set(DUEL_REGION "" CACHE STRING "Region of the author's postal location (may be empty)")
set(DUEL_TOWN "" CACHE STRING "Town of the author's postal location (may be empty)")
set(DUEL_EMAIL "shelvy-zlyki@example.org" CACHE STRING "E-mail address of the author")
set(DUEL_HOME_HOST "example.org" CACHE STRING "Host name of the home page, without http://")

# Each value becomes a C string literal: backslashes and quotes are escaped.
foreach(name DUEL_AUTHOR_NAME DUEL_AUTHOR_DATE DUEL_COUNTRY DUEL_REGION DUEL_TOWN DUEL_EMAIL DUEL_HOME_HOST)
    string(REPLACE "\\" "\\\\" escaped "${${name}}")
    string(REPLACE "\"" "\\\"" escaped "${escaped}")
    string(REPLACE "\n" " " escaped "${escaped}")
    set(${name}_C "${escaped}")
endforeach()
configure_file(${CMAKE_CURRENT_LIST_DIR}/deployment.h.in ${CMAKE_BINARY_DIR}/generated/deployment.h @ONLY)
target_include_directories(duel_ui PUBLIC ${CMAKE_BINARY_DIR}/generated)
