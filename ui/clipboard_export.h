#pragma once
// Puts a text built by the core on the system clipboard, replacing its content.

#include <string>

void PutTextOnClipboard(const std::string& text);
