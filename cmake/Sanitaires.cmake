# Two instrumented ways to build, each in a tree of its own.
#
# TESSIMORA_SANITAIRES=ON: everything is built under AddressSanitizer and
# UndefinedBehaviorSanitizer, and any undefined behaviour stops the program
# (no recovery), so a test sees it as a crash. TESSIMORA_PAQUETS may name a
# normal tree whose workshop packs (drawn images, glyphs, sounds) are embedded
# as they are, because drawing the art again under the sanitizers would only
# cost time. Only the game, the C++ tests, the corpus replays and the short
# trial of tests/sanitaires are built there (scripts/tester makes
# construction/sanitaires so).
#
# TESSIMORA_FUZZ=ON (with clang): the logic and the fuzz targets of tests/fuzz
# only, with libFuzzer's coverage on top of both sanitizers
# (tests/fuzz/million configures construction/fuzz this way).
option(TESSIMORA_SANITAIRES "Build under AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(TESSIMORA_FUZZ "Build the libFuzzer targets only (clang)" OFF)
set(TESSIMORA_PAQUETS "" CACHE PATH
    "A normal build tree whose workshop packs are embedded instead of running the workshop")

if(TESSIMORA_SANITAIRES OR TESSIMORA_FUZZ)
  set(drapeaux -fsanitize=address,undefined -fno-sanitize-recover=undefined
      -fno-omit-frame-pointer)
  add_compile_options(${drapeaux})
  add_link_options(${drapeaux})
endif()
if(TESSIMORA_SANITAIRES)
  # Whatever the build type: -O0 runs the instrumented game several times
  # slower, -O2 takes longer to build, and line tables are all a report needs.
  add_compile_options(-O1 -g1)
endif()
if(TESSIMORA_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "TESSIMORA_FUZZ needs clang (libFuzzer): -DCMAKE_CXX_COMPILER=clang++")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

# Every program of an instrumented tree carries its own sanitizer settings and
# the leak suppressions of tests/sanitaires/fuites.supp, so that it reports the
# same way run by ctest, by a test listing at build time or by hand. The
# runtimes ask these functions before reading ASAN_OPTIONS and the like, which
# still win.
#
# A suppression names a frame, and the fast unwinder stops at the first frame
# of a library built without frame pointers, such as Qt. The programs that
# meet Qt's own leaks in the sanitised tree (the host's tests, on the
# offscreen platform, and the corpus replays, through Qt's JSON parser) record
# their allocations with the slow unwinder, which also makes them several
# times slower; the others keep the fast one, and so does the libFuzzer search.
set(TESSIMORA_DEROULEMENT_LENT "^(test_hote|fuzz_.*)$")

function(sanitaires_reglages)
  set(supp ${CMAKE_SOURCE_DIR}/tests/sanitaires/fuites.supp)
  set_property(DIRECTORY ${CMAKE_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${supp})
  file(READ ${supp} SUPPRESSIONS)
  foreach(nom rapide lent)
    set(DEROULEMENT "")
    if(nom STREQUAL "lent")
      set(DEROULEMENT ":fast_unwind_on_malloc=0")
    endif()
    set(source ${CMAKE_BINARY_DIR}/sanitaires/reglages_${nom}.cpp)
    configure_file(${CMAKE_SOURCE_DIR}/tests/sanitaires/reglages.cpp.in ${source} @ONLY)
    add_library(tessimora_sanitaires_${nom} OBJECT ${source})
    set_target_properties(tessimora_sanitaires_${nom} PROPERTIES AUTOMOC OFF)
  endforeach()
  cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL sanitaires_lier ${CMAKE_SOURCE_DIR})
endfunction()

# Links the settings into each program of a folder and of those below it.
function(sanitaires_lier dossier)
  get_property(cibles DIRECTORY ${dossier} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(cible IN LISTS cibles)
    get_target_property(type ${cible} TYPE)
    if(NOT type STREQUAL "EXECUTABLE")
      continue()
    endif()
    if(TESSIMORA_SANITAIRES AND cible MATCHES "${TESSIMORA_DEROULEMENT_LENT}")
      target_link_libraries(${cible} PRIVATE tessimora_sanitaires_lent)
    else()
      target_link_libraries(${cible} PRIVATE tessimora_sanitaires_rapide)
    endif()
  endforeach()
  get_property(dossiers DIRECTORY ${dossier} PROPERTY SUBDIRECTORIES)
  foreach(d IN LISTS dossiers)
    sanitaires_lier(${d})
  endforeach()
endfunction()

if(TESSIMORA_SANITAIRES OR TESSIMORA_FUZZ)
  sanitaires_reglages()
endif()

# Embeds ready packs of another tree in place of the workshop's own.
function(embarquer_paquets_prets arbre)
  foreach(p atelier/images/images atelier/decors/decors atelier/police/police
            atelier/son/sons_rcc)
    if(NOT EXISTS ${arbre}/${p}.rcc)
      message(FATAL_ERROR "${arbre}/${p}.rcc is missing: build that tree first")
    endif()
    get_filename_component(nom ${p} NAME)
    embarquer_paquet(CIBLE ${nom} PAQUET ${arbre}/${p}.rcc)
  endforeach()
endfunction()
