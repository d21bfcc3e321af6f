// Every input the reader has been fuzzed with (the examples among them), read again: no
// crash, no message other than the program's, and what reads whole writes back stably.

#include "AiutoFile.h"
#include "files/FileDati.h"

#include <gtest/gtest.h>

namespace vc::test {
namespace {

bool MessaggioAmmesso(const std::string& t) {
    return t == "Lettura incompleta del file" || t == "Lettura incompleta del File" ||
           t == "Lettura incompleta del file in FileInOutMat";
}

TEST(Corpus, OgniIngressoSiLeggeSenzaDanni) {
    const auto file = FileIn(CartellaCorpus());
    EXPECT_FALSE(file.empty());
    std::size_t completi = 0;
    for (const auto& p : file) {
        SCOPED_TRACE(p.filename().string());
        Velcora t;
        Impostazioni imp;
        MessaggiRegistrati msg;
        const EsitoFile esito = Carica(LeggeByte(p), t, imp, msg);
        for (const auto& v : msg.Voci)
            EXPECT_TRUE(MessaggioAmmesso(v.Testo)) << v.Testo;
        if (esito == EsitoFile::Completo) {
            ++completi;
            EXPECT_TRUE(msg.Voci.empty());
            // What was read writes back, reads again and writes the same bytes: the written
            // form is stable even when the input had more digits than a file keeps.
            const std::string scritto = Salva(t, imp, msg);
            Velcora t2;
            Impostazioni i2;
            EXPECT_EQ(Carica(scritto, t2, i2, msg), EsitoFile::Completo);
            EXPECT_EQ(Salva(t2, i2, msg), scritto);
            EXPECT_TRUE(msg.Voci.empty());
        } else {
            EXPECT_FALSE(msg.Voci.empty());
        }
    }
    RecordProperty("completi", static_cast<int>(completi));
}

} // namespace
} // namespace vc::test
