#include "engine/RisultatiCalcolo.h"

#include <algorithm>
#include <new>

namespace vc {

namespace {
float* Zeri(std::size_t quanti) {
    if (quanti == 0) return nullptr;
    auto* p = static_cast<float*>(std::calloc(quanti, sizeof(float)));
    if (!p) throw std::bad_alloc();
    return p;
}
} // namespace

MomentiAppoggi::MomentiAppoggi(int nCondizioni)
    : n_(nCondizioni), valori_(Zeri(Valori())),
      nonNulli_(static_cast<std::size_t>(nCondizioni), Intervallo{nCondizioni + 1, 0}) {}

MomentiAppoggi::MomentiAppoggi(const MomentiAppoggi& altra)
    : n_(altra.n_), valori_(Zeri(Valori())), nonNulli_(altra.nonNulli_) {
    std::copy_n(altra.valori_.get(), Valori(), valori_.get());
}

MomentiAppoggi& MomentiAppoggi::operator=(const MomentiAppoggi& altra) {
    if (this != &altra) *this = MomentiAppoggi(altra);
    return *this;
}

} // namespace vc
