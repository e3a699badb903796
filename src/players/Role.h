#pragma once

#include <array>
#include <cstdint>

// The five roles a seat may choose in a round, in the order of the role buttons.
enum class Role : std::uint8_t { Councillor, Builder, Producer, Trader, Prospector };

inline constexpr int kRoleCount = 5;

// The role's name as the table and the logs write it.
inline constexpr const char* RoleName(Role role) {
    constexpr std::array<const char*, kRoleCount> kNames{"Councillor", "Builder", "Producer",
                                                         "Trader", "Prospector"};
    return kNames[static_cast<std::size_t>(role)];
}

// Role `index` (0 Councillor to 4 Prospector), as the role buttons and the deciders count.
inline constexpr Role RoleAt(int index) {
    return static_cast<Role>(index);
}
inline constexpr int IndexOf(Role role) {
    return static_cast<int>(role);
}
