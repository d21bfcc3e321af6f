#include "ui/ServiziFinestra.h"

#include "ui/StampanteQt.h"

#include <QDesktopServices>
#include <QProcess>
#include <QFileDialog>
#include <QStringList>
#include <QUrl>

namespace vc {

namespace fs = std::filesystem;

QStringList FiltriQt(const std::string& filtro) {
    const QStringList parti = QString::fromStdString(filtro).split(QLatin1Char('|'));
    QStringList filtri;
    for (qsizetype i = 0; i + 1 < parti.size(); i += 2) {
        QString descrizione = parti[i];
        QString schema = parti[i + 1];
        if (schema == QLatin1String("*.*")) schema = QStringLiteral("*");
        // The description names its pattern in brackets; Qt reads the pattern from there.
        if (const qsizetype aperta = descrizione.lastIndexOf(QLatin1Char('(')); aperta > 0)
            descrizione = descrizione.left(aperta).trimmed();
        filtri << descrizione + QStringLiteral(" (") + schema.replace(QLatin1Char(';'), QLatin1Char(' ')) +
                      QLatin1Char(')');
    }
    return filtri;
}

namespace {

void Prepara(QFileDialog& d, const RichiestaDialogo& r) {
    const QStringList filtri = FiltriQt(r.Filtro);
    d.setNameFilters(filtri);
    if (r.IndiceFiltro >= 1 && r.IndiceFiltro <= filtri.size()) d.selectNameFilter(filtri[r.IndiceFiltro - 1]);
    if (!r.Cartella.empty()) d.setDirectory(QString::fromStdString(r.Cartella.string()));
    if (!r.EstensionePredefinita.empty()) d.setDefaultSuffix(QString::fromStdString(r.EstensionePredefinita));
    // "*.vlr" in the name box would be read as a name: only a real name is proposed.
    if (!r.NomeFile.empty() && r.NomeFile.front() != '*') d.selectFile(QString::fromStdString(r.NomeFile));
}

std::optional<fs::path> Scelta(QFileDialog& d) {
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return std::nullopt;
    return fs::path(d.selectedFiles().constFirst().toStdString());
}

} // namespace

std::optional<fs::path> DialoghiFileQt::Apri(const RichiestaDialogo& richiesta) {
    QFileDialog d(genitore_, QStringLiteral("Apri"));
    d.setAcceptMode(QFileDialog::AcceptOpen);
    d.setFileMode(QFileDialog::ExistingFile);
    Prepara(d, richiesta);
    return Scelta(d);
}

std::optional<fs::path> DialoghiFileQt::Salva(const RichiestaDialogo& richiesta) {
    QFileDialog d(genitore_, QStringLiteral("Salva con nome"));
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setFileMode(QFileDialog::AnyFile);
    if (!richiesta.ChiediSovrascrittura) d.setOption(QFileDialog::DontConfirmOverwrite);
    Prepara(d, richiesta);
    return Scelta(d);
}

std::unique_ptr<Stampante> ServiziQt::NuovaStampante() {
    return std::make_unique<StampanteQt>(genitore_);
}

bool ServiziQt::ApreDocumento(const fs::path& percorso) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(percorso.string())));
}

bool ServiziQt::ApreDisegnoCad(const fs::path& percorso) {
    QStringList comando = QProcess::splitCommand(qEnvironmentVariable("VELCORA_CAD"));
    if (comando.isEmpty()) return ApreDocumento(percorso);
    const QString programma = comando.takeFirst();
    comando << QString::fromStdString(percorso.string());
    return QProcess::startDetached(programma, comando);
}

} // namespace vc
