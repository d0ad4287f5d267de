// Implemented separately.
