#pragma once
// The gauge-setting step of a calculation on its own, for a record that holds
// only a type, a pitch and pitch diameters (the Set Dim tool).

class TTInfo;

// Gauge models, point and roll from the catalogue, the family's setting
// values of both product threads, and the clean-up of the small sizes.
void RunGaugeSettingStep(TTInfo& rec);
