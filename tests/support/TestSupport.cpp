// Shared helpers for the test binaries live beside this file.
