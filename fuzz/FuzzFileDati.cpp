// libFuzzer target for the data file reader: any bytes are read into a fresh beam. The reader
// must not crash, must speak only through the program's messages, must not keep a value the
// beam cannot hold (a code outside its kind, a number that is not finite), and a file it reads
// whole must write back to a form that reads again to the same bytes.

#include "engine/Impostazioni.h"
#include "engine/Velcora.h"
#include "files/FileDati.h"
#include "files/Record.h"
#include "support/Messaggi.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

class MessaggiControllati final : public vc::Messaggi {
  public:
    int Numero = 0;
    void Mostra(const std::string& testo, vc::Icona, const std::string&) override {
        ++Numero;
        if (testo != "Lettura incompleta del file" && testo != "Lettura incompleta del File" &&
            testo != "Lettura incompleta del file in FileInOutMat")
            std::abort();
    }
    bool ChiediSiNo(const std::string&, vc::Icona, const std::string&) override { std::abort(); }
};

void Verifica(bool condizione) {
    if (!condizione) std::abort();
}

std::string Scrive(vc::Velcora& trave, vc::Impostazioni& imp) {
    MessaggiControllati msg;
    std::ostringstream out;
    vc::FileTesto file = vc::FileTesto::PerScrittura(out);
    Verifica(vc::FileLeggeScrive(vc::Modo::Scrittura, file, trave, imp, msg) == vc::EsitoFile::Completo);
    Verifica(msg.Numero == 0);
    return out.str();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t dimensione) {
    vc::Velcora trave;
    vc::Impostazioni imp;
    MessaggiControllati msg;
    vc::FileTesto file =
        vc::FileTesto::PerLettura(std::string(reinterpret_cast<const char*>(dati), dimensione));
    const vc::EsitoFile esito = vc::FileLeggeScrive(vc::Modo::Lettura, file, trave, imp, msg);

    // Whatever happened, the beam holds only what it can hold.
    Verifica(trave.nCampate() >= 0 && trave.nSezioni() >= 0);
    Verifica(trave.VincoloSinistro >= -1 && trave.VincoloSinistro <= 3);
    Verifica(trave.VincoloDestro >= -1 && trave.VincoloDestro <= 3);
    Verifica(imp.ClasseCls >= 0 && imp.ClasseCls <= 12);
    Verifica(imp.StatoLimite == 0 || imp.StatoLimite == 1);
    // Loads inconsistent with the beam are kept for the user to correct, but never a number
    // that is not finite.
    for (const auto& tabella : {trave.TabForze(), trave.TabCoppie()})
        for (const auto& r : tabella)
            for (float v : r)
                Verifica(std::isfinite(v));
    (void)vc::MenuDecalageDaFile(trave.Decala, trave.Copriferro, ',');

    if (esito != vc::EsitoFile::Completo) {
        Verifica(msg.Numero > 0);
        return 0;
    }
    Verifica(msg.Numero == 0);
    const std::string scritto = Scrive(trave, imp);
    vc::Velcora riletta;
    vc::Impostazioni impRiletta;
    MessaggiControllati msg2;
    vc::FileTesto file2 = vc::FileTesto::PerLettura(scritto);
    Verifica(vc::FileLeggeScrive(vc::Modo::Lettura, file2, riletta, impRiletta, msg2) ==
             vc::EsitoFile::Completo);
    Verifica(Scrive(riletta, impRiletta) == scritto);
    return 0;
}
