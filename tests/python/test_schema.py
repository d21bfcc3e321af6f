"""The JSON Schema of the beam in doc/ and the program agree: every beam the program writes is
valid, and beams the reader refuses for their form the schema refuses too."""
import copy
import json

import pytest

from conftest import ESEMPI, SORGENTI

jsonschema = pytest.importorskip("jsonschema")


@pytest.fixture(scope="module")
def validatore():
    schema = json.loads((SORGENTI / "doc" / "velcora-trave.schema.json").read_text())
    jsonschema.Draft202012Validator.check_schema(schema)
    return jsonschema.Draft202012Validator(schema)


def test_ogni_trave_scritta_dal_programma_e_valida(velcora, validatore, tmp_path):
    for esempio in ESEMPI:
        percorso = tmp_path / (esempio.stem + ".json")
        velcora.scrivi(esempio, percorso)
        errori = [e.message for e in validatore.iter_errors(json.loads(percorso.read_text()))]
        assert errori == [], esempio.name


RIFIUTATE = [
    lambda t: t["campate"][0].update(luce="5"),
    lambda t: t["campate"][0].update(lucee=5),
    lambda t: t["campate"][0].pop("sezione"),
    lambda t: t["vincoli"]["sinistro"].update(tipo="cerniera"),
    lambda t: t["sezioni"][0].update(J=0.1),
    lambda t: t.update(versione=2),
    lambda t: t["ridistribuzione"].update(classe_cls="C12/15"),
    lambda t: t["diagrammi"].update(punti=0),
    lambda t: t["forze"].append({"campata": 0, "d": 0}),
]


@pytest.mark.parametrize("modifica", RIFIUTATE)
def test_schema_e_lettore_rifiutano_le_stesse_travi(velcora, validatore, modifica):
    trave = velcora.leggi(SORGENTI / "examples" / "tre_campate_appoggi.vlr")
    modifica(trave)
    assert not validatore.is_valid(trave)
    with pytest.raises(velcora.ErroreDati):
        velcora.calcola(copy.deepcopy(trave))
