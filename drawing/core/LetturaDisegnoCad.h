#pragma once
// A CAD drawing this program saved, read back, so that a later run goes on drawing into it as
// the CAD program keeps its open drawing: layers with their colour and lock, the active layer,
// the view, block definitions, model space, block references and extended data.
//
// The reader knows exactly what DisegnoCad::TestoDxf writes. Whatever else it meets (an
// entity, table, group or header variable the program never writes, a value out of range, a
// missing end) makes the file unreadable rather than dropped, so that saving the drawing again
// never loses part of it. Reading a drawing and saving it again gives the same bytes.

#include "drawing/core/DisegnoCad.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace vc {

// How a DXF text was written: a complete drawing of this program (it starts with the comment
// MarcaDisegnoCad or, saved before the comment was written, its header holds exactly the
// variables this program writes, in its order), a file of entities only (the DXF export's
// layout, which other programs write too), or anything else.
enum class FormaDxf { DisegnoCad, SoloEntita, Altra };
FormaDxf FormaFileDxf(std::string_view testo);

// The drawing the text holds, a complete drawing or a file of entities only (which go into
// model space, their layers added). Throws ErroreDisegno (FileIlleggibile) naming the line and what
// is wrong there.
std::unique_ptr<DisegnoCad> LeggeDisegnoCad(std::string_view testo);

// What the file chosen for the CAD drawing holds.
enum class ContenutoFileCad {
    Nessuno,     // there is no such file: the drawing starts empty
    DiVelcora,   // a drawing of this program, or a file of entities it reads whole: read back
    Estraneo,    // any other file: replaced only if the user says so
    Illeggibile, // a complete drawing of this program that cannot be read back whole, or a file
                 // that cannot be read at all
};

struct FileCadAperto {
    ContenutoFileCad Contenuto = ContenutoFileCad::Nessuno;
    std::unique_ptr<DisegnoCad> Disegno; // Nessuno: an empty drawing; DiVelcora: the one read
    std::string Motivo;                  // Illeggibile: why, in Italian
};

// Opens the file the drawing is to be kept in. The file itself is never changed here.
FileCadAperto ApreFileCad(const std::filesystem::path& percorso);

} // namespace vc
