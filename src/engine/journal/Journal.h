#pragma once

#include <fstream>
#include <istream>
#include <string>
#include <vector>

#include "Record.h"

namespace quorvex {

// Writes a journal to a file as the game plays: the first line, then every record as it comes,
// each flushed at once, so a crash loses nothing already done.
class JournalWriter {
public:
    // Opens (and replaces) the file; throws std::runtime_error naming the file when it cannot.
    explicit JournalWriter(const std::string& path);
    void write(const Record& record);

private:
    std::string path_;
    std::ofstream out_;
};

// A journal's records with the line each stands on (the first line is 1).
struct JournalLine {
    int line;
    Record record;
};

// Reads a whole journal; throws std::runtime_error naming the line of the first one that is not
// a record, or when the first line is not a journal of this version.
std::vector<JournalLine> readJournal(std::istream& in);

}  // namespace quorvex
