// Random five-card hands for the benchmarks, the same for every run of one seed.
#pragma once

#include <algorithm>
#include <array>
#include <random>
#include <vector>

inline std::vector<std::array<int, 5>> randomHands(bool joker, int count, unsigned seed)
{
    std::mt19937 rng(seed);
    std::vector<int> deck(joker ? 53 : 52);
    for (size_t i = 0; i < deck.size(); ++i)
        deck[i] = int(i);
    std::vector<std::array<int, 5>> hands(static_cast<size_t>(count));
    for (auto& h : hands) {
        std::shuffle(deck.begin(), deck.end(), rng);
        std::copy(deck.begin(), deck.begin() + 5, h.begin());
    }
    return hands;
}
