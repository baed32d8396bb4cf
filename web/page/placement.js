// Where each row of the layout table lies in the window: its position summed up through
// its containers, whether it and every container are shown, and the frame it lies in.

export function placeRows(rows) {
  const byName = new Map(rows.map((row) => [row.name, row]));
  return rows.map((row) => {
    let x = row.left;
    let y = row.top;
    let shown = row.visible;
    let top = row;
    while (top.container !== "Form1") {
      top = byName.get(top.container);
      x += top.left;
      y += top.top;
      shown = shown && top.visible;
    }
    return { row, frame: top.name, shown, x, y, w: row.width, h: row.height };
  });
}
