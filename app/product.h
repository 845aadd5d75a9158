#pragma once
// Names and version texts shown by the frame, the splash window and the About box.

#include <QString>

// "Pitch Ledger for Windows": the application title and the frame's caption.
QString AppTitle();
// "Pitch Ledger"
QString ProductName();
// "5.0.0", from the build.
QString FileVersionText();
// "Version 5.0"
QString ProductVersionLine();
