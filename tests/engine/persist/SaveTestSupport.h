#pragma once

#include <stdlib.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "persist/SaveFields.h"
#include "state/GameState.h"

namespace quorvex::testing {

// A folder of its own for one test, removed with everything in it afterwards.
struct TempDir {
    std::string path;
    TempDir() {
        char pattern[] = "/tmp/quorvex-save-XXXXXX";
        path = ::mkdtemp(pattern);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    std::string operator/(const std::string& name) const { return path + "/" + name; }
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(path))
            names.push_back(e.path().filename().string());
        return names;
    }
};

inline std::vector<uint8_t> readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

inline int32_t int32At(const std::vector<uint8_t>& bytes, std::size_t at) {
    return int32_t(uint32_t(bytes.at(at)) | uint32_t(bytes.at(at + 1)) << 8 |
                   uint32_t(bytes.at(at + 2)) << 16 | uint32_t(bytes.at(at + 3)) << 24);
}

inline void putInt32(std::vector<uint8_t>& bytes, std::size_t at, int32_t value) {
    const auto v = uint32_t(value);
    for (int k = 0; k < 4; ++k)
        bytes.at(at + k) = uint8_t(v >> (8 * k));
}

inline void putDouble(std::vector<uint8_t>& bytes, std::size_t at, double value) {
    uint64_t v;
    std::memcpy(&v, &value, 8);
    for (int k = 0; k < 8; ++k)
        bytes.at(at + k) = uint8_t(v >> (8 * k));
}

// Where the three sections of numbers start in the file of this store: each follows its block
// of texts (4 bytes of length, then the text).
struct Sections {
    std::size_t a, b, c;
};

template <int N>
std::size_t textBytes(const Array<String, N>& texts) {
    std::size_t n = 0;
    for (const auto& t : texts)
        n += 4 + t.size();
    return n;
}

inline Sections sectionsOf(const GameState& s) {
    Sections at{};
    at.a = textBytes(s.PlayerName);
    at.b = at.a + 195318 + textBytes(s.PlanetName);
    at.c = at.b + 10176 + textBytes(s.GoodName);
    return at;
}

// Where each field's first byte stands in the file of a store, by the field list itself.
struct FieldPlace {
    std::string name;
    std::size_t at = 0;
};

// Walks the field list, noting where each field starts.
struct FieldWalk {
    std::vector<FieldPlace> places;
    std::size_t at = 0;
    template <int N>
    void operator()(const Array<String, N>& texts, const char* name, const auto&) {
        places.push_back({name, at});
        at += textBytes(texts);
    }
    template <typename T, int... D>
    void operator()(const Array<T, D...>& a, const char* name, const auto&) {
        places.push_back({name, at});
        at += sizeof(T) * a.size();
    }
    void operator()(const Int&, const char* name, const auto&) {
        places.push_back({name, at});
        at += 4;
    }
    void operator()(const Bool&, const char* name, const auto&) {
        places.push_back({name, at});
        at += 1;
    }
};

inline std::vector<FieldPlace> fieldPlaces(const GameState& s) {
    FieldWalk walk;
    forEachSavedField(s, walk);
    return walk.places;
}

inline std::size_t fieldAt(const GameState& s, const std::string& name) {
    for (const FieldPlace& p : fieldPlaces(s))
        if (p.name == name) return p.at;
    throw std::out_of_range("no saved field " + name);
}

// Element `index` (from 0, in storage order) of an Integer or Double field in a file's bytes.
inline void setInt(std::vector<uint8_t>& bytes, const GameState& s, const std::string& field,
                   std::size_t index, int32_t value) {
    putInt32(bytes, fieldAt(s, field) + 4 * index, value);
}
inline void setDouble(std::vector<uint8_t>& bytes, const GameState& s, const std::string& field,
                      std::size_t index, double value) {
    putDouble(bytes, fieldAt(s, field) + 8 * index, value);
}

}  // namespace quorvex::testing
