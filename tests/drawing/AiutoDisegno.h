#pragma once
// What the drawing tests share: a device that records what it receives, a temporary folder,
// file reading, and the ezdxf reader run as an independent check of the DXF files.

#include "drawing/core/Dispositivo.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace vc::prova {

// One element as a device received it.
struct Elemento {
    std::string Tipo; // "Linea", "Arco", "Polilinea", "Testo", "Spessore", "Scala"
    std::vector<Punto> Punti;
    double Valore = 0; // radius, text height, line width
    double a1 = 0, a2 = 0;
    std::string Testo;
    int Colore = 0;
    Allineamento Allinea = Allineamento::Sinistra;
};

// A device of any kind that records the primitives it receives. As a screen device it has a
// default area (left, top, width, height) and records the user coordinates set on it; Solido
// keeps the default of the interface unless registraSolido is set.
class Registratore : public Dispositivo {
  public:
    explicit Registratore(Uscita tipo, std::optional<ScalaDispositivo> area = std::nullopt)
        : tipo_(tipo), area_(area) {}

    Uscita Tipo() const override { return tipo_; }
    void ImpostaSpessore(double s) override { Elementi.push_back({"Spessore", {}, s, 0, 0, {}, 0}); }
    void Linea(const Punto& a, const Punto& b, int c) override {
        Elementi.push_back({"Linea", {a, b}, 0, 0, 0, {}, c});
    }
    void Arco(const Punto& centro, double r, double a1, double a2, int c) override {
        Elementi.push_back({"Arco", {centro}, r, a1, a2, {}, c});
    }
    void Polilinea(std::span<const Punto> v, int c) override {
        Elementi.push_back({"Polilinea", {v.begin(), v.end()}, 0, 0, 0, {}, c});
    }
    void Testo(const Punto& p, double h, std::string_view t, int c, Allineamento a) override {
        Elementi.push_back({"Testo", {p}, h, 0, 0, std::string(t), c, a});
    }
    void Solido(std::span<const Punto> v, int c) override {
        if (registraSolido)
            Elementi.push_back({"Solido", {v.begin(), v.end()}, 0, 0, 0, {}, c});
        else
            Dispositivo::Solido(v, c);
    }
    bool AbbassaTesto() const override { return tipo_ == Uscita::Dxf || tipo_ == Uscita::Dwg; }
    bool MostraLegenda() const override { return tipo_ == Uscita::Dxf || tipo_ == Uscita::Dwg; }
    std::optional<ScalaDispositivo> AreaPredefinita() override {
        ++richiesteArea;
        return area_;
    }
    void ImpostaScalaUtente(const ScalaDispositivo& s) override { Scale.push_back(s); }

    std::size_t Conta(const std::string& tipo) const {
        std::size_t n = 0;
        for (const auto& e : Elementi)
            n += e.Tipo == tipo;
        return n;
    }

    std::vector<Elemento> Elementi;
    std::vector<ScalaDispositivo> Scale;
    int richiesteArea = 0;
    bool registraSolido = false;

  private:
    Uscita tipo_;
    std::optional<ScalaDispositivo> area_;
};

// A new empty folder, removed with everything in it at the end of the test.
class CartellaTemporanea {
  public:
    CartellaTemporanea() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        percorso_ = std::filesystem::temp_directory_path() /
                    ("velcora_disegno_" + std::string(info ? info->name() : "prova") + "_" +
                     std::to_string(reinterpret_cast<std::uintptr_t>(this)));
        std::filesystem::remove_all(percorso_);
        std::filesystem::create_directories(percorso_);
    }
    ~CartellaTemporanea() {
        std::error_code ec;
        std::filesystem::remove_all(percorso_, ec);
    }
    CartellaTemporanea(const CartellaTemporanea&) = delete;
    CartellaTemporanea& operator=(const CartellaTemporanea&) = delete;
    const std::filesystem::path& operator()() const { return percorso_; }
    std::filesystem::path operator/(const std::string& nome) const { return percorso_ / nome; }
    std::vector<std::string> Contenuto() const {
        std::vector<std::string> nomi;
        for (const auto& e : std::filesystem::directory_iterator(percorso_))
            nomi.push_back(e.path().filename().string());
        return nomi;
    }

  private:
    std::filesystem::path percorso_;
};

inline std::string LeggeFile(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The lines of a text separated by CR LF; a lone LF or CR makes the test fail.
inline std::vector<std::string> RigheCrLf(const std::string& testo) {
    std::vector<std::string> righe;
    std::size_t inizio = 0;
    while (inizio < testo.size()) {
        const auto fine = testo.find("\r\n", inizio);
        if (fine == std::string::npos) {
            ADD_FAILURE() << "testo non terminato da CR LF dopo la posizione " << inizio;
            break;
        }
        righe.push_back(testo.substr(inizio, fine - inizio));
        EXPECT_EQ(righe.back().find_first_of("\r\n"), std::string::npos)
            << "a capo isolato nella riga " << righe.size();
        inizio = fine + 2;
    }
    return righe;
}

// The Python interpreter that has ezdxf: Debian's, else the first python3 on the path.
inline std::optional<std::string> PythonConEzdxf() {
    const auto script = std::filesystem::path(__FILE__).parent_path() / "leggi_dxf.py";
    for (const std::string python : {"/usr/bin/python3", "python3"}) {
        const std::string comando = python + " '" + script.string() + "' --verifica >/dev/null 2>&1";
        if (std::system(comando.c_str()) == 0) return python;
    }
    return std::nullopt;
}

struct RisultatoPython {
    int Uscita = -1;
    std::string Testo;
};

// Runs leggi_dxf.py on a file and returns its output (standard error included).
inline RisultatoPython LeggeConEzdxf(const std::filesystem::path& file) {
    static const auto python = PythonConEzdxf();
    if (!python) {
        ADD_FAILURE() << "Per leggere i DXF serve python3 con ezdxf (pacchetto Debian python3-ezdxf)";
        return {};
    }
    const auto script = std::filesystem::path(__FILE__).parent_path() / "leggi_dxf.py";
    const std::string comando = *python + " '" + script.string() + "' '" + file.string() + "' 2>&1";
    RisultatoPython r;
    std::unique_ptr<FILE, int (*)(FILE*)> tubo(popen(comando.c_str(), "r"), pclose);
    if (!tubo) {
        ADD_FAILURE() << "impossibile eseguire " << comando;
        return r;
    }
    char buf[4096];
    std::size_t letti = 0;
    while ((letti = std::fread(buf, 1, sizeof buf, tubo.get())) > 0)
        r.Testo.append(buf, letti);
    r.Uscita = pclose(tubo.release());
    return r;
}

} // namespace vc::prova
