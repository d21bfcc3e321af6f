#!/usr/bin/env python3
"""Reads a DXF file with ezdxf, audits it, and prints what it holds, one item a line, so that
a test can compare the drawing it wrote with what an independent reader finds in it.

Usage: leggi_dxf.py FILE          the dump below
       leggi_dxf.py --verifica    exit 0 when ezdxf can be imported
"""
import sys


def num(v):
    return f"{v:.10g}"


def pt(p):
    return f"({num(p[0])},{num(p[1])},{num(p[2])})"


def describe(e):
    t = e.dxftype()
    s = f"{t} layer={e.dxf.layer} color={e.dxf.color}"
    if t == "LINE":
        s += f" {pt(e.dxf.start)} {pt(e.dxf.end)}"
    elif t == "ARC":
        s += (f" c={pt(e.dxf.center)} r={num(e.dxf.radius)}"
              f" a={num(e.dxf.start_angle)}..{num(e.dxf.end_angle)}")
    elif t == "POLYLINE":
        s += " closed=" + str(int(e.is_closed))
        s += " " + " ".join(pt(v.dxf.location) for v in e.vertices)
    elif t == "SOLID":
        s += " " + " ".join(pt(e.dxf.get(f"vtx{i}")) for i in range(4))
    elif t == "TEXT":
        s += f" {pt(e.dxf.insert)} h={num(e.dxf.height)} '{e.dxf.text}'"
        if e.dxf.halign:
            s += f" halign={e.dxf.halign} {pt(e.dxf.align_point)}"
    elif t == "INSERT":
        s += (f" {e.dxf.name} {pt(e.dxf.insert)} scale={num(e.dxf.xscale)},{num(e.dxf.yscale)},"
              f"{num(e.dxf.zscale)} rot={num(e.dxf.rotation)}")
    print(s)
    if e.xdata is not None:
        for app, tags in e.xdata.data.items():
            for tag in tags:
                v = tag.value
                print(f"  {tag.code} {num(v) if isinstance(v, float) else v}")


def main(path):
    import ezdxf
    from ezdxf import recover

    _, auditor = recover.readfile(path)
    print(f"RECOVER errors={len(auditor.errors)}")
    for err in auditor.errors:
        print("  ERROR", err.message)

    doc = ezdxf.readfile(path)
    auditor = doc.audit()
    print(f"AUDIT errors={len(auditor.errors)}")
    for err in auditor.errors:
        print("  ERROR", err.message)

    print("VERSION", doc.dxfversion)
    hdr = doc.header
    for var in ("$EXTMIN", "$EXTMAX"):
        if var in hdr:
            print(var, pt(hdr[var]))
    if "$CLAYER" in hdr:
        print("$CLAYER", hdr["$CLAYER"])
    for layer in doc.layers:
        print(f"LAYER {layer.dxf.name} color={layer.dxf.color} locked={int(layer.is_locked())}")
    for app in doc.appids:
        print("APPID", app.dxf.name)
    for block in doc.blocks:
        if block.name.startswith("*"):
            continue
        print(f"BLOCK {block.name} base={pt(block.block.dxf.base_point)}")
        for e in block:
            print("  ", end="")
            describe(e)
    print("ENTITIES")
    for e in doc.modelspace():
        describe(e)


if __name__ == "__main__":
    if len(sys.argv) == 2 and sys.argv[1] == "--verifica":
        import ezdxf  # noqa: F401
        sys.exit(0)
    main(sys.argv[1])
