#include "Record.h"

#include <array>
#include <charconv>
#include <cstdint>

namespace quorvex {
namespace {

constexpr std::array<const char*, 10> kWords = {"quorvex-journal", "seed",    "action", "message",
                                                "error",           "confirm", "input",  "savefile",
                                                "openfile",        "rules"};

std::string escape(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '\t')
            out += "\\t";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\\')
            out += "\\\\";
        else
            out += c;
    }
    return out;
}

std::optional<std::string> unescape(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size()) return std::nullopt;
        switch (text[i]) {
            case 't':
                out += '\t';
                break;
            case 'n':
                out += '\n';
                break;
            case '\\':
                out += '\\';
                break;
            default:
                return std::nullopt;
        }
    }
    return out;
}

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
    std::string line = kWords.at(static_cast<std::size_t>(record.kind));
    for (const std::string& field : record.fields) {
        line += '\t';
        line += escape(field);
    }
    return line;
}

std::optional<Record> parseRecord(const std::string& line) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        parts.push_back(line.substr(start, tab == std::string::npos ? tab : tab - start));
        if (tab == std::string::npos) break;
        start = tab + 1;
    }
    Record record;
    bool known = false;
    for (std::size_t k = 0; k < kWords.size(); ++k)
        if (parts[0] == kWords[k]) {
            record.kind = static_cast<RecordKind>(k);
            known = true;
        }
    if (!known) return std::nullopt;
    for (std::size_t i = 1; i < parts.size(); ++i) {
        auto field = unescape(parts[i]);
        if (!field) return std::nullopt;
        record.fields.push_back(std::move(*field));
    }
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
