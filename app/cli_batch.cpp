#include "app/cli_batch.h"

#include <algorithm>
#include <atomic>
#include <thread>

namespace phonikon {
namespace {

// Files per block: large enough to keep the cores busy, small enough that a batch of any size
// holds only one block of results at a time.
constexpr std::size_t kBlock = 256;

}  // namespace

void StapelVerarbeiten(
    const std::vector<std::string>& dateien,
    const std::function<Stapelergebnis(const std::string&)>& bearbeite,
    const std::function<void(const std::string&, const Stapelergebnis&)>& weiter) {
    const unsigned kerne = std::max(1u, std::min(8u, std::thread::hardware_concurrency()));
    std::vector<Stapelergebnis> ergebnisse;
    for (std::size_t anfang = 0; anfang < dateien.size(); anfang += kBlock) {
        const std::size_t ende = std::min(dateien.size(), anfang + kBlock);
        ergebnisse.assign(ende - anfang, {});
        std::atomic<std::size_t> naechste{anfang};
        auto arbeiten = [&] {
            for (std::size_t i = naechste++; i < ende; i = naechste++)
                ergebnisse[i - anfang] = bearbeite(dateien[i]);
        };
        const unsigned helfer = std::min<std::size_t>(kerne, ende - anfang) - 1;
        std::vector<std::thread> threads;
        threads.reserve(helfer);
        for (unsigned t = 0; t < helfer; ++t) threads.emplace_back(arbeiten);
        arbeiten();
        for (auto& t : threads) t.join();
        for (std::size_t i = anfang; i < ende; ++i) weiter(dateien[i], ergebnisse[i - anfang]);
    }
}

}  // namespace phonikon
