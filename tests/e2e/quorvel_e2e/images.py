"""Images: binary PPM in memory, PNG on disk only when something is kept."""

import subprocess
from dataclasses import dataclass

from .failure import Failure


@dataclass
class Image:
    width: int
    height: int
    rgb: bytes  # three bytes per pixel, row by row

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return self.rgb[i:i + 3]

    def masked(self, rects):
        data = bytearray(self.rgb)
        for c in rects:
            for row in range(max(c.y, 0), min(c.y + c.h, self.height)):
                start = (row * self.width + max(c.x, 0)) * 3
                end = (row * self.width + min(c.x + c.w, self.width)) * 3
                data[start:end] = bytes(end - start)
        return bytes(data)

    def crop(self, c):
        rows = []
        for row in range(c.y, c.y + c.h):
            start = (row * self.width + c.x) * 3
            rows.append(self.rgb[start:start + c.w * 3])
        return b"".join(rows)


def parse_ppm(data):
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        start = pos
        while not data[pos:pos + 1].isspace():
            pos += 1
        fields.append(data[start:pos])
    if fields[0] != b"P6" or fields[3] != b"255":
        raise Failure(f"unexpected image header {fields!r}")
    width, height = int(fields[1]), int(fields[2])
    pixels = data[pos + 1:pos + 1 + width * height * 3]
    return Image(width, height, pixels)


def read_png(path):
    """Any image file as RGB, through ImageMagick's convert."""
    return parse_ppm(subprocess.run(["convert", path, "-depth", "8", "ppm:-"],
                                    capture_output=True, check=True).stdout)


def write_png(image, path):
    header = f"P6\n{image.width} {image.height}\n255\n".encode()
    subprocess.run(["convert", "ppm:-", path], input=header + image.rgb, check=True)


def differing_pixels(a, b):
    width = a.width
    out = []
    for row in range(a.height):
        start, end = row * width * 3, (row + 1) * width * 3
        if a.rgb[start:end] == b.rgb[start:end]:
            continue
        for col in range(width):
            i = start + col * 3
            if a.rgb[i:i + 3] != b.rgb[i:i + 3]:
                out.append((col, row))
    return out
