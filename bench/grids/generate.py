#!/usr/bin/env python3
"""Draws the grids of the fill benchmark ('#' a block, '.' an open cell) with fixed seeds.

Two kinds, both symmetric under a half turn:
  checked   -- every letter is in an across and a down word, words of 3 or more letters, blocks placed at
               random up to a share of the cells (the usual English-language grid);
  lattice   -- across words on the even rows and down words on the even columns, so that only the letters
               where they meet are checked and the others are in one word only (the usual Russian grid),
               with blocks on the lines cutting them into words of 3 to 11 letters.
Run it from this folder: python3 generate.py
"""
import random


def runs(line):
    out, n = [], 0
    for c in line + '#':
        if c == '.':
            n += 1
        else:
            if n:
                out.append(n)
            n = 0
    return out


def rows_cols(g):
    h, w = len(g), len(g[0])
    return [''.join(r) for r in g], [''.join(g[y][x] for y in range(h)) for x in range(w)]


def connected(g):
    h, w = len(g), len(g[0])
    cells = [(y, x) for y in range(h) for x in range(w) if g[y][x] == '.']
    if not cells:
        return False
    seen, stack = {cells[0]}, [cells[0]]
    while stack:
        y, x = stack.pop()
        for dy, dx in ((1, 0), (-1, 0), (0, 1), (0, -1)):
            q = (y + dy, x + dx)
            if 0 <= q[0] < h and 0 <= q[1] < w and g[q[0]][q[1]] == '.' and q not in seen:
                seen.add(q)
                stack.append(q)
    return len(seen) == len(cells)


def checked(size, blocks, longest, seed):
    rnd = random.Random(seed)
    while True:
        g = [['.'] * size for _ in range(size)]
        placed, tries = 0, 0
        while placed < blocks and tries < 20000:
            tries += 1
            y, x = rnd.randrange(size), rnd.randrange(size)
            if g[y][x] == '#':
                continue
            g[y][x] = g[size - 1 - y][size - 1 - x] = '#'
            rs, cs = rows_cols(g)
            if all(l >= 3 for line in rs + cs for l in runs(line)) and connected(g):
                placed += 1 if (y, x) == (size - 1 - y, size - 1 - x) else 2
            else:
                g[y][x] = g[size - 1 - y][size - 1 - x] = '.'
        rs, cs = rows_cols(g)
        if placed >= blocks and max(l for line in rs + cs for l in runs(line)) <= longest:
            return rs


def lattice(size, seed):
    rnd = random.Random(seed)
    g = [['.' if y % 2 == 0 or x % 2 == 0 else '#' for x in range(size)] for y in range(size)]

    def cut(line_cells):
        # Blocks at odd offsets along a line cut it into words of 3..11 letters.
        pos, n = 0, len(line_cells)
        while n - pos > 11:
            step = rnd.choice([3, 5, 5, 7, 7, 9])
            if pos + step >= n - 2:
                break
            y, x = line_cells[pos + step]
            g[y][x] = g[size - 1 - y][size - 1 - x] = '#'
            pos += step + 1

    for y in range(0, size, 2):
        cut([(y, x) for x in range(size)])
    for x in range(0, size, 2):
        cut([(y, x) for y in range(size)])
    rs, _ = rows_cols(g)
    return rs


def save(name, rows):
    with open(name + '.txt', 'w') as f:
        f.write('\n'.join(rows) + '\n')


if __name__ == '__main__':
    for i, seed in enumerate((11, 12, 13)):
        save('checked15-%d' % (i + 1), checked(15, 38, 9, seed))
    for i, seed in enumerate((21, 22, 23)):
        save('lattice15-%d' % (i + 1), lattice(15, seed))
    # Seed 31 drew a 21x21 grid that neither this program nor Qxw filled from the English words in two
    # minutes; the next seed gives the corpus grid.
    save('checked21-1', checked(21, 72, 11, 32))
    save('lattice21-1', lattice(21, 32))
    save('lattice41-1', lattice(41, 41))
