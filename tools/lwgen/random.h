#pragma once
// The generator's own random numbers: splitmix64, integer arithmetic only, so one seed gives
// the same month on every compiler, standard library and machine.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string_view>
#include <utility>
#include <vector>

namespace lwgen {

class Rng {
public:
    explicit Rng(uint64_t seed) : state_(seed) {}

    // A separate stream for one part of the month, so that changing how crew are drawn does
    // not reshuffle the pairings of the same seed.
    static Rng Stream(uint64_t seed, std::string_view part) {
        uint64_t h = 1469598103934665603ull;  // FNV-1a
        for (char c : part) {
            h ^= static_cast<unsigned char>(c);
            h *= 1099511628211ull;
        }
        Rng mixer(seed ^ h);
        return Rng(mixer.Next());
    }

    uint64_t Next() {
        uint64_t z = (state_ += 0x9e3779b97f4a7c15ull);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        return z ^ (z >> 31);
    }

    // 0 .. n-1, without the bias of a plain modulo.
    uint64_t Below(uint64_t n) {
        if (n == 0) throw std::logic_error("Rng::Below(0)");
        const uint64_t limit = UINT64_MAX - UINT64_MAX % n;
        uint64_t v = Next();
        while (v >= limit) v = Next();
        return v % n;
    }

    // lo .. hi, both included.
    int Range(int lo, int hi) {
        if (hi < lo) throw std::logic_error("Rng::Range with hi < lo");
        return lo + static_cast<int>(Below(static_cast<uint64_t>(hi - lo) + 1));
    }

    // lo .. hi on a grid of step (times on the five-minute grid of a timetable).
    int Step(int lo, int hi, int step) { return lo + step * Range(0, (hi - lo) / step); }

    // True with the given chance in percent.
    bool Percent(int percent) { return static_cast<int>(Below(100)) < percent; }

    template <typename T>
    const T& Pick(const std::vector<T>& items) {
        return items[static_cast<size_t>(Below(items.size()))];
    }

    // An index drawn by integer weights; weights must not all be zero.
    size_t Weighted(const std::vector<int>& weights) {
        int total = 0;
        for (int w : weights) total += w;
        int r = static_cast<int>(Below(static_cast<uint64_t>(total)));
        for (size_t i = 0; i < weights.size(); ++i) {
            if (r < weights[i]) return i;
            r -= weights[i];
        }
        throw std::logic_error("Rng::Weighted with no weight");
    }

    template <typename T>
    void Shuffle(std::vector<T>& items) {
        for (size_t i = items.size(); i > 1; --i) std::swap(items[i - 1], items[static_cast<size_t>(Below(i))]);
    }

private:
    uint64_t state_;
};

}  // namespace lwgen
