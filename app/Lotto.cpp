#include "app/Lotto.h"

#include "support/ErroreInterno.h"

#include <algorithm>
#include <atomic>
#include <thread>

namespace vc {

namespace {

class MessaggiDelLavoro final : public Messaggi {
  public:
    MessaggiDelLavoro(std::vector<std::string>& testi, bool risposta) : testi_(testi), risposta_(risposta) {}
    void Mostra(const std::string& testo, Icona, const std::string& = {}) override {
        testi_.push_back(testo);
    }
    bool ChiediSiNo(const std::string& testo, Icona, const std::string& = {}) override {
        testi_.push_back(testo + (risposta_ ? "\n-> Sì" : "\n-> No"));
        return risposta_;
    }

  private:
    std::vector<std::string>& testi_;
    bool risposta_;
};

} // namespace

std::vector<EsitoLavoro> EsegueInParallelo(std::size_t quanti, const Lavoro& lavoro, bool risposta,
                                           unsigned fili) {
    std::vector<EsitoLavoro> esiti(quanti);
    if (fili == 0) fili = std::max(1u, std::thread::hardware_concurrency());
    fili = static_cast<unsigned>(std::min<std::size_t>(fili, quanti));
    std::atomic<std::size_t> prossimo{0};
    const auto esegue = [&] {
        for (std::size_t k; (k = prossimo.fetch_add(1)) < quanti;) {
            EsitoLavoro& e = esiti[k];
            MessaggiDelLavoro msg(e.Messaggi, risposta);
            try {
                e.Riuscito = lavoro(k, msg);
            } catch (...) { // a fault of the program, not of this beam: told as the top level does
                e.Riuscito = false;
                e.ErroreInterno = true;
                e.Messaggi.push_back(TestoErroreInterno(DescriveEccezioneCorrente()));
            }
        }
    };
    {
        std::vector<std::jthread> pool;
        for (unsigned f = 0; f < fili; ++f)
            pool.emplace_back(esegue);
    }
    return esiti;
}

} // namespace vc
