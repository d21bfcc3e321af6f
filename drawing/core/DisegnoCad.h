#pragma once
// The CAD drawing that takes the place of the running AutoCAD: the "DWG" device draws into its
// model space, the "BLOCCO" device into one of its block definitions, and the block export
// inserts the diagram blocks with their extended data. It holds layers (one active, each
// lockable), block definitions, model space and block references, and saves itself as a
// complete DXF R12 file (HEADER, TABLES, BLOCKS, ENTITIES) written through a temporary file.
//
// The members stand for the AutoCAD automation members the drawings use:
//   Layers.Add              AggiungeLayer
//   ActiveLayer             LayerAttivo, ImpostaLayerAttivo
//   layer.Lock              LayerCad::Bloccato
//   Blocks.Add              AggiungeBlocco
//   ModelSpace              SpazioModello
//   InsertBlock             InserisceBlocco
//   AddLine, AddArc         AggiungeLinea, AggiungeArco
//   AddLightWeightPolyline  AggiungePolilineaLeggera
//   AddSolid, AddText       AggiungeSolido, AggiungeTesto
//   entity.Color            EntitaCad::Colore
//   SetXData, GetXData      EntitaCad::ImpostaDatiEstesi, EntitaCad::DatiEstesi
//   PurgeAll                EliminaNonUsati
//   ZoomExtents             ZoomEstensioni
//
// As in AutoCAD, names of layers, blocks and applications are compared without regard to case,
// new entities take the active layer, and an entity cannot be added on a locked layer.
// Angles (arcs, insert rotation) are radians here and degrees in the file.
//
// A DisegnoCad is neither copied nor moved (its spaces refer back to it); keep it in a
// std::shared_ptr, as the devices that draw into it do. References to layers, blocks and
// entities stay valid until EliminaNonUsati removes them or the drawing is destroyed.

#include "drawing/core/Punto.h"

#include <array>
#include <deque>
#include <filesystem>
#include <list>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vc {

class DisegnoCad;

struct LayerCad {
    std::string Nome;
    int Colore = 7;
    bool Bloccato = false;
};

struct LineaCad {
    Punto Inizio, Fine;
};
struct ArcoCad {
    Punto Centro;
    double Raggio = 0, AngoloIniziale = 0, AngoloFinale = 0; // counter-clockwise, radians
};
// A lightweight polyline: open, its closure (if any) being a repeated vertex. Written to the
// R12 file as POLYLINE, VERTEX…, SEQEND.
struct PolilineaCad {
    std::vector<Punto> Vertici;
};
struct SolidoCad {
    std::array<Punto, 4> Vertici;
};
struct TestoCad {
    Punto Inserimento; // left end of the base line (its middle or right end by Allinea)
    double Altezza = 0;
    std::string Testo; // UTF-8
    Allineamento Allinea = Allineamento::Sinistra;
};
struct RiferimentoBloccoCad {
    std::string Blocco;
    Punto Inserimento;
    double ScalaX = 1, ScalaY = 1, ScalaZ = 1;
    double Rotazione = 0; // radians
};
using GeometriaCad = std::variant<LineaCad, ArcoCad, PolilineaCad, SolidoCad, TestoCad, RiferimentoBloccoCad>;

// One item of extended data: its DXF group code and its value. Codes accepted (those a DXF R12
// file holds as single values): 1001 application name (first of each application's group),
// 1000 string of at most 255 bytes, 1002 "{" or "}", 1003 layer name, 1040 to 1042 reals,
// 1070 16-bit integer. A real code takes an integer value too.
using ValoreEsteso = std::variant<std::string, int, double>;
struct DatoEsteso {
    int Codice = 0;
    ValoreEsteso Valore;
    friend bool operator==(const DatoEsteso&, const DatoEsteso&) = default;
};

class EntitaCad {
  public:
    explicit EntitaCad(GeometriaCad g, std::string layer)
        : Geometria(std::move(g)), Layer(std::move(layer)) {}

    GeometriaCad Geometria;
    std::string Layer;
    int Colore = 256; // AutoCAD colour number: 256 by layer, 0 by block, 1..255 a colour

    // Attaches extended data: one or more applications, each starting with its 1001 item. The
    // data of those applications replace any they had on this entity; other applications'
    // data stay. A wrong code, value type, range or order throws ErroreDisegno
    // (DatiEstesiNonValidi) and changes nothing.
    void ImpostaDatiEstesi(std::vector<DatoEsteso> dati);
    // The same from the two parallel lists (group codes, values) that AutoCAD's SetXData takes.
    void ImpostaDatiEstesi(const std::vector<int>& codici, const std::vector<ValoreEsteso>& valori);
    // Every item, applications in the order they were attached.
    const std::vector<DatoEsteso>& DatiEstesi() const noexcept { return datiEstesi_; }
    // One application's items, its 1001 item first; empty when it has none.
    std::vector<DatoEsteso> DatiEstesi(std::string_view applicazione) const;

  private:
    std::vector<DatoEsteso> datiEstesi_;
};

// A container of entities: model space or a block definition.
class SpazioCad {
  public:
    SpazioCad(const SpazioCad&) = delete;
    SpazioCad& operator=(const SpazioCad&) = delete;

