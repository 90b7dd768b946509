#pragma once

// The modes of play. Each one has a word of its own ("night", "sliding"...),
// the same in every stored text, game event, score table and leaderboard;
// inside the program a mode is this enum, and only reading or writing a text
// turns one into the other. What makes the modes differ is the cabinet's
// table of modes (noyau/borne/modes).

#include <array>
#include <optional>
#include <string_view>

// In the order of MODE SELECT's lanterns and of the score tables.
enum class Mode {
    Night,   // NIGHT MARKET
    Sliding, // SLIDING STALLS
    Duel,    // LANTERN DUEL
    Rush,    // INCENSE RUSH
    Daily,   // MOON OF THE DAY
    Paper,   // PAPER MOON
    Parade,  // PANDA PARADE
    Salon,   // TEA HOUSE: any stack, untimed
    Demo,    // the attract loop's game, played by the computer
};

inline constexpr std::array<std::string_view, 9> MOTS_MODES = {
    "night", "sliding", "duel", "rush", "daily", "paper", "parade", "salon", "demo"};

inline constexpr std::string_view motDe(Mode m) {
    return MOTS_MODES[static_cast<std::size_t>(m)];
}

inline constexpr std::optional<Mode> modeDe(std::string_view mot) {
    for (std::size_t i = 0; i < MOTS_MODES.size(); ++i)
        if (MOTS_MODES[i] == mot) return static_cast<Mode>(i);
    return std::nullopt;
}
