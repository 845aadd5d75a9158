// Filled in by the coloured grid.
