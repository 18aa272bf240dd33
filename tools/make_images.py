#!/usr/bin/env python3
"""Draws the application's images (icons, splash) into src/app/images/ as PNG files.

Plain Python, no imaging library: shapes are rasterised at four times the size and averaged
down, which gives smooth edges."""
import math
import os
import struct
import zlib

SS = 4  # supersampling factor


class Canvas:
    def __init__(self, w, h, background=(0, 0, 0, 0)):
        self.w, self.h = w, h
        self.W, self.H = w * SS, h * SS
        self.px = [list(background) for _ in range(self.W * self.H)]

    def _blend(self, x, y, c):
        p = self.px[y * self.W + x]
        a = c[3] / 255.0
        for k in range(3):
            p[k] = p[k] * (1 - a) + c[k] * a
        p[3] = max(p[3], c[3])

    def _fill(self, box, inside, colour):
        x0, y0, x1, y1 = (int(max(0, v * SS)) for v in box)
        for y in range(y0, min(self.H, int(y1 * SS) + 1)):
            for x in range(x0, min(self.W, int(x1 * SS) + 1)):
                if inside((x + 0.5) / SS, (y + 0.5) / SS):
                    self._blend(x, y, colour)

    def rect(self, x0, y0, x1, y1, colour):
        self._fill((x0, y0, x1, y1), lambda x, y: x0 <= x <= x1 and y0 <= y <= y1, colour)

    def disk(self, cx, cy, r, colour):
        self._fill((cx - r, cy - r, cx + r, cy + r),
                   lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r, colour)

    def line(self, ax, ay, bx, by, width, colour):
        dx, dy = bx - ax, by - ay
        ll = dx * dx + dy * dy or 1.0

        def inside(x, y):
            t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / ll))
            return (x - ax - t * dx) ** 2 + (y - ay - t * dy) ** 2 <= (width / 2) ** 2
        h = width / 2
        self._fill((min(ax, bx) - h, min(ay, by) - h, max(ax, bx) + h, max(ay, by) + h),
                   inside, colour)

    def polygon(self, pts, colour):
        def inside(x, y):
            c = False
            for (x1, y1), (x2, y2) in zip(pts, pts[1:] + pts[:1]):
                if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
                    c = not c
            return c
        xs, ys = [p[0] for p in pts], [p[1] for p in pts]
        self._fill((min(xs), min(ys), max(xs), max(ys)), inside, colour)

    def save(self, path):
        rows = []
        for y in range(self.h):
            row = bytearray([0])
            for x in range(self.w):
                acc = [0.0] * 4
                for sy in range(SS):
                    for sx in range(SS):
                        p = self.px[(y * SS + sy) * self.W + x * SS + sx]
                        for k in range(4):
                            acc[k] += p[k]
                row += bytes(int(round(v / (SS * SS))) for v in acc)
            rows.append(bytes(row))

        def chunk(kind, data):
            return (struct.pack('>I', len(data)) + kind + data +
                    struct.pack('>I', zlib.crc32(kind + data) & 0xffffffff))
        png = b'\x89PNG\r\n\x1a\n'
        png += chunk(b'IHDR', struct.pack('>IIBBBBB', self.w, self.h, 8, 6, 0, 0, 0))
        png += chunk(b'IDAT', zlib.compress(b''.join(rows), 9))
        png += chunk(b'IEND', b'')
        with open(path, 'wb') as f:
            f.write(png)


BLACK = (20, 20, 20, 255)
COLOURS = [(255, 215, 0, 255), (0, 200, 220, 255), (220, 40, 40, 255), (40, 170, 60, 255),
           (150, 60, 200, 255)]


def graph(c, cx, cy, r, node, width, n=5):
    """A wheel on n + 1 vertices: the emblem of the application."""
    pts = [(cx + r * math.cos(2 * math.pi * k / n - math.pi / 2),
            cy + r * math.sin(2 * math.pi * k / n - math.pi / 2)) for k in range(n)]
    for k in range(n):
        c.line(*pts[k], *pts[(k + 1) % n], width, BLACK)
        c.line(cx, cy, *pts[k], width, BLACK)
    for k, (x, y) in enumerate(pts + [(cx, cy)]):
        c.disk(x, y, node, BLACK)
        c.disk(x, y, node - width, COLOURS[k % len(COLOURS)])


def main():
    out = os.path.join(os.path.dirname(__file__), '..', 'src', 'app', 'images')
    os.makedirs(out, exist_ok=True)

    icon = Canvas(64, 64)
    icon.disk(32, 32, 31, (255, 255, 255, 255))
    graph(icon, 32, 33, 21, 6.5, 2.2)
    icon.save(os.path.join(out, 'morvane.png'))

    splash = Canvas(480, 300, (255, 255, 255, 255))
    splash.rect(0, 0, 480, 36, (30, 60, 110, 255))
    splash.rect(0, 264, 480, 300, (30, 60, 110, 255))
    graph(splash, 150, 150, 90, 16, 4, 6)
    graph(splash, 350, 150, 70, 13, 3.5, 5)
    splash.save(os.path.join(out, 'splash.png'))

    printer = Canvas(32, 32)
    printer.rect(8, 2, 24, 14, (255, 255, 255, 255))
    printer.line(8, 2, 24, 2, 1, BLACK)
    printer.line(8, 2, 8, 14, 1, BLACK)
    printer.line(24, 2, 24, 14, 1, BLACK)
    printer.rect(2, 12, 30, 24, (90, 90, 100, 255))
    printer.rect(7, 20, 25, 30, (255, 255, 255, 255))
    printer.line(7, 30, 25, 30, 1, BLACK)
    printer.line(11, 25, 21, 25, 1.5, BLACK)
    printer.disk(11, 25, 2.2, COLOURS[2])
    printer.disk(21, 25, 2.2, COLOURS[1])
    printer.disk(26, 16, 1.5, COLOURS[3])
    printer.save(os.path.join(out, 'print_graph.png'))

    run = Canvas(32, 32)
    run.polygon([(8, 4), (28, 16), (8, 28)], (30, 150, 50, 255))
    run.save(os.path.join(out, 'run.png'))

    halt = Canvas(32, 32)
    halt.rect(6, 6, 26, 26, (200, 40, 40, 255))
    halt.save(os.path.join(out, 'halt.png'))


if __name__ == '__main__':
    main()
