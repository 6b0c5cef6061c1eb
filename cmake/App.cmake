# Qt window layer (filled in by the window work).
