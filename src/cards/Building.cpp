#include "cards/Building.h"

#include <mutex>
#include <set>
#include <tuple>
#include <unordered_map>

namespace {

// Names and buildings live as long as the program: cards of every game point at them. Games on
// several threads (a seat's look-ahead) may add to them at once.
struct Registry {
    std::mutex lock;
    std::unordered_map<std::string, BuildingId> ids;
    std::set<Building, bool (*)(const Building&, const Building&)> buildings{
        [](const Building& a, const Building& b) {
            return std::tie(a.name, a.description, a.cost, a.victoryPoints, a.type) <
                   std::tie(b.name, b.description, b.cost, b.victoryPoints, b.type);
        }};

    Registry() {
        for (const std::string_view name : buildings::kRuleNames) {
            ids.emplace(std::string(name), static_cast<BuildingId>(ids.size()));
        }
    }

    BuildingId IdOf(std::string_view name) {
        return ids.try_emplace(std::string(name), static_cast<BuildingId>(ids.size()))
            .first->second;
    }
};

Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

}  // namespace

namespace buildings {

BuildingId IdOf(std::string_view name) {
    Registry& registry = TheRegistry();
    const std::scoped_lock guard(registry.lock);
    return registry.IdOf(name);
}

BuildingId FindId(std::string_view name) {
    Registry& registry = TheRegistry();
    const std::scoped_lock guard(registry.lock);
    const auto it = registry.ids.find(std::string(name));
    return it == registry.ids.end() ? kNoId : it->second;
}

}  // namespace buildings

const Building& Building::Find(Integer cost, Integer victoryPoints, std::string_view name,
                               std::string_view description, Long type) {
    Registry& registry = TheRegistry();
    const std::scoped_lock guard(registry.lock);
    Building building{std::string(name), std::string(description), cost, victoryPoints, type, 0};
    building.id = registry.IdOf(name);
    return *registry.buildings.insert(std::move(building)).first;
}
