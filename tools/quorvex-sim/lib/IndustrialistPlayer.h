#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "TraderPlayer.h"
#include "state/GameState.h"

namespace quorvex::sim {

// A trader (TraderPlayer) who also builds a small industry. Once its cash allows, it buys a mine or
// two on the planet its ship is on, for the raw goods of one product that can be made from them
// alone, rents the factory units that product needs, and sets the mines and the factory to work;
// from then on the sales office buys whatever inputs the mines fall short of and sells what is
// made. It keeps the factory's level to what its mines dig, sells a worked-out mine and buys
// another when its ship is back there, and now and then advertises for the demand of what it makes.
// Every step goes through the screens' own controls and boxes, so its games are journalled and
// replay. Its turn is the trader's, with these steps after the cargo is sold, when the cash is at
// its highest, and before the next cargo is bought. After every world update the store's relations
// must hold.
class IndustrialistPlayer final : public TraderPlayer {
public:
    explicit IndustrialistPlayer(Simulator& sim);

    bool atRanking(Simulator& sim) override;
    bool playTurn(Simulator& sim) override;
    std::string closingNote(Simulator& sim) override;

    // One company's industry and what it has done.
    struct Works {
        int site = 0;    // the planet of its mines and factory; 0 until the first mine
        int recipe = 0;  // the product made there
        long minesBought = 0, minesSold = 0, unitsBought = 0, levelChanges = 0, campaigns = 0;
        std::array<long, kGoods + 1> mined{};  // by good, over every world update
        std::array<long, kGoods + 1> made{};
    };
    const Works& works(int company) const { return works_.at(static_cast<std::size_t>(company)); }
    // World updates after which the store's relations were checked.
    int worldUpdatesChecked() const { return checked_; }

private:
    struct Heard {
        bool minesIdle = false;    // upkeep or digging not paid
        bool factoryIdle = false;  // manufacturing not paid, or inputs short
    };
    bool afterWorldUpdates(Simulator& sim);
    void hear(const std::string& text);

    bool tendMines(Simulator& sim, Works& w);
    bool build(Simulator& sim, Works& w);
    bool buyMine(Simulator& sim, int good, int offer);
    bool setMineProduction(Simulator& sim, int good, int slot, int32_t level);
    bool sellMine(Simulator& sim, int good, int slot);
    bool tendFactory(Simulator& sim, Works& w);
    bool buyFactoryUnits(Simulator& sim, int32_t units);
    bool lookAtSalesOffice(Simulator& sim, const Works& w);
    bool advertise(Simulator& sim, Works& w);

    Simulator& sim_;
    std::array<Works, kCompanies + 1> works_{};
    std::array<Heard, kCompanies + 1> heard_{};
    int lastTurnChecked_ = 0;
    int checked_ = 0;
};

}  // namespace quorvex::sim
