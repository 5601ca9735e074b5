#pragma once

#include <functional>
#include <memory>

#include "app/WorldGeneration.h"
#include "economy/WorldUpdate.h"
#include "support/TestGame.h"

namespace quorvex::testing {

// Builds the draws of the world update's own steps in their documented order; each value is
// `pick(n, index)`, index counting the draws from 0.
class WorldScript {
public:
    using Pick = std::function<int(int n, int index)>;
    explicit WorldScript(Pick pick) : pick_(std::move(pick)) {}

    void add(int n) { script_->expect(n, pick_(n, index_++)); }

    void servicePrices() {
        for (int p = 1; p <= kPlanets; ++p)
            for (int n : {250, 150, 150, 350, 500, 500, 750, 500})
                add(n);
    }
    void mineOffers() {
        for (int i = 0; i < kPlanets * kRawGoods * kMineSlots; ++i) {
            add(20000);  // reserve
            add(50);     // turns to dig it out
        }
    }
    void engineOffers() {
        for (int i = 0; i < kPlanets * kEngineModels; ++i) {
            add(24);  // speed
            add(35);  // fuel use
            add(75);  // price change
        }
    }
    void market() {
        for (int i = 0; i < kPlanets * kGoods; ++i) {
            add(5);   // supply growth
            add(10);  // amount drawn from the supply
        }
    }
    int count() const { return index_; }
    std::unique_ptr<ScriptedRandom> take() { return std::move(script_); }

private:
    Pick pick_;
    int index_ = 0;
    std::unique_ptr<ScriptedRandom> script_ = std::make_unique<ScriptedRandom>();
};

// Passenger and company sections that do nothing, so a test sees the update's own draws only.
inline CompanySections quietSections() {
    return {[](const World&) {}, [](const World&) {}, [](const World&, Int) {}};
}

// A new world from the game's own generator, with companies 1 to 3 and 7 to 9 playing.
inline void newWorld(TestGame& t) {
    generateWorld(t.game.world());
    for (int c : {1, 2, 3, 7, 8, 9})
        t.s.PlayerActive[c] = true;
}

}  // namespace quorvex::testing
