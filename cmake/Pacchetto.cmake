# The Debian package: `cpack -G DEB` in the build folder (scripts/pacchetto.sh) makes
# velcora_<version>_<arch>.deb from the installation rules of cmake/Installazione.cmake,
# under /usr.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velcora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Velcora maintainers <maintainers@users.noreply.c-seed-000acd91.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# dpkg-shlibdeps adds the libraries the programs link; here go, comma-separated, the packages
# the installed files need beyond those.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "")
# The Python module velcora is built for one version of Debian's python3 and gives its diagrams
# as numpy arrays; it draws with matplotlib when that is there.
if(TARGET velcora_python)
  math(EXPR python_successivo "${VELCORA_PYTHON3_MINORE} + 1")
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
      "python3 (>= ${VELCORA_PYTHON3_VERSIONE}), python3 (<< 3.${python_successivo}), python3-numpy")
  set(CPACK_DEBIAN_PACKAGE_SUGGESTS "python3-matplotlib")
endif()
# The manual (HTML), the PDF page and the CAD drawing open with the desktop's programs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, firefox-esr | x-www-browser, evince | pdf-viewer, librecad")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "continuous reinforced-concrete beams (travi continue in cemento armato)")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [[
Velcora analyses a continuous reinforced-concrete beam: a row of spans,
cantilevers included, with fixed, simple, free or elastic ends. It combines the
loads by the Italian building code (SLU; SLE rara, frequente, quasi permanente)
and gives the envelopes of bending moment and shear, the support moments and
reactions, the deflections, the redistribution of the support moments, their
rounding over the supports and the decalage of the moment diagram. The results
go to two grids, diagram windows, the printer, a text listing, DXF files and a
CAD drawing with the blocks and extended data read by a reinforcement-drawing
program. The windows speak Italian; velcora-cli calculates a data file from the
command line, and the Python module velcora from a script.

Velcora calcola una trave continua in cemento armato: una fila di campate,
sbalzi compresi, con estremità appoggiate, incastrate, libere o vincolate
elasticamente. Combina i carichi secondo le Norme Tecniche per le Costruzioni
(SLU; SLE rara, frequente, quasi permanente) e fornisce gli inviluppi del
momento flettente e del taglio, i momenti e le reazioni degli appoggi, le
frecce, la ridistribuzione dei momenti, l'arrotondamento sugli appoggi e il
decalage del diagramma dei momenti. Mostra i risultati in due griglie e nelle
finestre dei diagrammi, li stampa e li scrive in una relazione di testo, in
file DXF e in un disegno CAD con i blocchi e i dati estesi letti dal programma
di disegno delle armature. velcora-cli calcola un file dei dati dalla riga di
comando, il modulo Python velcora da uno script.
]])

include(CPack)
