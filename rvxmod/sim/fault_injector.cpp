#include "rvxmod/sim/fault_injector.h"

#include "common/number_parse.h"

#include <string>

namespace rvxmod::sim {

namespace {

constexpr link::Millis kLateBy{1500};
constexpr link::Millis kGapBetweenPieces{2};
constexpr std::uint8_t kCorruption = 0x5A;

}  // namespace

rvx::Result<FaultSpec> parseFaultSpec(std::string_view text) {
    FaultSpec faults;
    while (!text.empty()) {
        const std::string_view item = text.substr(0, text.find(','));
        text.remove_prefix(std::min(text.size(), item.size() + 1));
        const std::size_t equals = item.find('=');
        const std::string_view name = item.substr(0, equals);
        const std::string_view value =
            equals == std::string_view::npos ? std::string_view{} : item.substr(equals + 1);
        const auto bad = [&] {
            return rvx::fail("bad fault setting \"" + std::string(item) + "\"");
        };
        if (name == "seed") {
            const auto seed = rvx::parseInteger<unsigned>(value);
            if (!seed) return bad();
            faults.seed = *seed;
            continue;
        }
        double* chance = name == "noise"     ? &faults.noise
                         : name == "corrupt" ? &faults.corrupt
                         : name == "drop"    ? &faults.drop
                         : name == "delay"   ? &faults.delay
                         : name == "split"   ? &faults.split
                                             : nullptr;
        const auto parsed = rvx::parseDouble(value);
        if (chance == nullptr || !parsed || *parsed < 0 || *parsed > 1) return bad();
        *chance = *parsed;
    }
    return faults;
}

bool FaultInjector::happens(double chance) {
    return chance > 0 && std::uniform_real_distribution<double>(0, 1)(random_) < chance;
}

void FaultInjector::appendSplit(std::vector<TimedBytes>& out, TimedBytes answer) {
    const std::size_t pieces = std::uniform_int_distribution<std::size_t>(2, 4)(random_);
    const std::size_t size = answer.bytes.size();
    std::size_t start = 0;
    for (std::size_t piece = 1; piece <= pieces && start < size; ++piece) {
        const std::size_t end = piece == pieces ? size : size * piece / pieces;
        if (end == start) continue;
        out.push_back({answer.after + kGapBetweenPieces * static_cast<int>(piece - 1),
                       {answer.bytes.begin() + static_cast<long>(start),
                        answer.bytes.begin() + static_cast<long>(end)}});
        start = end;
    }
}

std::vector<TimedBytes> FaultInjector::apply(std::vector<TimedBytes> answers) {
    std::vector<TimedBytes> out;
    for (TimedBytes& answer : answers) {
        if (answer.bytes.empty() || happens(faults_.drop)) continue;
        if (happens(faults_.corrupt)) answer.bytes.back() ^= kCorruption;
        if (happens(faults_.noise)) {
            const int count = std::uniform_int_distribution<int>(1, 3)(random_);
            std::uniform_int_distribution<int> byte(0, 255);
            for (int i = 0; i < count; ++i) {
                answer.bytes.insert(answer.bytes.begin(), static_cast<std::uint8_t>(byte(random_)));
            }
        }
        if (happens(faults_.delay)) answer.after += kLateBy;
        if (happens(faults_.split)) {
            appendSplit(out, std::move(answer));
        } else {
            out.push_back(std::move(answer));
        }
    }
    return out;
}

}  // namespace rvxmod::sim
