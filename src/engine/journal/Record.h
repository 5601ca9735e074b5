#pragma once

#include <optional>
#include <string>
#include <vector>

#include "../form/Action.h"

namespace quorvex {

// One line of a game's journal: what happened, in the order it happened. The fields are the
// texts that follow the record's word on its line.
enum class RecordKind {
    Header,    // "quorvex-journal" <version>
    Seed,      // "seed" <0..4294967295>: the generator was seeded
    Action,    // "action" <Screen> <Control> <what> [<values>]: the person did something
    Message,   // "message" <text>: an information box
    Error,     // "error" <text>: the error box of a stopped action
    Confirm,   // "confirm" <text> yes|no
    Input,     // "input" <caption> <prompt> <default> answer <text> | cancel
    SaveFile,  // "savefile" answer <path> | cancel
    OpenFile,  // "openfile" answer <path> | cancel
    Rules,     // "rules" computer: the company at the machine played by the computers' rules
};

struct Record {
    RecordKind kind = RecordKind::Header;
    std::vector<std::string> fields;
    bool operator==(const Record&) const = default;
};

inline constexpr int kJournalVersion = 1;

// One line of text for a record (without its line break): fields separated by a tab, a tab in a
// field written \t, a line break \n, a backslash \\.
std::string formatRecord(const Record& record);
// The record a line holds; no value when the line is not a record of this version.
std::optional<Record> parseRecord(const std::string& line);

Record actionRecord(const Action& action);
// The action an "action" record stands for; no value when its fields do not make one.
std::optional<Action> recordedAction(const Record& record);

}  // namespace quorvex
