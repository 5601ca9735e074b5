#include "Journal.h"

#include <stdexcept>

namespace quorvex {

JournalWriter::JournalWriter(const std::string& path) : path_(path), out_(path, std::ios::binary) {
    if (!out_) throw std::runtime_error("cannot write the journal \"" + path + "\"");
    write({RecordKind::Header, {std::to_string(kJournalVersion)}});
}

void JournalWriter::write(const Record& record) {
    out_ << formatRecord(record) << '\n';
    out_.flush();
    if (!out_) throw std::runtime_error("cannot write the journal \"" + path_ + "\"");
}

std::vector<JournalLine> readJournal(std::istream& in) {
    std::vector<JournalLine> lines;
    std::string text;
    int number = 0;
    while (std::getline(in, text)) {
        ++number;
        auto record = parseRecord(text);
        if (!record) throw std::runtime_error("line " + std::to_string(number) + " is no record");
        if (number == 1 &&
            (record->kind != RecordKind::Header ||
             record->fields != std::vector<std::string>{std::to_string(kJournalVersion)}))
            throw std::runtime_error("not a journal of version " + std::to_string(kJournalVersion));
        if (number > 1 && record->kind == RecordKind::Header)
            throw std::runtime_error("line " + std::to_string(number) + " starts another journal");
        lines.push_back({number, std::move(*record)});
    }
    if (lines.empty()) throw std::runtime_error("the journal is empty");
    return lines;
}

}  // namespace quorvex
