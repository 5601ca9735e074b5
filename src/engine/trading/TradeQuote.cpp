#include "TradeQuote.h"

#include "../state/Format.h"
#include "TradeRules.h"

namespace quorvex {

TradePick TradePick::fromMarket(const GameState& s) {
    return {s.TradeGood, s.TradeRetail, s.TradeIndustrial};
}

std::vector<std::string> priceList(const GameState& s, Int c, Int t, const TradePick& pick) {
    const Int g = pick.good;
    if (!pick.industrial) return {cat("£", s.PlayerRetailPrice(c, t, g))};
    return {cat("1-25@£", s.PlayerIndPrice1(c, t, g)), cat("26-100@£", s.PlayerIndPrice2(c, t, g)),
            cat("101+@£", s.PlayerIndPrice3(c, t, g))};
}

TradeFigures tradeFigures(const GameState& s, Int c, Int t, const TradePick& pick, Int q) {
    const Int price = bandPrice(s, c, t, pick.good, q.wide(), pick.industrial);
    return {q, q.wide() * price.wide(), goodTons(s, pick.good, q.wide())};
}

GoodsStore GoodsStore::hold(GameState& s, Int c, Int g) {
    return {s.CargoHold(c, g), s.CargoUsed[c], s.CargoFree[c], s.CargoSpace[c]};
}

GoodsStore GoodsStore::warehouse(GameState& s, Int c, Int t, Int g) {
    return {s.WarehouseStock(c, t, g), s.WarehouseUsed(c, t), s.WarehouseFree(c, t),
            s.WarehouseSpace(c, t)};
}

GoodsStore GoodsStore::at(GameState& s, Place place, Int c, Int t, Int g) {
    return place == Place::Warehouse ? warehouse(s, c, t, g) : hold(s, c, g);
}

void GoodsStore::putIn(Int quantity, int64_t tons) {
    units += quantity;
    used += Int::fromWide(tons);
    free = space - used;
}

void GoodsStore::takeOut(Int quantity, int64_t tons) {
    units -= quantity;
    used -= tonsFreed(used, tons);
    free = space - used;
}

}  // namespace quorvex
