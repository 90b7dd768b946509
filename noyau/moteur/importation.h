#pragma once

// Stacks that come from outside the catalogue: the player's own files. This
// part is plain text work: the `.layout` text format that layout authors
// share (a grid of tile quarters per layer) turned into the layout notation,
// the checks every stack must pass before the engine deals it, the one
// normal form of a shape, and a digest of that form that names the shape in
// the records. Reading files, and the board's own limits, are the business
// of noyau/piles.
//
// Nothing a text holds may make this slow: every loop runs over the text, or
// over a grid whose sizes are capped below, and the stacks that reach the
// neighbour checks hold at most TUILES_MAX tiles.

#include "moteur/pile.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace importation {

// Two full sets of tiles: a deal takes its pairs from at most two sets.
inline constexpr int TUILES_MAX = 288;
// The largest grid a `.layout` text may declare, in half tiles and layers.
// Far beyond what the board shows, so that no real file meets them, but a
// declared size never makes the reader walk more than this.
inline constexpr int GRILLE_LARGEUR_MAX = 256;
inline constexpr int GRILLE_HAUTEUR_MAX = 256;
inline constexpr int GRILLE_COUCHES_MAX = 64;
// The grid a text in the older version always has, and the newer one unless
// it says otherwise.
inline constexpr int GRILLE_LARGEUR = 32;
inline constexpr int GRILLE_HAUTEUR = 16;
inline constexpr int GRILLE_COUCHES = 5;

// Why a stack is not offered. The keys are the words the list shows (they
// are looked up in the catalogues): short, in capitals.
enum class Refus {
    Aucun,         // playable
    Illisible,     // the file cannot be read
    TropGros,      // the file is over 1 MiB
    PasUnePile,    // neither format, or damaged beyond reading
    Vide,          // no tile at all
    Impaire,       // an odd number of tiles
    TuileCassee,   // a quarter of a `.layout` grid that closes no tile
    Chevauchement, // two tiles of one layer share a half-cell
    Suspendue,     // a tile above the bottom layer rests on nothing
    TropDeTuiles,  // more than TUILES_MAX
    TropLarge,     // wider than the board
    TropHaute,     // taller than the board
    TropProfonde,  // so many layers that their shift leaves the board
    SansDonne,     // the deal generator finds no way to clear it
};
namespace detail {
// Marks a catalogue key: the list shows the word translated.
constexpr const char* T(const char* s) {
    return s;
}
} // namespace detail
inline constexpr std::array<const char*, 14> CLES = {"",
                                                     detail::T("UNREADABLE"),
                                                     detail::T("TOO LARGE"),
                                                     detail::T("NOT A STACK"),
                                                     detail::T("EMPTY"),
                                                     detail::T("ODD"),
                                                     detail::T("BAD TILE"),
                                                     detail::T("OVERLAP"),
                                                     detail::T("FLOATING"),
                                                     detail::T("TOO MANY"),
                                                     detail::T("TOO WIDE"),
                                                     detail::T("TOO TALL"),
                                                     detail::T("TOO DEEP"),
                                                     detail::T("NO DEAL")};
const char* cle(Refus r);

// A verdict with its particulars, for whoever wants to know more than the
// key (the engine tool prints them for layout authors).
struct Verdict {
    Refus refus = Refus::Aucun;
    std::string detail;
    bool ok() const { return refus == Refus::Aucun; }
};

// The first line of a `.layout` text: true for "kmahjongg-layout-v" followed
// by anything, so that an unknown version is told apart from other files.
bool estLayout(std::string_view texte);

struct Conversion {
    pile::Forme couches; // in the normal form below
    Verdict verdict;
};
// A `.layout` text (version 1.0 or 1.1) in the layout notation: a tile
// stands where its quarter "1" is, shifted by half a cell where that lies on
// an odd column or row. The tiles come out in the notation's reading order.
Conversion depuisLayout(std::string_view texte);

// The notation of places that share no cell of it, in its normal form: moved
// up and left by whole cells until a tile stands in the first row and in the
// first column, rows without their trailing dots, no empty row at the end of
// a layer, no empty layer on top. Moving by whole cells keeps the reading
// order and every neighbour, so the normal form deals exactly as the shape
// it came from. Nothing when two places share a cell of one layer.
std::optional<pile::Forme> ecrire(const std::vector<pile::Place>& places);

// 64-bit FNV-1a of the shape's text (rows joined by "/", layers by "|"), as
// 16 lower-case hexadecimal digits. Give it the normal form, so that the
// same shape has the same digest whichever file or margin it came with.
std::string empreinte(const pile::Forme& couches);

// The checks on places read from a layout, before any geometry is built:
// some tiles, at most TUILES_MAX, an even number, no overlap, no tile resting
// on nothing.
Verdict controler(const std::vector<pile::Place>& places);

} // namespace importation
