// The drawn images reach the game as one binary resource file that the
// assembler embeds as it is: compiling hundreds of PNG files as a C array would
// make every build slow. This object is part of the game's resource library, so
// the registration below runs before main in every program that carries it.

#include <QResource>

asm(".section .rodata\n"
    ".balign 16\n"
    "tessimora_images_rcc:\n"
    ".incbin \"" TESSIMORA_IMAGES_RCC "\"\n"
    ".previous\n");

extern "C" const unsigned char tessimora_images_rcc[];

namespace {
const bool enregistrees = QResource::registerResource(tessimora_images_rcc);
} // namespace
