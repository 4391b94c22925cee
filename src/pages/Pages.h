#pragma once

// Registers every page unit's commands and template keywords; the main window
// calls it once at start-up (tests may call it too).
void EnregistrePages();
