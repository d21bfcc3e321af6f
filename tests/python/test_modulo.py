"""The Python module: the same results as the command line, beams read and written in both
forms, errors naming the field or the check, calculations on many threads at once."""
import concurrent.futures
import copy
import json
import math
import re
import subprocess
import sys
import threading
import warnings

import pytest

from conftest import ESEMPI, SORGENTI, esegui_cli

try:  # numpy is optional: without it the diagrams are lists
    import numpy as np
except ImportError:
    np = None


def diagrammi_come_elenchi(risultati):
    """The results with the numpy diagram arrays turned back into lists of floats."""
    r = dict(risultati)
    r["diagrammi"] = {k: [float(x) for x in v] for k, v in risultati["diagrammi"].items()}
    return r


@pytest.mark.parametrize("esempio", ESEMPI, ids=lambda p: p.stem)
def test_calcola_come_la_riga_di_comando(velcora, cli, esempio, tmp_path):
    uscita = tmp_path / "r.json"
    e = esegui_cli(cli, esempio, "--json", uscita)
    assert e.returncode == 0, e.stderr
    atteso = json.loads(uscita.read_text())

    for trave in (esempio, velcora.leggi(esempio)):  # a file, and the dict read from it
        risultati = velcora.calcola(trave)
        assert risultati.keys() == atteso.keys()
        if np is not None:
            for valori in risultati["diagrammi"].values():
                assert isinstance(valori, np.ndarray) and valori.dtype == np.float64
        assert diagrammi_come_elenchi(risultati) == atteso


def test_stato_limite_e_punti_come_le_opzioni(velcora, cli, tmp_path):
    esempio = SORGENTI / "examples" / "tre_campate_appoggi.vlr"
    uscita = tmp_path / "r.json"
    assert esegui_cli(cli, esempio, "--json", uscita, "--stato-limite", "quasi-permanente",
                      "--punti", "40").returncode == 0
    risultati = velcora.calcola(esempio, stato_limite="quasi-permanente", punti=40)
    assert diagrammi_come_elenchi(risultati) == json.loads(uscita.read_text())
    with pytest.raises(ValueError):
        velcora.calcola(esempio, stato_limite="SLV")
    with pytest.raises(ValueError):
        velcora.calcola(esempio, punti=0)


@pytest.mark.parametrize("estensione", [".json", ".vlr"])
def test_dict_scrivi_leggi_stessa_trave(velcora, estensione, tmp_path):
    for esempio in ESEMPI:
        trave = velcora.leggi(esempio)
        trave["titolo"] = "Prova\r\ncon due righe"
        trave["campate"][0]["Q2"] = 0.1
        percorso = tmp_path / ("trave" + estensione)
        velcora.scrivi(trave, percorso)
        letta = velcora.leggi(percorso)
        if estensione == ".vlr":  # the data file keeps neither of these
            letta["combinazione"]["tipo_sle"] = trave["combinazione"]["tipo_sle"]
            letta["diagrammi"]["punti"] = trave["diagrammi"]["punti"]
        assert letta == trave


def test_una_trave_minima_scritta_a_mano(velcora):
    trave = {
        "formato": "velcora-trave", "versione": 1,
        "campate": [{"luce": 5, "G1": 20, "sezione": 1}, {"luce": 6, "G1": 20, "sezione": 1}],
        "vincoli": {"sinistro": {"tipo": "appoggio"}, "destro": {"tipo": "incastro"}},
        "sezioni": [{"tipo": "rettangolare", "b": 0.3, "h": 0.5, "E": 3.0e7}],
    }
    r = velcora.calcola(trave, stato_limite="rara")
    assert r["nCampate"] == 2
    assert r["appoggi"][2]["MminApp"] < 0 < r["campate"][0]["MmaxCam"]
    # Permanent loads only: the reactions carry the whole load.
    assert math.isclose(sum(a["ReazMax"] for a in r["appoggi"]), 20 * 11, rel_tol=1e-5)


