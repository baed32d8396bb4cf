"""The web page under test: where its controls lie (from the layout table the page was
built from), where a click on each lands, and what its surfaces and labels show."""

import base64

from quorvel_drive.controls import Control
from quorvel_drive.images import Image


def places(rows):
    """Each control's place in the client area, as the page description publishes it for
    an arrangement of the window."""
    return {row["name"]: Control(row["name"], row["kind"], row["shown"], row["x"], row["y"],
                                 row["width"], row["height"]) for row in rows}


def arrangements(page_description):
    """The rows as each arrangement places them: the window as it is, and its columns one
    under another for a portrait screen."""
    rows = page_description["rows"]
    out = {"landscape": rows}
    if "portrait" in page_description:
        out["portrait"] = [{**row, **at} for row, at in
                           zip(rows, page_description["portrait"]["rows"])]
    return out


# Every shown surface's canvas holds as many pixels as it covers on the screen (to within
# what layout rounds a fractional scale to: a tenth of a device pixel).
CANVAS_COVERS = """[...document.querySelectorAll('.surface canvas')].filter(c =>
    c.getClientRects().length).flatMap(c => {
      const r = c.getBoundingClientRect();
      const w = r.width * devicePixelRatio, h = r.height * devicePixelRatio;
      return Math.abs(w - c.width) < 0.1 && Math.abs(h - c.height) < 0.1 ? [] :
        [`${c.parentElement.dataset.name} holds ${c.width}x${c.height}, covers ${w}x${h}`];
    })"""


class WindowPage:
    def __init__(self, page):
        self.page = page
        # The description the page was built from, which it carries.
        self.description = page.evaluate(
            "JSON.parse(document.getElementById('page-description').textContent)")
        self.rows = self.description["rows"]
        self.places = places(self.rows)
        self.rearrange()

    def rearrange(self):
        """Takes the arrangement whose frames stand where the page has put them now (a
        portrait screen stacks the columns)."""
        frames = self.page.evaluate("""Object.fromEntries([...document.querySelectorAll(
            '#window > .frame')].map(e => [e.dataset.name,
            [parseFloat(e.style.left), parseFloat(e.style.top)]]))""")
        for rows in arrangements(self.description).values():
            arranged = places(rows)
            if all((arranged[name].x, arranged[name].y) == tuple(at)
                   for name, at in frames.items()):
                self.places = arranged
                return
        raise AssertionError(f"the page put its frames where no arrangement does: {frames}")

    def show(self, name):
        """Scrolls the page, if it must, until the control is in view."""
        self.page.evaluate(f"""(() => {{
            const e = document.querySelector('[data-name="{name}"]');
            const r = e.getBoundingClientRect();
            if (r.top < 0 || r.bottom > innerHeight) e.scrollIntoView({{block: 'center'}});
        }})()""")

    def scale(self):
        """CSS pixels of the viewport per pixel of the window, as the page shows it now."""
        return self.page.evaluate("new DOMMatrix(getComputedStyle("
                                  "document.getElementById('window')).transform).a")

    def at(self, x, y):
        """A point of the client area as a viewport point, wherever the window is now."""
        left, top = self.page.evaluate(
            "(() => { const r = document.getElementById('window').getBoundingClientRect();"
            " return [r.left, r.top]; })()")
        scale = self.scale()
        return left + x * scale, top + y * scale

    def click(self, name, up=None, button="left"):
        self.show(name)
        place = self.places[name]
        point = place.centre() if up is None else place.arrow(up)
        self.page.click(*self.at(*point), button=button)

    def press(self, name, up=None, times=1):
        """A step's clicks (quorvel_drive.steps): on the middle, or on an arrow."""
        for _ in range(times):
            self.click(name, up)

    def surfaces(self):
        return [p for p in self.places.values() if p.kind == "picture" and p.shown]

    def covering(self, name):
        """What lies over a surface where it shows: the labels placed inside it (its "T"
        mark, "Spectol"), and any other shown control that overlaps it (a neighbouring
        spin button's edge) except the labels of its own frame, which lie beneath it, and
        other frames, which leave the plots they overlap uncovered. Each as (x, y, w, h)
        relative to the surface."""
        rows = {r["name"]: r for r in self.rows}
        ancestors, container = set(), rows[name]["container"]
        while container != "Form1":
            ancestors.add(container)
            container = rows[container]["container"]
        s = self.places[name]
        out = []
        for p in self.places.values():
            if p.name == name or p.name in ancestors or not p.shown or p.kind == "frame":
                continue
            if p.kind == "label" and rows[p.name]["container"] == rows[name]["container"]:
                continue
            if p.x < s.x + s.w and s.x < p.x + p.w and p.y < s.y + s.h and s.y < p.y + p.h:
                out.append((p.x - s.x, p.y - s.y, p.w, p.h))
        return out

    def canvas_image(self, name):
        """The pixels the page drew on a surface's canvas, as RGB."""
        width, height, data = self.page.evaluate(f"""(() => {{
            const canvas = document.querySelector('[data-name="{name}"] canvas');
            const image = canvas.getContext('2d').getImageData(0, 0, canvas.width,
                                                               canvas.height);
            let text = '';
            for (let i = 0; i < image.data.length; i += 0x8000)
              text += String.fromCharCode(...image.data.subarray(i, i + 0x8000));
            return [canvas.width, canvas.height, btoa(text)];
        }})()""")
        rgba = base64.b64decode(data)
        rgb = bytearray(width * height * 3)
        rgb[0::3], rgb[1::3], rgb[2::3] = rgba[0::4], rgba[1::4], rgba[2::4]
        return Image(width, height, bytes(rgb))

    def caption(self, name):
        return self.page.evaluate(
            f"document.querySelector('[data-name=\"{name}\"]').textContent")

    def shown(self, name):
        return self.page.evaluate(
            f"!document.querySelector('[data-name=\"{name}\"]').hidden")
