#pragma once

// Window geometry is reckoned in twips, fifteen to a logical pixel; Qt's scaling does the rest.
constexpr int Px(int twips) {
    return twips / 15;
}
