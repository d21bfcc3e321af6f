#include "files/Record.h"

#include "files/Codifica1252.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <ostream>

namespace vc {

namespace {

constexpr const char* LetturaIncompleta = "Lettura incompleta del file";
constexpr const char* ScritturaIncompleta = "Scrittura incompleta del file";
constexpr const char* FineRiga = "\r\n";

bool ModoValido(Modo modo) {
    return modo == Modo::Lettura || modo == Modo::Scrittura;
}

bool SeparatoreRiga(char c) {
    return c == '\r' || c == '\n';
}
bool Spazio(char c) {
    return c == ' ' || c == '\t';
}

std::string_view TagliaSpazi(std::string_view s) {
    while (!s.empty() && Spazio(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && Spazio(s.back()))
        s.remove_suffix(1);
    return s;
}

// Numbers are written with the given number of significant digits, like printf's %G but
// independent of the C locale; "-0" is written "0".
template <typename T> std::string TestoReale(T x, int cifre) {
    if (x == T(0)) return "0";
    std::array<char, 64> buf{};
    const auto [fine, ec] =
        std::to_chars(buf.data(), buf.data() + buf.size(), x, std::chars_format::general, cifre);
    if (ec != std::errc{}) return "0";
    std::string s(buf.data(), fine);
    for (char& c : s)
        if (c == 'e') c = 'E';
    return s;
}

// A string field on disk: quoted, no quote inside, Windows-1252.
std::string TestoStringa(std::string_view s) {
    std::string pulito(s);
    for (char& c : pulito)
        if (c == '"') c = '\'';
    return '"' + Utf8A1252(pulito) + '"';
}

// Converts every field of the record first and stores them only when all are good, so that a
// record is either read whole or not at all.
bool LeggeRecord(FileTesto& file, Campi lista) {
    std::vector<std::string> campi;
    campi.reserve(lista.size());
    for (const Rif& r : lista) {
        auto campo = file.LeggeCampo();
        if (!campo || !r.Convertibile(*campo)) return false;
        campi.push_back(std::move(*campo));
    }
    for (std::size_t i = 0; i < lista.size(); ++i)
        lista[i].Assegna(campi[i]);
    return true;
}

// The line of a record, or nothing when one of its values has no encoding.
std::optional<std::string> RigaRecord(Campi lista) {
    std::string riga;
    for (std::size_t i = 0; i < lista.size(); ++i) {
        const auto t = lista[i].Testo();
        if (!t) return std::nullopt;
        riga += *t;
        riga += i + 1 < lista.size() ? "," : FineRiga;
    }
    return riga;
}

void ScriveRecord(FileTesto& file, Campi lista, Messaggi& msg, const char* messaggio) {
    if (!file.Aperto()) return; // an earlier failure has been told already
    const auto riga = RigaRecord(lista);
    if (!riga || !file.Scrive(*riga)) {
        file.Chiudi();
        msg.Mostra(messaggio, Icona::Nessuna);
    }
}

[[noreturn]] void FallisceLettura(FileTesto& file, Messaggi& msg, const char* messaggio) {
    file.Chiudi();
    msg.Mostra(messaggio, Icona::Nessuna);
    throw RecordInterrotto(RecordInterrotto::Motivo::Lettura, messaggio);
}

void RecordCondizionato(Modo modo, FileTesto& file, std::string_view versioneFile,
                        std::string_view versioneMinima, Campi lista, Messaggi& msg, const char* nome,
                        bool fermaSeVecchio) {
    if (!ModoValido(modo)) {
        msg.Mostra(std::string("Errore nella Sub ") + nome, Icona::Nessuna);
        return;
    }
    if (modo == Modo::Scrittura) {
        ScriveRecord(file, lista, msg, ScritturaIncompleta);
        return;
    }
    if (!VersioneAlmeno(versioneFile, versioneMinima)) {
        if (!fermaSeVecchio) return;
        file.Chiudi();
        throw RecordInterrotto(RecordInterrotto::Motivo::FileTroppoVecchio,
                               "Il file è più vecchio della versione " + std::string(versioneMinima));
    }
    if (!LeggeRecord(file, lista)) FallisceLettura(file, msg, LetturaIncompleta);
}

std::string MarcatoreInACapo(std::string_view voce) {
    std::string out;
    out.reserve(voce.size());
    for (std::size_t i = 0; i < voce.size(); ++i) {
        if (voce[i] == '\x01' && i + 1 < voce.size() && voce[i + 1] == '\x01') {
            out += FineRiga;
            ++i;
        } else {
            out += voce[i];
        }
    }
    return out;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// FileTesto

FileTesto FileTesto::PerLettura(std::string contenuto) {
    FileTesto f;
    f.testo_ = std::move(contenuto);
    return f;
}

FileTesto FileTesto::PerScrittura(std::ostream& uscita) {
    FileTesto f;
    f.uscita_ = &uscita;
    return f;
}

void FileTesto::SaltaFineRiga() {
    if (pos_ < testo_.size() && testo_[pos_] == '\r') ++pos_;
    if (pos_ < testo_.size() && testo_[pos_] == '\n') ++pos_;
}

std::optional<std::string> FileTesto::LeggeCampo() {
    if (!aperto_ || !InLettura()) return std::nullopt;
    while (pos_ < testo_.size() && (Spazio(testo_[pos_]) || SeparatoreRiga(testo_[pos_])))
        ++pos_;
    if (pos_ >= testo_.size()) return std::nullopt;

    std::string campo;
    if (testo_[pos_] == '"') {
        const auto chiusa = testo_.find('"', pos_ + 1);
        if (chiusa == std::string::npos) return std::nullopt;
        campo = Da1252AUtf8(std::string_view(testo_).substr(pos_ + 1, chiusa - pos_ - 1));
        pos_ = chiusa + 1;
        // Anything between the closing quote and the separator is not part of the field.
        while (pos_ < testo_.size() && testo_[pos_] != ',' && !SeparatoreRiga(testo_[pos_]))
            ++pos_;
    } else {
        const auto inizio = pos_;
        while (pos_ < testo_.size() && testo_[pos_] != ',' && !SeparatoreRiga(testo_[pos_]))
            ++pos_;
        campo = Da1252AUtf8(TagliaSpazi(std::string_view(testo_).substr(inizio, pos_ - inizio)));
    }
    fineRiga_ = pos_ >= testo_.size() || testo_[pos_] != ',';
    if (pos_ < testo_.size()) {
        if (testo_[pos_] == ',')
            ++pos_;
        else
            SaltaFineRiga();
    }
    return campo;
}

std::optional<std::string> FileTesto::LeggeRiga() {
    if (!aperto_ || !InLettura() || pos_ >= testo_.size()) return std::nullopt;
    const auto inizio = pos_;
    while (pos_ < testo_.size() && !SeparatoreRiga(testo_[pos_]))
        ++pos_;
    std::string riga = testo_.substr(inizio, pos_ - inizio);
    SaltaFineRiga();
    return riga;
}

bool FileTesto::Scrive(std::string_view testo) {
    if (!aperto_ || InLettura()) return false;
    uscita_->write(testo.data(), static_cast<std::streamsize>(testo.size()));
    if (!*uscita_) {
        aperto_ = false;
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------------------------
// Field encodings

std::string TestoCampo(float x) {
    return TestoReale(x, 7);
}
std::string TestoCampo(double x) {
    return TestoReale(x, 15);
}
std::string TestoIntero(int x) {
    return std::to_string(x);
}

namespace {

// The mantissa at the start of s: digits with at most one point, copied into `normale`; the
// number of digits it has.
int LeggeMantissa(std::string_view s, std::size_t& i, std::string& normale) {
    int cifre = 0;
    bool punto = false;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (std::isdigit(static_cast<unsigned char>(c))) {
            ++cifre;
        } else if (c == '.' && !punto) {
            punto = true;
        } else {
            break;
        }
        normale += c;
    }
    return cifre;
}

// The exponent from i to the end of s ("E", "e", "D" or "d", an optional sign, digits), copied
// into `normale`; false when the rest of s is not one.
bool LeggeEsponente(std::string_view s, std::size_t i, std::string& normale) {
    const char e = s[i];
    if (e != 'e' && e != 'E' && e != 'd' && e != 'D') return false;
    normale += 'e';
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) normale += s[i++];
    const auto inizioEsponente = i;
    for (; i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])); ++i)
        normale += s[i];
    return i != inizioEsponente && i == s.size();
}

} // namespace

std::optional<double> NumeroDaTesto(std::string_view campo) {
    std::string_view s = TagliaSpazi(campo);
    bool negativo = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negativo = s.front() == '-';
        s.remove_prefix(1);
    }
    std::string normale;
    std::size_t i = 0;
    if (LeggeMantissa(s, i, normale) == 0) return std::nullopt;
    if (i < s.size() && !LeggeEsponente(s, i, normale)) return std::nullopt;
    double valore = 0;
    const auto [fine, ec] = std::from_chars(normale.data(), normale.data() + normale.size(), valore);
    if (ec != std::errc{} || fine != normale.data() + normale.size() || !std::isfinite(valore))
        return std::nullopt;
    return negativo ? -valore : valore;
}