CAMPI_ERRATI = [
    (lambda t: t["campate"][2].update(luce="5"), "campate[3].luce: numero atteso"),
    (lambda t: t["campate"][0].update(sezione=1.5), "campate[1].sezione: numero intero atteso"),
    (lambda t: t["campate"][1].update(G1=float("nan")), "campate[2].G1: numero finito atteso"),
    (lambda t: t["campate"][0].update(lucee=5), "campate[1].lucee: campo sconosciuto"),
    (lambda t: t["vincoli"]["destro"].update(tipo="cerniera"),
     'vincoli.destro.tipo: atteso uno fra "appoggio", "incastro", "libero", "elastico", null'),
    (lambda t: t["sezioni"][0].pop("E"), "sezioni[1].E: campo mancante"),
    (lambda t: t.update(versione=2), "versione: versione 2 sconosciuta: questo programma legge la versione 1"),
    (lambda t: t["larghezze_appoggi"].append(0.3), "larghezze_appoggi: attesi 4 valori, uno per appoggio"),
    (lambda t: t["campate"][0].update(luce=object()), "campate[1].luce: valore non ammesso (object)"),
]


@pytest.mark.parametrize("modifica,atteso", CAMPI_ERRATI, ids=[a for _, a in CAMPI_ERRATI])
def test_un_campo_errato_ha_il_suo_nome(velcora, modifica, atteso, tmp_path):
    trave = velcora.leggi(SORGENTI / "examples" / "tre_campate_appoggi.vlr")
    modifica(trave)
    for chiamata in (lambda: velcora.calcola(trave), lambda: velcora.scrivi(trave, tmp_path / "t.json")):
        with pytest.raises(velcora.ErroreDati) as e:
            chiamata()
        assert e.value.messaggio == "Errore nei dati"
        assert e.value.motivo == atteso
    assert not (tmp_path / "t.json").exists()


def test_un_file_json_errato_dice_file_e_campo(velcora, tmp_path):
    percorso = tmp_path / "errata.json"
    percorso.write_text('{"formato": "velcora-trave", "versione": 1, "campate": [{"luce": "5"}]}')
    with pytest.raises(velcora.ErroreDati) as e:
        velcora.leggi(percorso)
    assert e.value.messaggio == "Lettura incompleta del File"
    assert e.value.motivo == f"{percorso}: campate[1].luce: numero atteso"
    with pytest.raises(velcora.ErroreDati) as e:
        velcora.calcola(tmp_path / "manca.vlr")
    assert e.value.messaggio == f"File {tmp_path / 'manca.vlr'} non trovato "


@pytest.mark.parametrize("modifica,messaggio", [
    (lambda t: t["vincoli"]["sinistro"].update(tipo=None), "Scegliere il vincolo di Sinistra !"),
    (lambda t: t["vincoli"]["destro"].update(tipo="elastico"), None),
    (lambda t: t.update(campate=[], larghezze_appoggi=[0.0]), "Errrore - Numero Campate Esclusi Sbalzi = 0 !"),
])
def test_un_calcolo_impossibile_da_errore_dati(velcora, modifica, messaggio):
    trave = velcora.leggi(SORGENTI / "examples" / "tre_campate_appoggi.vlr")
    modifica(trave)
    with pytest.raises(velcora.ErroreDati) as e:
        velcora.calcola(trave)
    assert e.value.messaggio
    if messaggio is not None:
        assert e.value.messaggio == messaggio
    assert str(e.value).startswith(e.value.messaggio)


def test_otto_calcoli_in_parallelo_come_in_fila(velcora):
    travi = []
    for k in range(16):
        trave = velcora.leggi(ESEMPI[k % len(ESEMPI)])
        for campata in trave["campate"]:
            campata["Q1"] = campata["Q1"] + k
        travi.append(trave)
    in_fila = [diagrammi_come_elenchi(velcora.calcola(t, punti=2000)) for t in travi]
    with concurrent.futures.ThreadPoolExecutor(max_workers=8) as pool:
        in_parallelo = list(pool.map(lambda t: diagrammi_come_elenchi(velcora.calcola(t, punti=2000)), travi))
    assert in_parallelo == in_fila


