#include "HistoryFile.h"

#include <charconv>
#include <sstream>

#include "../journal/Fields.h"

namespace quorvex {
namespace {

constexpr const char* kHeader = "quorvex-history";
constexpr const char* kSaveEnding = ".Game";
constexpr const char* kHistoryEnding = ".history";

std::string number(int value) {
    return std::to_string(value);
}

std::optional<int> wholeNumber(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

// The lines of a history file, read in order; any line that is not what may stand there stops
// the reading, and the history is refused whole.
class Reader {
public:
    explicit Reader(const GameState& loaded) : loaded_(loaded) {}

    std::optional<GameHistory> read(const std::string& text) {
        std::istringstream in(text);
        std::string line;
        int lineNumber = 0;
        while (std::getline(in, line)) {
            auto fields = splitFields(line);
            if (!fields || !take(++lineNumber, *fields, line)) return std::nullopt;
        }
        if (!history_) return std::nullopt;
        return std::move(*history_);
    }

private:
    bool take(int lineNumber, const std::vector<std::string>& f, const std::string& line) {
        const std::string& word = f[0];
        if (lineNumber == 1)
            return word == kHeader && f.size() == 2 && f[1] == number(kHistoryVersion);
        if (lineNumber == 2) return word == "game" && f.size() == 3 && belongs(f);
        if (lineNumber == 3) return word == "start" && f.size() == 2 && start(f[1]);
        if (!history_) return false;
        if (word == "company" && f.size() == 3) return company(f[1], f[2]);
        if (word == "worth" && f.size() == 4) return worth(f[1], f[2], f[3]);
        if (word == "box" && f.size() >= 4) return box(f, line);
        return false;
    }

    // The save beside it stands at the game turn and the company the history was saved with.
    bool belongs(const std::vector<std::string>& f) const {
        return wholeNumber(f[1]) == loaded_.TurnNumber.get() &&
               wholeNumber(f[2]) == loaded_.CurrentPlayer.get();
    }

    bool start(const std::string& text) {
        const auto turn = wholeNumber(text);
        if (!turn || *turn < 0 || *turn > loaded_.TurnNumber.get()) return false;
        GameHistory::Names names;
        for (int c = 1; c <= kCompanies; ++c)
            names[c] = loaded_.PlayerName[c];
        history_.emplace(*turn, names);
        return true;
    }

    // A company the history names is the save's company of that name.
    bool company(const std::string& which, const std::string& name) const {
        const auto c = wholeNumber(which);
        return c && *c >= 1 && *c <= kCompanies && loaded_.PlayerName[*c] == name;
    }

    bool worth(const std::string& which, const std::string& turnText, const std::string& value) {
        const auto c = wholeNumber(which);
        const auto turn = wholeNumber(turnText);
        const auto netWorth = wholeNumber(value);
        return c && turn && netWorth && *turn <= loaded_.TurnNumber.get() &&
               history_->noteWorth(*c, *turn, *netWorth);
    }

    // "box", the turn, the company, then the box as the journal writes it.
    bool box(const std::vector<std::string>& f, const std::string& line) {
        const auto turn = wholeNumber(f[1]);
        const auto c = wholeNumber(f[2]);
        std::size_t recordStart = 0;
        for (int tabs = 0; tabs < 3; ++tabs)
            recordStart = line.find('\t', recordStart) + 1;
        const auto record = parseRecord(line.substr(recordStart));
        return turn && c && record && *turn >= 0 && *turn <= loaded_.TurnNumber.get() &&
               history_->noteBox(*turn, *c, *record);
    }

    const GameState& loaded_;
    std::optional<GameHistory> history_;
};

bool endsWith(const std::string& text, const std::string& ending) {
    return text.size() >= ending.size() &&
           text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

}  // namespace

std::string historyPathFor(const std::string& savePath) {
    const std::string ending = kSaveEnding;
    if (endsWith(savePath, ending))
        return savePath.substr(0, savePath.size() - ending.size()) + kHistoryEnding;
    return savePath + kHistoryEnding;
}

std::string formatHistory(const GameHistory& history, const GameState& saved) {
    std::string text;
    const auto line = [&text](const std::vector<std::string>& fields) {
        text += joinFields(fields);
        text += '\n';
    };
    line({kHeader, number(kHistoryVersion)});
    line({"game", number(saved.TurnNumber.get()), number(saved.CurrentPlayer.get())});
    line({"start", number(history.firstTurn())});
    for (int c = 1; c <= kCompanies; ++c)
        if (!history.worth(c).empty()) line({"company", number(c), history.companyName(c)});
    for (int c = 1; c <= kCompanies; ++c)
        for (const WorthPoint& p : history.worth(c))
            line({"worth", number(c), number(p.turn), number(p.netWorth)});
    for (const ShownBox& b : history.boxes()) {
        text += joinFields({"box", number(b.turn), number(b.company)});
        text += '\t';
        text += formatRecord(b.record);
        text += '\n';
    }
    return text;
}

std::optional<GameHistory> parseHistory(const std::string& text, const GameState& loaded) {
    return Reader(loaded).read(text);
}

}  // namespace quorvex