// ---------------------------------------------------------------------------------------------
// Rif

namespace {

std::optional<int> InteroDaTesto(std::string_view campo) {
    const auto x = NumeroDaTesto(campo);
    if (!x) return std::nullopt;
    // A real number is rounded to the nearest integer, halves to the even one.
    const double r = std::nearbyint(*x);
    if (r < std::numeric_limits<std::int16_t>::min() || r > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<int>(r);
}

std::optional<float> SingoloDaTesto(std::string_view campo) {
    const auto x = NumeroDaTesto(campo);
    if (!x || std::fabs(*x) > static_cast<double>(std::numeric_limits<float>::max())) return std::nullopt;
    return static_cast<float>(*x);
}

std::optional<bool> BooleanoDaTesto(std::string_view campo) {
    const auto s = TagliaSpazi(campo);
    if (s == "#TRUE#") return true;
    if (s == "#FALSE#") return false;
    return std::nullopt;
}

bool InteroSedici(int v) {
    return v >= std::numeric_limits<std::int16_t>::min() && v <= std::numeric_limits<std::int16_t>::max();
}

} // namespace

std::optional<std::string> Rif::Testo() const {
    if (auto p = std::get_if<int*>(&p_)) {
        if (!InteroSedici(**p)) return std::nullopt;
        return TestoIntero(**p);
    }
    if (auto p = std::get_if<float*>(&p_)) {
        if (!std::isfinite(**p)) return std::nullopt;
        return TestoCampo(**p);
    }
    if (auto p = std::get_if<double*>(&p_)) {
        if (!std::isfinite(**p)) return std::nullopt;
        return TestoCampo(**p);
    }
    if (auto p = std::get_if<bool*>(&p_)) return std::string(**p ? "#TRUE#" : "#FALSE#");
    return TestoStringa(*std::get<std::string*>(p_));
}

bool Rif::Convertibile(std::string_view campo) const {
    if (std::holds_alternative<int*>(p_)) return InteroDaTesto(campo).has_value();
    if (std::holds_alternative<float*>(p_)) return SingoloDaTesto(campo).has_value();
    if (std::holds_alternative<double*>(p_)) return NumeroDaTesto(campo).has_value();
    if (std::holds_alternative<bool*>(p_)) return BooleanoDaTesto(campo).has_value();
    return true;
}

bool Rif::Assegna(std::string_view campo) const {
    if (auto p = std::get_if<int*>(&p_)) {
        const auto v = InteroDaTesto(campo);
        if (v) **p = *v;
        return v.has_value();
    }
    if (auto p = std::get_if<float*>(&p_)) {
        const auto v = SingoloDaTesto(campo);
        if (v) **p = *v;
        return v.has_value();
    }
    if (auto p = std::get_if<double*>(&p_)) {
        const auto v = NumeroDaTesto(campo);
        if (v) **p = *v;
        return v.has_value();
    }
    if (auto p = std::get_if<bool*>(&p_)) {
        const auto v = BooleanoDaTesto(campo);
        if (v) **p = *v;
        return v.has_value();
    }
    // LeggeCampo has already turned the bytes of the file into UTF-8.
    *std::get<std::string*>(p_) = std::string(campo);
    return true;
}

// ---------------------------------------------------------------------------------------------
// Primitives

void FileInOut(Modo modo, FileTesto& file, Campi lista, Messaggi& msg) {
    if (!ModoValido(modo)) {
        msg.Mostra("Errore nella Sub FileInOut", Icona::Nessuna);
        return;
    }
    if (modo == Modo::Scrittura) {
        ScriveRecord(file, lista, msg, ScritturaIncompleta);
        return;
    }
    if (!LeggeRecord(file, lista)) FallisceLettura(file, msg, LetturaIncompleta);
}

void FileInOutCond(Modo modo, FileTesto& file, std::string_view versioneFile, std::string_view versioneMinima,
                   Campi lista, Messaggi& msg) {
    RecordCondizionato(modo, file, versioneFile, versioneMinima, lista, msg, "FileInOutCond", true);
}

void FileInOutCondNoMsg(Modo modo, FileTesto& file, std::string_view versioneFile,
                        std::string_view versioneMinima, Campi lista, Messaggi& msg) {
    RecordCondizionato(modo, file, versioneFile, versioneMinima, lista, msg, "FileInOutCondNoMsg", false);
}

void FileInOutMat(Modo modo, FileTesto& file, std::span<double> elementi, std::size_t colonne,
                  Messaggi& msg) {
    if (!ModoValido(modo) || colonne == 0 || elementi.size() % colonne != 0) {
        msg.Mostra("Errore nella Sub FileInOutMat", Icona::Nessuna);
        return;
    }
    std::vector<Rif> lista(elementi.begin(), elementi.end());
    if (modo == Modo::Lettura) {
        if (!LeggeRecord(file, lista))
            FallisceLettura(file, msg, "Lettura incompleta del file in FileInOutMat");
        return;
    }
    for (std::size_t r = 0; r < lista.size(); r += colonne)
        ScriveRecord(file, Campi(lista).subspan(r, colonne), msg,
                     "Scrittura incompleta del file in FileInOutMat");
}

std::string ACapoInMarcatore(std::string_view testo) {
    std::string out;
    out.reserve(testo.size());
    for (std::size_t i = 0; i < testo.size(); ++i) {
        const char c = testo[i];
        if (c == '\r' || c == '\n') {
            out += "\x01\x01";
            if (c == '\r' && i + 1 < testo.size() && testo[i + 1] == '\n') ++i;
        } else {
            out += c;
        }
    }
    return out;
}

namespace {

// The item at the front of resto, which is shortened past it without copying the rest, so that
// a long header line costs time in proportion to its length.
std::optional<std::string> VoceVirgolettata(std::string_view& resto) {
    const auto chiusa = resto.find('"', 1);
    if (resto.empty() || chiusa == std::string_view::npos) return std::nullopt;
    auto voce = MarcatoreInACapo(resto.substr(1, chiusa - 1));
    resto.remove_prefix(std::min(resto.size(), chiusa + 2));
    return voce;
}

} // namespace

std::optional<std::string> EstraeVoceVirgolettata(std::string& resto) {
    std::string_view vista(resto);
    auto voce = VoceVirgolettata(vista);
    if (voce) resto = std::string(vista);
    return voce;
}

void FileInOutStringColl(Modo modo, FileTesto& file, std::vector<std::string>& lista, Messaggi& msg) {
    if (!ModoValido(modo)) {
        msg.Mostra("Errore nella Sub FileInOutStringColl", Icona::Nessuna);
        return;
    }
    if (modo == Modo::Scrittura) {
        std::string riga;
        for (std::size_t i = 0; i < lista.size(); ++i) {
            riga += TestoStringa(ACapoInMarcatore(lista[i]));
            riga += i + 1 < lista.size() ? "," : FineRiga;
        }
        if (lista.empty()) riga = FineRiga;
        if (!file.Scrive(riga)) {
            file.Chiudi();
            throw RecordInterrotto(RecordInterrotto::Motivo::Scrittura, "FileInOutStringColl");
        }
        return;
    }
    const auto riga = file.LeggeRiga();
    if (!riga) throw RecordInterrotto(RecordInterrotto::Motivo::Lettura, "FileInOutStringColl");
    const std::string testo = Da1252AUtf8(*riga);
    lista.clear();
    if (testo.empty() || testo.front() != '"') {
        lista.push_back(MarcatoreInACapo(testo));
        return;
    }
    std::string_view resto = testo;
    while (!resto.empty()) {
        auto voce = VoceVirgolettata(resto);
        if (!voce) throw RecordInterrotto(RecordInterrotto::Motivo::Lettura, "FileInOutStringColl");
        lista.push_back(std::move(*voce));
    }
}

void FileInOutVersione(Modo modo, FileTesto& file, std::string& titolo, std::string& versione,
                       Messaggi& msg) {
    std::vector<std::string> voci;
    if (modo == Modo::Scrittura) voci = {titolo, versione};
    FileInOutStringColl(modo, file, voci, msg);
    if (modo != Modo::Lettura) return;
    titolo = voci.empty() ? std::string() : voci[0];
    versione = voci.size() > 1 ? voci[1] : "0";
}

} // namespace vc
