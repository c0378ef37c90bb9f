#!/usr/bin/env python3
"""Writes a generated case list: generar.py FILAS ARCHIVO.

One row per case: an id, a name with accents (UTF-8), a quoted address with
a ';' inside and a date of onset as DD/MM/YYYY HH:MM:SS, ';' between fields
and CR LF line ends, as a Spanish spreadsheet exports it."""
import random
import sys
from datetime import date, timedelta

filas, ruta = int(sys.argv[1]), sys.argv[2]
azar = random.Random(20021229)
nombres = ["José Pérez", "María Núñez", "Íñigo Gómez", "Ana Martín", "Raúl Sáenz", "Lucía Ibáñez"]
calles = ["Calle Mayor", "Avda. de la Constitución", "Plaza España", "Camino Viejo"]
inicio = date(1995, 1, 1).toordinal()
with open(ruta, "wb") as f:
    f.write("id;nombre;direccion;fecha_inicio\r\n".encode())
    trozo = []
    for i in range(1, filas + 1):
        d = date.fromordinal(inicio + azar.randrange(0, 12000))
        trozo.append(f'{i};{azar.choice(nombres)};"{azar.choice(calles)} {azar.randrange(1, 200)}; '
                     f'piso {azar.randrange(1, 9)}";{d.day:02d}/{d.month:02d}/{d.year} '
                     f'{azar.randrange(24):02d}:{azar.randrange(60):02d}:{azar.randrange(60):02d}\r\n')
        if len(trozo) == 10000:
            f.write("".join(trozo).encode())
            trozo = []
    f.write("".join(trozo).encode())
