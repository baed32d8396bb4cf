#pragma once

namespace quorvel {

class Form;

// Start-up: the state's start values, the window's height and centre, a first example,
// every surface's coordinate system, the trial at 0, and every plot drawn once.
void Form_Load(Form& f);

}  // namespace quorvel
