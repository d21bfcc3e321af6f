#pragma once
// Many beams in one run of the command line: the jobs run on every core, each with a message
// sink of its own, and what they said comes back in the order of the input, whatever order the
// threads finished in.

#include "support/Messaggi.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace vc {

struct EsitoLavoro {
    bool Riuscito = false;
    bool ErroreInterno = false;        // the job ended on a programming error
    std::vector<std::string> Messaggi; // the texts the job showed, in order
};

// Runs lavoro(k, msg) for k = 0 .. quanti - 1 on `fili` threads (0: one per core, never more
// than the jobs). Questions get the answer given. A job that throws has met a programming
// error: it has failed, with the internal error as its last message, and the others go on.
using Lavoro = std::function<bool(std::size_t k, Messaggi& msg)>;
std::vector<EsitoLavoro> EsegueInParallelo(std::size_t quanti, const Lavoro& lavoro, bool risposta,
                                           unsigned fili = 0);

} // namespace vc
