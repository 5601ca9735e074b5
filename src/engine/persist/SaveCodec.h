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
// "the file ends before the last field", "LoanInterestRate 1e12 is out of range".
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

// Where a save's bytes come from, front to back.
class SaveSource {
public:
    virtual ~SaveSource() = default;
    // The next n bytes into `to`; false when fewer were left (those are used up).
    virtual bool read(void* to, std::size_t n) = 0;
    // No byte is left.
    virtual bool atEnd() = 0;
};

// A fresh store read from a save's bytes, GameDir empty and GameLoaded false. All or nothing:
// bytes that are short, too long, hold a text of a length outside 0..2048, or hold a store that
// checkLoadable refuses raise SaveFormatError and give no store.
std::unique_ptr<GameState> decodeGame(SaveSource& source);
std::unique_ptr<GameState> decodeGame(std::span<const uint8_t> bytes);

// Whether a game could have saved this store, so that the loaded game can be played on: every
// field within the range play gives it (SaveFields.h), and what every saved game keeps true
// between its fields: the order of play holds each company once; each net worth is the
// company's money (-99999999 out of the game); no company still playing owes more than its
// credit limit; and unless the game has ended, the company whose turn it is is a human company
// still playing, at its place in the order of play. Raises SaveFormatError naming the field.
void checkLoadable(const GameState& s);

}  // namespace quorvex
