"""What every driver of the real program needs, whatever shell it works: the run-and-report
wrapper ctest reads, quorvel-replay as the reference, an exercise's steps as data, and
images compared pixel for pixel. The shells' own ways of clicking (xdotool, AT-SPI, the
browsers' remote protocols) stay with their drivers in tests/e2e and tests/web."""
