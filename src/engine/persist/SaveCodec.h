#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <stdexcept>
#include <vector>

#include "../state/GameState.h"

namespace quorvex {

// The save file's bytes: every field of the store but GameDir and GameLoaded, little-endian, one
// after the other, no header. Integer 4 bytes, Double 8, Boolean 1 (0 or 1), a text its 4-byte
// length and its bytes; an array is one block, last index fastest.

inline constexpr int kMaxSavedTextLength = 2048;  // a longer text stops a load
inline constexpr int kSavedTexts = kCompanies + kPlanets + kGoods;
// Sections A, B and C: the numbers and flags between the three blocks of texts.
inline constexpr std::size_t kSectionABytes = 195318;
inline constexpr std::size_t kSectionBBytes = 10176;
inline constexpr std::size_t kSectionCBytes = 399585;
inline constexpr std::size_t kSavedNumberBytes = kSectionABytes + kSectionBBytes + kSectionCBytes;
// The largest file a load can accept: every text at its longest.
inline constexpr std::size_t kMaxSaveFileBytes =
    kSavedNumberBytes + std::size_t(kSavedTexts) * (4 + kMaxSavedTextLength);

// Why bytes cannot be (or a store cannot be made into) a saved game, in words for the player:
// "the file ends before the last field".
class SaveFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The size of the file this store makes.
std::size_t savedSize(const GameState& s);

// The file's bytes for this store. A text longer than a load accepts is refused
// (SaveFormatError), so that a save never writes a file that cannot be loaded again.
std::vector<uint8_t> encodeGame(const GameState& s);
void encodeGame(const GameState& s, std::vector<uint8_t>& out);  // reuses out's memory

// A fresh store read from the file's bytes, GameDir empty and GameLoaded false. All or nothing:
// bytes that are short, too long, hold a text of a length outside 0..2048, or hold a value the
// game uses as an index outside its range raise SaveFormatError and give no store.
std::unique_ptr<GameState> decodeGame(std::span<const uint8_t> bytes);

}  // namespace quorvex
