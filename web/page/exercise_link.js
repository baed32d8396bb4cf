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

// Calls open(code) for the address's exercise now and after every change of fragment.
export function followExerciseLinks(open) {
  const follow = () => {
    const code = exerciseInFragment(location.hash);
    if (code !== null) open(code);
  };
  follow();
  addEventListener("hashchange", follow);
}
