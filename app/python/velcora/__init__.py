"""Velcora da Python: travi continue in cemento armato.

Una trave è un dict dello schema "velcora-trave" (il file velcora-trave.schema.json del
manuale) oppure il percorso di un file .vlr o .json.

    import velcora
    trave = velcora.leggi("trave.vlr")          # dict dello schema
    trave["campate"][0]["Q1"] = 15.0
    risultati = velcora.calcola(trave, stato_limite="SLU")
    print(risultati["appoggi"][1]["MminApp"])   # il momento sul secondo appoggio

I risultati hanno le stesse chiavi e gli stessi valori dell'uscita --json di velcora-cli; gli
elenchi dei diagrammi sono array numpy di float64 quando numpy c'è. I coefficienti parziali
sono quelli della trave o, se la trave non li ha, i valori predefiniti del programma (non il
file delle impostazioni dell'utente). Il calcolo libera il GIL: più thread calcolano insieme.
"""

import os
import warnings

from . import _velcora

try:
    import numpy as _np
except ImportError:  # numpy is optional: the diagrams stay lists
    _np = None

__all__ = ["ErroreDati", "AvvisoVelcora", "leggi", "scrivi", "calcola", "esporta", "grafico"]


class ErroreDati(Exception):
    """Dati rifiutati, calcolo impossibile o file non letto né scritto.

    messaggio è il testo del programma ("Errore nei dati", "Lettura incompleta del File", ...),
    motivo il perché ("campate[3].luce: numero atteso"; vuoto se il messaggio dice tutto).
    """

    def __init__(self, messaggio, motivo=""):
        super().__init__(messaggio, motivo)
        self.messaggio = messaggio
        self.motivo = motivo

    def __str__(self):
        return f"{self.messaggio}\n{self.motivo}" if self.motivo else self.messaggio


class AvvisoVelcora(UserWarning):
    """Un messaggio del programma su dati che ha comunque accettato."""


def _avvisa(avvisi):
    for testo in avvisi:
        warnings.warn(testo, AvvisoVelcora, stacklevel=3)


def _trave(trave):
    return os.fspath(trave) if isinstance(trave, (str, os.PathLike)) else trave


def _percorso(p):
    return None if p is None else os.fspath(p)


def leggi(percorso):
    """La trave del file .vlr o .json come dict dello schema."""
    trave, avvisi = _velcora.leggi(os.fspath(percorso))
    _avvisa(avvisi)
    return trave


def scrivi(trave, percorso):
    """Scrive la trave (dict o file) in percorso: JSON se finisce con .json, altrimenti .vlr."""
    _velcora.scrivi(_trave(trave), os.fspath(percorso))


def calcola(trave, stato_limite=None, punti=None):
    """Calcola la trave; stato_limite "SLU", "rara", "frequente", "quasi-permanente" (senza:
    quello della trave), punti le divisioni dei diagrammi (senza: quelle della trave)."""
    risultati, avvisi = _velcora.calcola(_trave(trave), stato_limite, punti)
    _avvisa(avvisi)
    if _np is not None:
        diagrammi = risultati["diagrammi"]
        for chiave, valori in diagrammi.items():
            diagrammi[chiave] = _np.asarray(valori, dtype=_np.float64)
    return risultati


def esporta(trave, dxf=None, dwg=None, blocco=None, pdf=None, relazione=None, txt=None, *,
            stato_limite=None, punti=None, separatori="sistema"):
    """Calcola la trave e scrive le uscite chieste: dxf i diagrammi in un file DXF, dwg i
    diagrammi in un disegno CAD (DXF R12), blocco i blocchi DiagrammaM e DiagrammaT con i dati
    estesi, pdf la pagina dei diagrammi dei momenti e dei tagli in un file PDF, relazione la
    relazione di calcolo in PDF (come velcora-cli --relazione), txt la relazione dei risultati
    in un file di testo (come velcora-cli --txt). separatori dei numeri: "it", "en" o "sistema".
    Le uscite si scrivono tutte o nessuna: se una non si può scrivere, ErroreDati e nessun file
    toccato."""
    avvisi = _velcora.esporta(_trave(trave), _percorso(dxf), _percorso(dwg), _percorso(blocco),
                              _percorso(pdf), _percorso(relazione), _percorso(txt), stato_limite, punti,
                              separatori)
    _avvisa(avvisi)


def grafico(risultati, ax=None):
    """Disegna con matplotlib gli inviluppi di momento (positivi sotto l'asse, come nei
    diagrammi del programma) e di taglio. ax: None (una figura nuova con due grafici) o una
    coppia di assi (momento, taglio). Restituisce la coppia di assi."""
    import matplotlib.pyplot as plt

    if ax is None:
        _, ax = plt.subplots(2, 1, sharex=True, figsize=(10, 7))
    ax_m, ax_t = ax
    d = risultati["diagrammi"]
    x = d["xPlt"]
    for asse, (massimo, minimo), titolo, unita in (
            (ax_m, ("yMmaxPlt", "yMminPlt"), "Momento", "kNm"),
            (ax_t, ("yTmaxPlt", "yTminPlt"), "Taglio", "kN")):
        asse.plot(x, d[massimo], color="tab:red", label="max")
        asse.plot(x, d[minimo], color="tab:blue", label="min")
        asse.axhline(0.0, color="black", linewidth=0.8)
        asse.set_title(titolo)
        asse.set_ylabel(unita)
        asse.grid(True, alpha=0.3)
        asse.legend(loc="best")
    if not ax_m.yaxis_inverted():
        ax_m.invert_yaxis()  # sagging moments below the axis
    ax_t.set_xlabel("x [m]")
    return ax_m, ax_t
