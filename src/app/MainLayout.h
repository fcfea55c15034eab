#pragma once

#include "MainControls.h"

class QWidget;

// Builds the main window's controls in their places and returns them.
TMainControls BuildMainLayout(QWidget& window);
