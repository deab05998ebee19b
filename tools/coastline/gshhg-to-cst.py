#!/usr/bin/env python3
# Turns GMT's shoreline dump (`gmt coast -M -W`: "> ..." starts a line, then "lon lat" in WGS 84 degrees)
# into the program's coastline files: grid-square tiles in the Tokyo datum, or the wide-area toba.cst.
"""Usage: gshhg-to-cst.py tiles OUTDIR CODE [CODE ...] < dump   (CODE: first-level square, e.g. 5136)
       gshhg-to-cst.py wide OUTFILE < dump"""
import math
import os
import sys

SQUARE_LAT, SQUARE_LON = 5.0, 7.5  # a second-level grid square, minutes


def read_lines(stream):
    lines, current = [], []
    for text in stream:
        text = text.strip()
        if not text or text.startswith('>') or text.startswith('#'):
            if len(current) > 1:
                lines.append(current)
            current = []
            continue
        lon, lat = (float(v) for v in text.split()[:2])
        current.append((lat * 60, lon * 60))
    if len(current) > 1:
        lines.append(current)
    return lines


def tokyo_to_wgs_shift(lat, lon):
    """Minutes added to a Tokyo-datum point to reach WGS 84, by the translation the program's loader applies."""
    a, f = 6377397.155, 1 / 299.152813
    e2 = 2 * f - f * f
    fw = 1 / 298.257222101
    e2w = 2 * fw - fw * fw
    phi, lam = math.radians(lat / 60), math.radians(lon / 60)
    n = a / math.sqrt(1 - e2 * math.sin(phi) ** 2)
    x = n * math.cos(phi) * math.cos(lam) - 148
    y = n * math.cos(phi) * math.sin(lam) + 508
    z = n * (1 - e2) * math.sin(phi) + 680
    phi2 = math.degrees(math.atan(z / ((1 - e2w) * math.hypot(x, y))))
    lam2 = math.degrees(math.atan2(y, x))
    return phi2 * 60 - lat, lam2 * 60 - lon


def to_tokyo(lat, lon):
    # The shift belongs to the Tokyo-datum point, so a few rounds of the inverse settle on it.
    tlat, tlon = lat, lon
    for _ in range(4):
        dlat, dlon = tokyo_to_wgs_shift(tlat, tlon)
        tlat, tlon = lat - dlat, lon - dlon
    return tlat, tlon


def square_of(lat, lon):
    return math.floor(lat / SQUARE_LAT), math.floor(lon / SQUARE_LON)


def pieces(a, b):
    """The parts of segment a-b inside one second-level square each: (square, start, end)."""
    cuts = {0.0, 1.0}
    for axis, step in ((0, SQUARE_LAT), (1, SQUARE_LON)):
        low, high = sorted((a[axis], b[axis]))
        k = math.floor(low / step) + 1
        while k * step < high:
            cuts.add((k * step - a[axis]) / (b[axis] - a[axis]))
            k += 1
    at = lambda t: (a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t)
    cuts = sorted(cuts)
    for t0, t1 in zip(cuts, cuts[1:]):
        if t1 - t0 > 1e-12:
            yield square_of(*at((t0 + t1) / 2)), at(t0), at(t1)


def runs_by_square(lines):
    squares = {}
    for line in lines:
        points = [to_tokyo(*p) for p in line]
        square, run = None, []
        for a, b in zip(points, points[1:]):
            for where, start, end in pieces(a, b):
                if where != square:
                    if len(run) > 1:
                        squares.setdefault(square, []).append(run)
                    square, run = where, [start]
                run.append(end)
        if len(run) > 1:
            squares.setdefault(square, []).append(run)
    return squares


def square_codes(square):
    lat_index, lon_index = square
    aa, c = divmod(lat_index, 8)
    degrees, d = divmod(lon_index, 8)
    return '%02d%02d' % (aa, degrees - 100), '%02d%02d%d%d' % (aa, degrees - 100, c, d)


def slot(value, base, size):
    return min(max(round((value - base) / size * 10000), 0), 10000)


def write_tiles(lines, folder, codes):
    files = {}
    for square in sorted(runs_by_square(lines).items()):
        (lat_index, lon_index), runs = square
        file_code, code = square_codes((lat_index, lon_index))
        if file_code not in codes:
            continue
        text = files.setdefault(file_code, [])
        text.append('M %s' % code)
        for run in runs:
            xy = []
            for lat, lon in run:
                p = (slot(lon, lon_index * SQUARE_LON, SQUARE_LON), slot(lat, lat_index * SQUARE_LAT, SQUARE_LAT))
                if not xy or xy[-1] != p:
                    xy.append(p)
            if len(xy) < 2:
                continue
            text.append('L' + ' ' * 48 + '%6d' % len(xy))
            for i in range(0, len(xy), 7):
                row = xy[i:i + 7] + [(0, 0)] * (7 - len(xy[i:i + 7]))  # every slot holds a number
                text.append(''.join('%5d%5d' % p for p in row))
    os.makedirs(folder, exist_ok=True)
    for file_code, text in sorted(files.items()):
        with open(os.path.join(folder, file_code + '.cst'), 'w', newline='') as out:
            out.write(''.join(t + '\r\n' for t in text))


def write_wide(lines, path):
    os.makedirs(os.path.dirname(path) or '.', exist_ok=True)
    with open(path, 'w', newline='') as out:
        for line in lines:
            for i, (lat, lon) in enumerate(line):
                out.write('%s%.4f,%.4f\r\n' % ('R,' if i == 0 else '', lat, lon))


def main(argv):
    if len(argv) >= 4 and argv[1] == 'tiles':
        write_tiles(read_lines(sys.stdin), argv[2], set(argv[3:]))
    elif len(argv) == 3 and argv[1] == 'wide':
        write_wide(read_lines(sys.stdin), argv[2])
    else:
        sys.exit(__doc__)


if __name__ == '__main__':
    main(sys.argv)
