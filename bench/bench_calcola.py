"""Time of velcora.calcola from Python on the beam of 200 spans of bench_engine
(Calcolo/200/30000/400), to set beside the time of the C++ calculation alone:

    PYTHONPATH=build/python python3 bench/bench_calcola.py
    build/bench/bench_engine --benchmark_filter=Calcolo/200/30000/400

The difference is what the module adds: the dict read and checked, the driver's checks, the
results turned into Python values and the diagrams into numpy arrays."""
import statistics
import time

import velcora


def trave_di_prova(n=200, divisioni=30000, n_forze=400):
    return {
        "formato": "velcora-trave", "versione": 1,
        "campate": [{"luce": 4.0 + i % 5, "G1": 20, "G2": 8, "Q1": 12, "Q2": 5, "sezione": 1 + i % 2}
                    for i in range(1, n + 1)],
        "vincoli": {"sinistro": {"tipo": "incastro"}, "destro": {"tipo": "appoggio"}},
        "sezioni": [{"tipo": "rettangolare", "b": 0.3, "h": 0.5, "E": 3.0e7},
                    {"tipo": "T", "b1": 0.8, "h1": 0.2, "b2": 0.3, "h2": 0.4, "E": 3.0e7}],
        "larghezze_appoggi": [0.3] * (n + 1),
        "forze": [{"campata": 1 + f % n, "G1": 30, "G2": 10, "Q1": 20, "Q2": 5, "d": 1.5 + f % 3}
                  for f in range(n_forze)],
        "arrotonda_momenti": True,
        "combinazione": {"stato_limite": "SLU"},
        "diagrammi": {"punti": divisioni},
    }


def main():
    trave = trave_di_prova()
    velcora.calcola(trave)  # warm-up
    tempi, cpu = [], []
    for _ in range(15):
        inizio, inizio_cpu = time.perf_counter(), time.process_time()
        velcora.calcola(trave)
        tempi.append(time.perf_counter() - inizio)
        cpu.append(time.process_time() - inizio_cpu)
    # The CPU time is the one to compare on a busy machine, as Google Benchmark's "CPU" column.
    print(f"velcora.calcola, 200 campate, 30000 divisioni, 400 forze: "
          f"tempo mediana {statistics.median(tempi) * 1e3:.1f} ms (minimo {min(tempi) * 1e3:.1f} ms), "
          f"CPU mediana {statistics.median(cpu) * 1e3:.1f} ms (minimo {min(cpu) * 1e3:.1f} ms)")


if __name__ == "__main__":
    main()
