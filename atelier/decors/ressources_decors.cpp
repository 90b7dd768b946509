// The scenery reaches the game as one binary resource file embedded as it is,
// like the image workshop's own.

#include <QResource>

asm(".section .rodata\n"
    ".balign 16\n"
    "tessimora_decors_rcc:\n"
    ".incbin \"" TESSIMORA_DECORS_RCC "\"\n"
    ".previous\n");

extern "C" const unsigned char tessimora_decors_rcc[];

namespace {

struct Enregistrement {
    Enregistrement() { QResource::registerResource(tessimora_decors_rcc); }
};

// Where two resource trees hold the same path, the one registered first is
// read. The image workshop keeps plain stand-ins under these names, so this
// tree registers ahead of every ordinary static object.
__attribute__((init_priority(1000))) const Enregistrement enregistrement;

} // namespace
