"""What every driver of the real program needs, whatever shell it works: the run-and-report
wrapper ctest reads, quorvel-replay as the reference, an exercise's steps as data, images
compared pixel for pixel, the helper programs ended in one way, and the browsers (Chromium
over its DevTools protocol, Firefox over WebDriver BiDi) and the site's servers, which the
web's tests and its benchmark share. The desktop's own ways of clicking (xdotool, AT-SPI)
stay with their drivers in tests/e2e.

The drivers find this package through PYTHONPATH (tests/drive), which ctest and the
benchmark's script set."""
