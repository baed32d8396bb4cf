// An exercise named in the page's address, "#exercise=CODE": opened at start and again
// whenever the fragment names another one. The fragment never leaves the browser, so the
// same static page serves every code.

// The code in a fragment, or null when it names no exercise.
export function exerciseInFragment(hash) {
  const match = /^#exercise=(.*)$/s.exec(hash);
  if (!match) return null;
  try {
    return decodeURIComponent(match[1]);
  } catch {
    return match[1];
  }
}

// Calls open(code) for the address's exercise after every change of fragment, and now
// too unless `now` is false (the tab's kept window is shown instead).
export function followExerciseLinks(open, now = true) {
  const follow = () => {
    const code = exerciseInFragment(location.hash);
    if (code !== null) open(code);
  };
  if (now) follow();
  addEventListener("hashchange", follow);
}