    // Every value is checked: a coordinate that is not finite throws ErroreDisegno
    // (ValoreNonFinito); a radius or text height not above zero, or a polyline of fewer than
    // two vertices, ErroreDisegno (DatiNonValidi); the active layer being locked,
    // ErroreDisegno (LayerBloccato).
    EntitaCad& AggiungeLinea(const Punto& a, const Punto& b);
    EntitaCad& AggiungeArco(const Punto& centro, double raggio, double angoloIniziale, double angoloFinale);
    EntitaCad& AggiungePolilineaLeggera(std::vector<Punto> vertici);
    EntitaCad& AggiungeSolido(const Punto& p1, const Punto& p2, const Punto& p3, const Punto& p4);
    EntitaCad& AggiungeTesto(std::string_view testo, const Punto& inserimento, double altezza,
                             Allineamento allinea = Allineamento::Sinistra);

    const std::deque<EntitaCad>& Entita() const noexcept { return entita_; }
    std::deque<EntitaCad>& Entita() noexcept { return entita_; }

  protected:
    explicit SpazioCad(DisegnoCad& disegno) : disegno_(&disegno) {}
    ~SpazioCad() = default;
    EntitaCad& Aggiunge(GeometriaCad g);

  private:
    friend class DisegnoCad;
    DisegnoCad* disegno_;
    std::deque<EntitaCad> entita_;
};

class BloccoCad final : public SpazioCad {
  public:
    BloccoCad(DisegnoCad& disegno, std::string nome, const Punto& base)
        : SpazioCad(disegno), nome_(std::move(nome)), base_(base) {}
    const std::string& Nome() const noexcept { return nome_; }
    const Punto& PuntoBase() const noexcept { return base_; }

  private:
    friend class DisegnoCad;
    std::string nome_;
    Punto base_;
};

class SpazioModelloCad final : public SpazioCad {
  public:
    explicit SpazioModelloCad(DisegnoCad& disegno) : SpazioCad(disegno) {}
};

struct RiquadroCad {
    Punto Min, Max;
};

// The view saved with the drawing: its centre and the height it shows.
struct VistaCad {
    Punto Centro;
    double Altezza = 0;
};

// The comment every saved drawing starts with (group 999, which CAD programs skip): how the
// program knows a drawing of its own when it is chosen again (LetturaDisegnoCad.h).
inline constexpr std::string_view MarcaDisegnoCad = "Disegno CAD di Velcora";

class DisegnoCad {
  public:
    // A new drawing: layer "0" (colour 7) active, no blocks, empty model space.
    DisegnoCad();
    DisegnoCad(const DisegnoCad&) = delete;
    DisegnoCad& operator=(const DisegnoCad&) = delete;

    // The layer of that name, added (colour 7, unlocked) when there is none. A name that is
    // empty, longer than 255 characters or holds one of < > / \ " : ; ? * | = , ` or a control
    // character throws ErroreDisegno (NomeNonValido).
    LayerCad& AggiungeLayer(std::string_view nome);
    LayerCad* CercaLayer(std::string_view nome);
    const LayerCad* CercaLayer(std::string_view nome) const;
    const std::list<LayerCad>& Layers() const noexcept { return layers_; }
    const std::string& LayerAttivo() const noexcept { return layerAttivo_; }
    // The layer must exist (ErroreDisegno LayerInesistente otherwise); it may be locked.
    void ImpostaLayerAttivo(std::string_view nome);

    // A block definition with that base point. When one of that name exists it is redefined:
    // emptied and given the new base point, so that every reference shows the new content and
    // a repeated export never piles a second drawing into the same block.
    BloccoCad& AggiungeBlocco(const Punto& base, std::string_view nome);
    BloccoCad* CercaBlocco(std::string_view nome);
    const BloccoCad* CercaBlocco(std::string_view nome) const;
    const std::list<BloccoCad>& Blocchi() const noexcept { return blocchi_; }

    SpazioCad& SpazioModello() noexcept { return modello_; }
    const SpazioCad& SpazioModello() const noexcept { return modello_; }

    // A reference to an existing block (ErroreDisegno BloccoInesistente otherwise) in model
    // space, on the active layer. Scales must be finite and non-zero.
    EntitaCad& InserisceBlocco(const Punto& inserimento, std::string_view nome, double scalaX = 1,
                               double scalaY = 1, double scalaZ = 1, double rotazione = 0);

    // Removes the block definitions no reference uses, then the layers that are not "0", not
    // active and hold no entity of model space or of a block.
    void EliminaNonUsati();

    // The extents of model space (block references through their blocks); nothing when empty.
    // Texts count as a box as high as their height and 0.8 heights wide per character.
    std::optional<RiquadroCad> Estensioni() const;
    // Sets the view of the drawing (saved as its active viewport) onto the extents.
    void ZoomEstensioni();
    // The view as it will be saved; nothing until one is set (a default view is saved then).
    const std::optional<VistaCad>& Vista() const noexcept { return vista_; }
    void ImpostaVista(const VistaCad& vista) { vista_ = vista; }

    // The whole drawing as a DXF R12 file (CR LF line ends, texts in Windows-1252), starting
    // with the comment MarcaDisegnoCad. Any value
    // that is not finite or a colour outside 0..256 throws ErroreDisegno and nothing is
    // produced.
    std::string TestoDxf() const;
    // Saves TestoDxf() through a temporary file renamed over destinazione; never half a file.
    void Salva(const std::filesystem::path& destinazione) const;

  private:
    friend class SpazioCad;

    std::list<LayerCad> layers_;
    std::string layerAttivo_;
    std::list<BloccoCad> blocchi_;
    SpazioModelloCad modello_;
    std::optional<VistaCad> vista_;
};

} // namespace vc
