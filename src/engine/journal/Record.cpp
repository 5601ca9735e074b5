#include "Record.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <iterator>

#include "Fields.h"

namespace quorvex {
namespace {

constexpr std::array<const char*, 10> kWords = {"quorvex-journal", "seed",    "action", "message",
                                                "error",           "confirm", "input",  "savefile",
                                                "openfile",        "rules"};

std::optional<int> wholeNumber(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || text.empty()) return std::nullopt;
    return value;
}

std::optional<ActionKind> actionKind(const std::string& word) {
    for (int k = 0; k <= static_cast<int>(ActionKind::Page); ++k)
        if (word == actionWord(static_cast<ActionKind>(k))) return static_cast<ActionKind>(k);
    return std::nullopt;
}

}  // namespace

std::string formatRecord(const Record& record) {
    std::vector<std::string> fields{kWords.at(static_cast<std::size_t>(record.kind))};
    fields.insert(fields.end(), record.fields.begin(), record.fields.end());
    return joinFields(fields);
}

std::optional<Record> parseRecord(const std::string& line) {
    auto parts = splitFields(line);
    if (!parts) return std::nullopt;
    Record record;
    bool known = false;
    for (std::size_t k = 0; k < kWords.size(); ++k)
        if ((*parts)[0] == kWords[k]) {
            record.kind = static_cast<RecordKind>(k);
            known = true;
        }
    if (!known) return std::nullopt;
    record.fields.assign(std::make_move_iterator(parts->begin() + 1),
                         std::make_move_iterator(parts->end()));
    return record;
}

Record actionRecord(const Action& a) {
    Record r{RecordKind::Action, {screenClassName(a.screen), a.control, actionWord(a.kind)}};
    switch (a.kind) {
        case ActionKind::Text:
            r.fields.push_back(a.text);
            break;
        case ActionKind::Choose:
        case ActionKind::Check:
        case ActionKind::Page:
            r.fields.push_back(std::to_string(a.index));
            break;
        case ActionKind::Cell:
            r.fields.push_back(std::to_string(a.col));
            r.fields.push_back(std::to_string(a.row));
            break;
        case ActionKind::Click:
        case ActionKind::Press:
            break;
    }
    return r;
}

std::optional<Action> recordedAction(const Record& r) {
    if (r.kind != RecordKind::Action || r.fields.size() < 3) return std::nullopt;
    const auto screen = screenByClassName(r.fields[0]);
    const auto kind = actionKind(r.fields[2]);
    if (!screen || !kind || r.fields[1].empty()) return std::nullopt;
    Action a{*screen, r.fields[1], *kind};
    const std::size_t values = r.fields.size() - 3;
    switch (*kind) {
        case ActionKind::Click:
        case ActionKind::Press:
            if (values != 0) return std::nullopt;
            break;
        case ActionKind::Text:
            if (values != 1) return std::nullopt;
            a.text = r.fields[3];
            break;
        case ActionKind::Choose:
        case ActionKind::Check:
        case ActionKind::Page: {
            const auto index = values == 1 ? wholeNumber(r.fields[3]) : std::nullopt;
            if (!index || (*kind == ActionKind::Check && *index != 0 && *index != 1))
                return std::nullopt;
            a.index = *index;
            break;
        }
        case ActionKind::Cell: {
            const auto col = values == 2 ? wholeNumber(r.fields[3]) : std::nullopt;
            const auto row = values == 2 ? wholeNumber(r.fields[4]) : std::nullopt;
            if (!col || !row) return std::nullopt;
            a.col = *col;
            a.row = *row;
            break;
        }
    }
    return a;
}

}  // namespace quorvex