def test_il_calcolo_lascia_il_gil(velcora):
    """While one thread calculates, another runs Python: the calculation left the interpreter's
    lock. The switch interval is made so long that the calculating thread, had it kept the lock,
    would hold it until its call returned."""
    trave = velcora.leggi(SORGENTI / "examples" / "tre_campate_appoggi.vlr")
    trave["campate"] = trave["campate"] * 70
    trave["larghezze_appoggi"] = [0.3] * (len(trave["campate"]) + 1)
    partito, finito = threading.Event(), []

    def calcola():
        partito.set()
        velcora.calcola(trave, punti=30000)
        finito.append(True)

    intervallo = sys.getswitchinterval()
    sys.setswitchinterval(1000.0)
    try:
        filo = threading.Thread(target=calcola)
        filo.start()
        partito.wait()
        durante_il_calcolo = not finito  # this thread runs again only once the other lets go
        filo.join()
    finally:
        sys.setswitchinterval(intervallo)
    assert durante_il_calcolo


def test_esporta_le_uscite_del_programma(velcora, cli, tmp_path):
    esempio = SORGENTI / "examples" / "carichi_concentrati_slu.vlr"
    velcora.esporta(esempio, dxf=tmp_path / "m.dxf", dwg=tmp_path / "d.dxf", blocco=tmp_path / "b.dxf",
                    pdf=tmp_path / "p.pdf", relazione=tmp_path / "c.pdf", txt=tmp_path / "r.txt", separatori="it")
    e = esegui_cli(cli, esempio, "--separatori", "it", "--dxf", tmp_path / "m2.dxf", "--dwg", tmp_path / "d2.dxf",
                   "--blocco", tmp_path / "b2.dxf", "--pdf", tmp_path / "p2.pdf", "--relazione", tmp_path / "c2.pdf",
                   "--txt", tmp_path / "r2.txt")
    assert e.returncode == 0, e.stderr
    for nostro, suo in (("m.dxf", "m2.dxf"), ("d.dxf", "d2.dxf"), ("b.dxf", "b2.dxf"), ("r.txt", "r2.txt")):
        assert (tmp_path / nostro).read_bytes() == (tmp_path / suo).read_bytes(), nostro
    for nostro, suo in (("p.pdf", "p2.pdf"), ("c.pdf", "c2.pdf")):
        assert pagine_pdf(tmp_path / nostro) == pagine_pdf(tmp_path / suo), nostro
    # All or none: an output that cannot be written leaves the others unwritten too.
    for uscita in ("txt", "pdf", "relazione"):
        with pytest.raises(velcora.ErroreDati) as errore:
            velcora.esporta(esempio, dxf=tmp_path / "niente.dxf", **{uscita: tmp_path / "manca" / "r"})
        assert errore.value.messaggio == "Scrittura incompleta del file"
        assert str(tmp_path / "manca") in errore.value.motivo
        assert not (tmp_path / "niente.dxf").exists()


def pagine_pdf(percorso):
    """The pages of a PDF file as text, in their layout. (Not the bytes: the order in which Qt
    embeds two fonts changes from one process to the next.)"""
    return subprocess.run(["pdftotext", "-layout", percorso, "-"], capture_output=True, check=True).stdout


def test_grafico_momenti_positivi_sotto_l_asse(velcora):
    matplotlib = pytest.importorskip("matplotlib")
    matplotlib.use("Agg")
    risultati = velcora.calcola(SORGENTI / "examples" / "tre_campate_appoggi.vlr")
    ax_m, ax_t = velcora.grafico(risultati)
    assert ax_m.yaxis_inverted() and not ax_t.yaxis_inverted()
    assert len(ax_m.lines) == 3 and len(ax_t.lines) == 3
    import matplotlib.pyplot as plt
    plt.close("all")


def test_l_esempio_del_readme_gira_come_scritto(velcora, capsys, monkeypatch):
    testo = (SORGENTI / "README.md").read_text()
    codice = re.search(r"## From Python.*?```python\n(.*?)```", testo, re.S).group(1)
    monkeypatch.chdir(SORGENTI)
    with warnings.catch_warnings():
        warnings.simplefilter("error")
        exec(compile(codice, "README.md", "exec"), {})
    righe = capsys.readouterr().out.splitlines()
    assert righe[0].startswith("momento sul secondo appoggio: -")
    assert righe[1] == "Errore nei dati - campate[3].luce: numero atteso"
