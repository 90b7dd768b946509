# Generated images and sounds weigh megabytes: compiled as C arrays they would
# make every build slow. Instead rcc packs them into a binary resource file,
# which a tiny generated object embeds as it is (the assembler's .incbin) and
# registers before main, like rcc's own output. The object joins the game's
# resource library, so every program that carries the resources has them.
#
#   embarquer_ressources(CIBLE images QRC ${qrc} [DEPENDS files...])
#
# makes the custom target CIBLE, which builds the packed file.
set(TESSIMORA_MODELE_EMBARQUER ${CMAKE_CURRENT_LIST_DIR}/embarquer.cpp.in)

function(embarquer_ressources)
  cmake_parse_arguments(E "" "CIBLE;QRC" "DEPENDS" ${ARGN})
  set(paquet ${CMAKE_CURRENT_BINARY_DIR}/${E_CIBLE}.rcc)
  add_custom_command(
    OUTPUT ${paquet}
    COMMAND Qt5::rcc --binary --output ${paquet} ${E_QRC}
    DEPENDS ${E_QRC} ${E_DEPENDS}
    COMMENT "Packing ${E_CIBLE} into a resource file"
    VERBATIM)
  add_custom_target(${E_CIBLE} DEPENDS ${paquet})
  embarquer_paquet(CIBLE ${E_CIBLE} PAQUET ${paquet})
  add_dependencies(tessimora_ressources ${E_CIBLE})
endfunction()

# Embeds a packed file that exists (or that a target of the caller builds).
#
#   embarquer_paquet(CIBLE images PAQUET path/images.rcc)
function(embarquer_paquet)
  cmake_parse_arguments(E "" "CIBLE;PAQUET" "" ${ARGN})
  string(MAKE_C_IDENTIFIER "tessimora_${E_CIBLE}_rcc" SYMBOLE)
  set(PAQUET ${E_PAQUET})
  set(objet ${CMAKE_CURRENT_BINARY_DIR}/embarquer_${E_CIBLE}.cpp)
  configure_file(${TESSIMORA_MODELE_EMBARQUER} ${objet} @ONLY)
  target_sources(tessimora_ressources PRIVATE ${objet})
  set_source_files_properties(${objet} TARGET_DIRECTORY tessimora_ressources
                              PROPERTIES OBJECT_DEPENDS ${E_PAQUET})
endfunction()
