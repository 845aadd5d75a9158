// Filled in by the clipboard export.
