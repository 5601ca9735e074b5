#include "SalesOffice.h"

#include <algorithm>
#include <limits>

#include "../state/Catalogue.h"
#include "../state/ExactRound.h"
#include "../state/World.h"
#include "Manufacturing.h"
#include "Market.h"
#include "MineOperations.h"
#include "Payment.h"

namespace quorvex {
namespace {

constexpr int64_t kIntMax = std::numeric_limits<int32_t>::max();

}  // namespace

GoodWeights::GoodWeights(const GameState& s) {
    for (int g = 1; g <= kGoods; ++g)
        weight_[g] = Decimal(s.GoodWeight[g]);
}

int64_t GoodWeights::tons(int good, int64_t units) const {
    return tonsOf(weight_.at(static_cast<std::size_t>(good)), units);
}

std::array<Fraction::Wide, kGoods + 1> factoryNeeds(const GameState& s, Int c, Int t) {
    std::array<WideTotal, kGoods + 1> need{};
    for (int f = 1; f <= kRecipes; ++f) {
        const int64_t amount = s.FactoryAmount(c, t, f).wide();
        if (amount == 0) continue;
        for (int j = 1; j <= kRecipeInputSlots; ++j) {
            const Int input = recipeInput(s, f, j);
            if (input >= 1 && input <= kGoods)
                need[static_cast<std::size_t>(input.get())].add(recipeInputQty(s, f, j).wide() *
                                                                amount);
        }
    }
    std::array<Fraction::Wide, kGoods + 1> exact{};
    for (std::size_t g = 1; g <= kGoods; ++g)
        exact[g] = need[g].exact();
    return exact;
}

namespace {

// A planet where the company holds nothing, makes nothing and asks for no extra: the plan there
// buys and sells nothing. Every computer company's planets are like this.
bool nothingToTrade(const Int* stock, const Int* buyAdjust, const Int* factoryAmount) {
    for (int g = 0; g < kGoods; ++g)
        if (stock[g] != 0 || buyAdjust[g] > 0) return false;
    for (int f = 0; f < kRecipes; ++f)
        if (factoryAmount[f] != 0) return false;
    return true;
}

}  // namespace

void storeMineOutput(GameState& s, Int c, Int t) {
    for (int g = 1; g <= kRawGoods; ++g)
        s.MineOutput(c, t, g) = totalMineProduction(s, c, t, g);
}

Int madeByFactories(const GameState& s, Int c, Int t, Int g) {
    if (isRawGood(g)) return 0;
    const Int f = recipeMaking(s, g);
    return f == 0 ? Int(0) : s.FactoryAmount(c, t, f);
}

Int SalesBuyStep::stored() const {
    return Int::fromWide(wanted > kIntMax ? kIntMax : static_cast<int64_t>(wanted));
}

SalesBuyStep salesBuyStep(Fraction::Wide need, Fraction::Wide have, Fraction::Wide buyAdjust) {
    const Fraction::Wide shortfall = std::max<Fraction::Wide>(need - have, 0);
    return {shortfall + std::max<Fraction::Wide>(buyAdjust, 0), buyAdjust < 0};
}

SalesSellStep salesSellStep(int64_t held, Fraction::Wide sellAdjust, const GoodWeights& weights,
                            int good, int64_t freeTons) {
    SalesSellStep step;
    held = std::max<int64_t>(held, 0);
    const Fraction::Wide wanted = held + sellAdjust;
    step.aboveHeld = wanted > held;
    step.belowZero = wanted < 0;
    step.amount = static_cast<int64_t>(std::clamp<Fraction::Wide>(wanted, 0, held));
    if (weights.tons(good, held - step.amount) > freeTons) {
        step.keptWontFit = true;
        step.amount = held;
    }
    return step;
}

PurchaseCost planSalesOffice(GameState& s, Int c, bool withCost) {
    using Wide = Fraction::Wide;
    PurchaseCost cost;
    const GoodWeights weights(s);
    for (int t = 1; t <= kPlanets; ++t) {
        storeMineOutput(s, c, t);
        const Int* stock = s.WarehouseStock.row(c, t);
        const Int* buyAdjust = s.SalesBuyAdjust.row(c, t);
        const Int* sellAdjust = s.SalesSellAdjust.row(c, t);
        const Int* factoryAmount = s.FactoryAmount.row(c, t);
        Int* buyAmount = s.SalesBuyAmount.row(c, t);
        Int* sellAmount = s.SalesSellAmount.row(c, t);
        if (nothingToTrade(stock, buyAdjust, factoryAmount)) {
            std::fill(buyAmount, buyAmount + kGoods, Int(0));
            std::fill(sellAmount, sellAmount + kGoods, Int(0));
            continue;
        }

        // Needs are summed in 128 bits, where no sum of products of stored values can overflow.
        const std::array<Wide, kGoods + 1> need = factoryNeeds(s, c, t);
        const int64_t freeTons = s.WarehouseSpace(c, t).wide() - s.WarehouseUsed(c, t).wide();
        for (int g = 1; g <= kGoods; ++g) {
            const int64_t held = stock[g - 1].wide();
            // A raw good's mine output is already in stock; a manufactured good counts what its
            // own factory makes this turn.
            const SalesBuyStep buying = salesBuyStep(
                need[g], held + madeByFactories(s, c, t, g).wide(), buyAdjust[g - 1].wide());
            if (buying.wanted > kIntMax) cost.fits = false;
            const Int buy = buying.stored();
            buyAmount[g - 1] = buy;
            // What is sold is what lies in the warehouse now.
            sellAmount[g - 1] = Int::fromWide(
                salesSellStep(held, sellAdjust[g - 1].wide(), weights, g, freeTons).amount);

            if (withCost && cost.fits) {
                cost.total += buy.wide() * unitPrice(s, c, t, g, buy.wide()).wide();
                if (cost.total > kIntMax) cost.fits = false;
            }
        }
    }
    return cost;
}

void salesOfficeBuy(const World& world, Int c, const PurchaseCost& cost) {
    GameState& s = world.state;
    bool allBought = true;
    if (!cost.fits || cost.total != 0) {
        if (!cost.fits ||
            !payRunningCost(world, c, Int::fromWide(cost.total), PaymentPurpose::Purchases)) {
            world.tellCompany(c, " You can not afford to buy any goods this turn");
        } else {
            for (int t = 1; t <= kPlanets; ++t)
                for (int g = 1; g <= kGoods; ++g) {
                    const Int wanted = s.SalesBuyAmount(c, t, g);
                    const Int seen = s.PlayerAmount(c, t, g);
                    // Only what the company sees on offer can be had; the rest was paid for and
                    // is lost.
                    const Int taken = seen >= wanted ? wanted : seen;
                    if (seen < wanted) allBought = false;
                    s.WarehouseStock(c, t, g) += taken;
                    s.PlayerAmount(c, t, g) = seen >= wanted ? seen - wanted : Int(0);
                    s.PlanetAmount(t, g) = Int::fromWide(
                        std::max<int64_t>(s.PlanetAmount(t, g).wide() - taken.wide(), 0));
                }
        }
    }
    refreshCompanyView(world, c);
    if (!allBought)
        world.tellCompany(c,
                          " There was not enough goods avalible for you to buy"
                          " all that you wanted (do more amount advertising)");
}

void recountWarehouses(GameState& s, Int c) {
    const GoodWeights weights(s);
    for (int t = 1; t <= kPlanets; ++t) {
        const Int* stock = s.WarehouseStock.row(c, t);
        // Weighed in 128 bits: no stock of any weight can overflow the sum.
        Fraction::Wide used = 0;
        for (int g = 1; g <= kGoods; ++g)
            if (stock[g - 1] != 0) used += weights.tons(g, stock[g - 1].wide());
        // Goods stored beyond the room owned still count only as a full warehouse.
        const int64_t room = std::max<int64_t>(s.WarehouseSpace(c, t).wide(), 0);
        s.WarehouseUsed(c, t) = Int::fromWide(used < 0 ? 0 : used > room ? room : int64_t(used));
    }
}

namespace {

// How much of a planned sale the company's cash and savings, its view of the market and the
// planet's amount can take without passing the largest Integer: all of it in any game that can be
// played, less only where the sale would stop the world update with an overflow. What is not
// sold stays in the warehouse. A smaller quantity can have a higher band price, so the price is
// worked out again until the quantity fits.
Int saleThatFits(const GameState& s, Int c, Int t, Int g, Int planned) {
    int64_t q = planned.wide();
    q = std::min(q, kIntMax - std::max<int64_t>(s.PlayerAmount(c, t, g).wide(), 0));
    q = std::min(q, kIntMax - std::max<int64_t>(s.PlanetAmount(t, g).wide(), 0));
    const int64_t cash = s.PlayerCash[c].wide();
    // The ranking adds savings to cash, so an income must leave room for both.
    const int64_t cashAndSavings = cash + std::max<int64_t>(s.PlayerSavings[c].wide(), 0);
    for (;;) {
        const int64_t price = unitPrice(s, c, t, g, q).wide();
        const int64_t room = price > 0   ? (kIntMax - cashAndSavings) / price
                             : price < 0 ? (cash - std::numeric_limits<int32_t>::min()) / -price
                                         : q;
        if (q <= room) break;
        q = room;
    }
    return Int::fromWide(std::max<int64_t>(q, 0));
}

}  // namespace

void salesOfficeSell(const World& world, Int c) {
    GameState& s = world.state;
    const GoodWeights weights(s);
    bool marketsMoved = false;
    for (int t = 1; t <= kPlanets; ++t) {
        const Int* selling = s.SalesSellAmount.row(c, t);
        const Int* onPlanet = s.PlanetAmount.row(t);
        for (int g = 1; g <= kGoods; ++g) {
            if (selling[g - 1] == 0 && onPlanet[g - 1] >= 0) continue;  // nothing here changes
            marketsMoved = true;
            const Int sold = saleThatFits(s, c, t, g, selling[g - 1]);
            s.WarehouseStock(c, t, g) -= sold;
            // The weight freed is at most what the warehouse counts as in use: the recount caps
            // that at the space, so selling an overfull warehouse must not take it below 0.
            const Int freed = tonsFreed(s.WarehouseUsed(c, t), weights.tons(g, sold.wide()));
            s.WarehouseUsed(c, t) -= freed;
            s.WarehouseFree(c, t) += freed;
            s.PlayerCash[c] += sold * unitPrice(s, c, t, g, sold.wide());
            s.PlayerAmount(c, t, g) += sold;
            // A planet left below 0 by an earlier purchase takes the sale first, then stops at 0.
            s.PlanetAmount(t, g) =
                Int::fromWide(std::max<int64_t>(s.PlanetAmount(t, g).wide() + sold.wide(), 0));
        }
    }
    // The view was rebuilt after the purchases, and nothing it is built from has changed since
    // unless something was sold here.
    if (marketsMoved) refreshCompanyView(world, c);
}

}  // namespace quorvex
