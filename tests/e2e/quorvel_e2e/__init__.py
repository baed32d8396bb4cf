"""End-to-end tests of quorvel on a real X server; e2e.py is the driver."""
