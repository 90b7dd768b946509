# Two instrumented ways to build, each in a tree of its own.
#
# TESSIMORA_SANITAIRES=ON: everything is built under AddressSanitizer and
# UndefinedBehaviorSanitizer, and any undefined behaviour stops the program
# (no recovery), so a test sees it as a crash. TESSIMORA_PAQUETS may name a
# normal tree whose workshop packs (drawn images, glyphs, sounds) are embedded
# as they are, because drawing the art again under the sanitizers would only
# cost time. Only the C++ tests and the fuzz corpus replays are built there.
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
if(TESSIMORA_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "TESSIMORA_FUZZ needs clang (libFuzzer): -DCMAKE_CXX_COMPILER=clang++")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link)
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
