#pragma once
// Point and roll gauge selection for the product threads of a calculation.

class TTInfo;

// Chooses gauge models, contact point and roll for both product threads.
void SelectGageCatalogue(TTInfo& rec);
// Clears the setting values that do not apply to small threads.
void CleanUpGageCatalogue(TTInfo& rec);
