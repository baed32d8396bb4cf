"""Images as RGB in memory (binary PPM), compared pixel for pixel; PNG on disk only when
something is kept, through ImageMagick's convert."""

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

    def crop(self, x, y, w, h):
        rows = [self.rgb[((y + r) * self.width + x) * 3:((y + r) * self.width + x + w) * 3]
                for r in range(h)]
        return Image(w, h, b"".join(rows))

    def masked(self, boxes):
        """The image with each (x, y, w, h) blacked out, clipped to the image."""
        data = bytearray(self.rgb)
        for x, y, w, h in boxes:
            left, right = max(x, 0), min(x + w, self.width)
            for row in range(max(y, 0), min(y + h, self.height)):
                start, end = (row * self.width + left) * 3, (row * self.width + right) * 3
                if end > start:
                    data[start:end] = bytes(end - start)
        return Image(self.width, self.height, bytes(data))


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
    """Any image file as RGB."""
    return parse_ppm(subprocess.run(["convert", path, "-depth", "8", "ppm:-"],
                                    capture_output=True, check=True).stdout)


def write_png(image, path):
    header = f"P6\n{image.width} {image.height}\n255\n".encode()
    subprocess.run(["convert", "ppm:-", path], input=header + image.rgb, check=True)


def keep(stem, **images):
    """Writes each image as STEM-NAME.png, for a failure to point at; returns where."""
    for name, image in images.items():
        write_png(image, f"{stem}-{name}.png")
    return f"{stem}-*.png"


def differing_pixels(a, b):
    """The (x, y) of every pixel where two images of the same size differ."""
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
