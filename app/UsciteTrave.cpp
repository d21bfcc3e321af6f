#include "app/UsciteTrave.h"

#include "app/RisultatiJson.h"
#include "calcolo/Calcolo.h"
#include "drawing/core/DisegnoCad.h"
#include "drawing/core/ErroreDisegno.h"
#include "outputs/Relazione.h"
#include "outputs/UsciteDiagrammi.h"
#include "support/ErroreFile.h"
#include "support/Errori.h"
#include "ui/RelazionePdf.h"
#include "ui/StampaPdf.h"

#include <QJsonDocument>
#include <system_error>
#include <utility>

namespace vc {

bool PreparaUscite(const UsciteTrave& u, const Velcora& trave, const Impostazioni& imp, const Separatori& sep,
                   Messaggi& msg, std::vector<FileDaScrivere>& file) {
    const auto aggiunge = [&file](const std::optional<std::filesystem::path>& dove, const auto& produce) {
        if (!dove) return true;
        std::optional<std::string> contenuto = produce(*dove);
        if (!contenuto) return false;
        file.push_back({*dove, std::move(*contenuto)});
        return true;
    };
    const auto cad = [&](auto disegna) {
        return [&, disegna](const std::filesystem::path&) -> std::optional<std::string> {
            DisegnoCad disegno;
            disegna(trave, imp, sep, disegno, msg);
            return disegno.TestoDxf();
        };
    };
    try {
        return aggiunge(u.Txt, [&](const auto&) -> std::optional<std::string> {
                   return ContenutoRelazioneSuFile(trave, imp, sep);
               }) &&
               aggiunge(u.Json, [&](const auto&) -> std::optional<std::string> {
                   return QJsonDocument(RisultatiJson(trave)).toJson(QJsonDocument::Indented).toStdString();
               }) &&
               aggiunge(u.Dxf, [&](const auto&) -> std::optional<std::string> {
                   return TestoDiagrammiDxf(trave, imp, sep, msg);
               }) &&
               aggiunge(u.Dwg, cad(DisegnaDiagrammiInCad)) && aggiunge(u.Blocco, cad(EsportaBloccoDiagrammi)) &&
               aggiunge(u.Pdf, [&](const auto& f) { return DocumentoDiagrammiPdf(f, trave, imp, sep, msg); }) &&
               aggiunge(u.Relazione, [&](const auto& f) {
                   return DocumentoRelazionePdf(f, RelazioneDiOggi(trave, imp, sep, msg), msg);
               });
    } catch (const ErroreDisegno& e) {
        msg.Mostra(e.what(), Icona::Errore);
        return false;
    } catch (const ErroreCalcolo& e) { // a result without a text
        ErroreNeiDati(msg, e.what(), CampoDati::Nessuno);
        return false;
    }
}

bool ScriveInsieme(const std::vector<FileDaScrivere>& file, Messaggi& msg) {
    std::error_code ec;
    std::filesystem::path fallito;
    if (ScriveFileAtomici(file, ec, &fallito)) return true;
    msg.Mostra(ErroreFile("Scrittura incompleta del file", fallito, ec).Testo(), Icona::Nessuna);
    return false;
}

bool ScriveUscite(const UsciteTrave& u, const Velcora& trave, const Impostazioni& imp, const Separatori& sep,
                  Messaggi& msg) {
    std::vector<FileDaScrivere> file;
    return PreparaUscite(u, trave, imp, sep, msg, file) && ScriveInsieme(file, msg);
}

} // namespace vc
