// Placeholder until the windows arrive.
