// The narrow glyphs reach the game as one binary resource file that the
// assembler embeds as it is, rather than as a thousand PNG files compiled
// as C arrays. Being part of the game's resource library, the registration
// below runs before main in every program that carries it.

#include <QResource>

asm(".section .rodata\n"
    ".balign 16\n"
    "tessimora_police_rcc:\n"
    ".incbin \"" TESSIMORA_POLICE_RCC "\"\n"
    ".previous\n");

extern "C" const unsigned char tessimora_police_rcc[];

namespace {
const bool enregistree = QResource::registerResource(tessimora_police_rcc);
} // namespace
